// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/deferredicons.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmapCache>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

bool imagePluginLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

QImage drawn(const QIcon &icon) { return icon.pixmap(QSize(16, 16)).toImage(); }

} // namespace

// A window with a menu bar reads no picture file until the overflow arrow is drawn; the
// arrow then looks as the style draws it.
TEST(DeferredIcons, theMenuBarsArrowIsReadWhenDrawnAndLooksAsTheStylesOwn)
{
    const bool loadedBefore = imagePluginLoaded();
    deferredicons::install();
    deferredicons::install(); // once is enough: no proxy around a proxy
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    auto *arrow = window.menuBar()->findChild<QToolButton *>();
    ASSERT_NE(arrow, nullptr);
    if (!loadedBefore) {
        EXPECT_FALSE(imagePluginLoaded());
    }

    auto *proxy = dynamic_cast<QProxyStyle *>(QApplication::style());
    ASSERT_NE(proxy, nullptr);
    std::unique_ptr<QStyle> plain(QStyleFactory::create(proxy->baseStyle()->name()));
    ASSERT_NE(plain, nullptr);
    const QImage own = drawn(plain->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton));
    EXPECT_FALSE(own.isNull());
    EXPECT_EQ(drawn(arrow->icon()), own);
    EXPECT_EQ(drawn(arrow->icon()), own); // read once, drawn again
    EXPECT_FALSE(arrow->icon().isNull());
    EXPECT_EQ(drawn(QApplication::style()->standardIcon(QStyle::SP_DialogOkButton)),
              drawn(plain->standardIcon(QStyle::SP_DialogOkButton)));
}

// A titled group box, as the board's date frame, paints without probing the image plugins,
// and its frame is the style's own picture.
TEST(DeferredIcons, aGroupBoxPaintsWithoutTheImagePluginsAndLooksAsTheStylesOwn)
{
    const bool loadedBefore = imagePluginLoaded();
    deferredicons::install();
    QGroupBox box(QStringLiteral("日付"));
    box.resize(120, 60);
    const QImage painted = box.grab().toImage();
    if (!loadedBefore) {
        EXPECT_FALSE(imagePluginLoaded());
    }
    QPixmapCache::clear(); // the style now reads its picture itself
    EXPECT_EQ(box.grab().toImage(), painted);
}
