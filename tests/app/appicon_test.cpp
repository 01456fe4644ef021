// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window icon waits for the first window's paint, then every window has it.
#include "app/appicon.h"

#include <QApplication>
#include <QIcon>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

TEST(AppIcon, theIconComesAfterTheFirstWindowIsPaintedAndReachesEveryWindow)
{
    QApplication::setWindowIcon(QIcon());
    appicon::setAfterFirstPaint();
    QWidget first;
    QWidget second;
    QCoreApplication::processEvents();
    EXPECT_TRUE(QApplication::windowIcon().isNull()); // nothing painted yet
    first.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&first));
    EXPECT_TRUE(QTest::qWaitFor([] { return !QApplication::windowIcon().isNull(); }));
    EXPECT_FALSE(first.windowIcon().isNull());
    EXPECT_FALSE(second.windowIcon().isNull());
    QApplication::setWindowIcon(QIcon());
}
