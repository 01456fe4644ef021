// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Work put off until a window is painted runs once then, and never for an owner gone.
#include "ui/firstpaint.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

TEST(FirstPaint, runsOnceAfterAPaintAndNeverForAnOwnerThatIsGone)
{
    int kept = 0;
    int gone = 0;
    QObject owner;
    firstpaint::then(&owner, [&kept] { ++kept; });
    {
        auto ended = std::make_unique<QObject>(); // a run that ended before any paint
        firstpaint::then(ended.get(), [&gone] { ++gone; });
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(kept, 0); // nothing painted yet
    QWidget window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(QTest::qWaitFor([&kept] { return kept > 0; }));
    window.update();
    QTest::qWait(50);
    EXPECT_EQ(kept, 1);
    EXPECT_EQ(gone, 0);
}
