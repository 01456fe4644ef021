// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/artwork.h"
#include "shell/frmstartup.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

QImage shownPicture(QWidget &w, const char *name)
{
    return w.findChild<QLabel *>(name)->pixmap().toImage();
}

bool shown(QWidget &w, const char *name)
{
    return w.findChild<QWidget *>(name)->isVisible();
}

} // namespace

TEST(StartupWindow, animationFollowsItsTableTickForTickAndAsksForTheBoardAtTheTwentyFirst)
{
    auto owned = std::make_unique<frmStartup>();
    frmStartup *w = owned.get();
    QSignalSpy board(w, &frmStartup::boardRequested);
    w->show();
    EXPECT_EQ(w->windowModality(), Qt::NonModal);
    EXPECT_TRUE(w->findChild<QTimer *>("tmrStartup")->isActive());
    const QImage frames[] = {artwork::todoFrame(1).toImage(), artwork::todoFrame(2).toImage(),
                             artwork::todoFrame(3).toImage()};
    ASSERT_NE(frames[0], frames[1]);
    ASSERT_NE(frames[1], frames[2]);
    ASSERT_NE(frames[0], frames[2]);
    const int frameAt[16] = {1, 2, 3, 2, 1, 2, 3, 2, 1, 2, 3, 2, 2, 2, 2, 2};

    for (int n = 0; n < 20; ++n) {
        w->tmrStartup_Timer();
        if (n < 16) {
            EXPECT_EQ(shownPicture(*w, "imgTodo"), frames[frameAt[n] - 1]) << n;
        }
        EXPECT_EQ(shown(*w, "imgLogo"), n >= 16) << n;
        EXPECT_EQ(shown(*w, "lblVersion"), n >= 16) << n;
        EXPECT_EQ(board.count(), 0) << n;
    }
    EXPECT_EQ(shownPicture(*w, "imgTodo"), frames[1]); // the last frame stays with the logo
    w->tmrStartup_Timer();
    EXPECT_EQ(board.count(), 1);
    EXPECT_FALSE(w->isVisible());
    w->close(); // a late close request: the board is asked for once only
    EXPECT_EQ(board.count(), 1);
}
