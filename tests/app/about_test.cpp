// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/apphelper.h"
#include "shell/frmabout.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QPushButton>

namespace {

int visibleAboutBoxes()
{
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        count += qobject_cast<frmAbout *>(w) && w->isVisible() ? 1 : 0;
    return count;
}

} // namespace

TEST_F(AppTest, aboutBoxIsOneWindowHiddenByItsButtonAndUnloadedByItsCloseBox)
{
    frmTodo *board = startBoard();
    app->showAbout();
    QPointer<frmAbout> about = app->aboutWindow();
    ASSERT_FALSE(about.isNull());
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowModality(), Qt::NonModal);
    app->showAbout();
    EXPECT_EQ(app->aboutWindow(), about.data());
    EXPECT_EQ(visibleAboutBoxes(), 1);

    about->findChild<QPushButton *>("cmdOK")->click();
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(board->isVisible());
    app->showAbout();
    EXPECT_EQ(app->aboutWindow(), about.data()); // the same window again
    EXPECT_TRUE(about->isVisible());

    about->close();
    EXPECT_EQ(app->aboutWindow(), nullptr);
    app->showAbout(); // before the old one is even gone: a new one, never the closing one
    frmAbout *fresh = app->aboutWindow();
    ASSERT_NE(fresh, nullptr);
    EXPECT_NE(fresh, about.data());
    QCloseEvent late; // the window system's late request to the old one
    QCoreApplication::sendEvent(about, &late);
    EXPECT_EQ(app->aboutWindow(), fresh);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
    EXPECT_TRUE(app->aboutWindow()->isVisible());
    EXPECT_EQ(visibleAboutBoxes(), 1);
}
