// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "deferredicons.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>
#include <QProxyStyle>

namespace {

bool deferred(QStyle::StandardPixmap which)
{
    return which == QStyle::SP_ToolBarHorizontalExtensionButton ||
           which == QStyle::SP_ToolBarVerticalExtensionButton;
}

class DeferredStyle;

// Asks the style for the picture the first time it is drawn or measured.
class DeferredEngine final : public QIconEngine {
public:
    DeferredEngine(const QStyle *style, QStyle::StandardPixmap which)
        : m_style(style), m_which(which)
    {
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
               QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QString key() const override { return QStringLiteral("kibanu-deferred"); }
    QIconEngine *clone() const override { return new DeferredEngine(*this); }

private:
    const QIcon &icon();

    QPointer<const QStyle> m_style;
    QStyle::StandardPixmap m_which;
    QIcon m_icon;
    bool m_read = false;
};

class DeferredStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap which, const QStyleOption *option,
                       const QWidget *widget) const override
    {
        if (deferred(which) && !m_reading)
            return QIcon(new DeferredEngine(this, which));
        return QProxyStyle::standardIcon(which, option, widget);
    }
    QIcon read(StandardPixmap which) const
    {
        m_reading = true;
        QIcon icon = QProxyStyle::standardIcon(which, nullptr, nullptr);
        m_reading = false;
        return icon;
    }

private:
    mutable bool m_reading = false; // the wrapped style may ask its proxy again
};

const QIcon &DeferredEngine::icon()
{
    if (!m_read && m_style) {
        m_icon = static_cast<const DeferredStyle *>(m_style.data())->read(m_which);
        m_read = true;
    }
    return m_icon;
}

// The digits QPixmap puts in its cache keys: each byte from the lowest, low nibble first.
template <typename T>
QString hexDigits(T value)
{
    QString digits;
    for (size_t i = 0; i < sizeof(T); ++i) {
        const auto byte = static_cast<unsigned>((value >> (8 * i)) & 0xff);
        digits += QLatin1Char("0123456789abcdef"[byte & 0xf]);
        digits += QLatin1Char("0123456789abcdef"[byte >> 4]);
    }
    return digits;
}

// Fusion draws a group box's frame from a picture it reads by file name, which probes every
// image plugin installed before the board can paint. It is read here by the built-in PNG
// reader and put where QPixmap looks first, under the key QPixmap would give it; should
// that key ever differ, the style reads the picture itself as before.
void prefillGroupBoxFrame()
{
    const QFileInfo info(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"));
    if (!info.exists())
        return;
    QImageReader reader(info.filePath(), "png");
    reader.setAutoDetectImageFormat(false);
    const QImage frame = reader.read();
    if (frame.isNull())
        return;
    constexpr quint32 pixmapType = 0; // a QPixmap, not a QBitmap
    QPixmapCache::insert(QStringLiteral("qt_pixmap") + info.absoluteFilePath()
                             + hexDigits(static_cast<quint32>(info.lastModified().toSecsSinceEpoch()))
                             + hexDigits(static_cast<quint64>(info.size())) + hexDigits(pixmapType),
                         QPixmap::fromImage(frame));
}

} // namespace

namespace deferredicons {

void install()
{
    if (dynamic_cast<DeferredStyle *>(QApplication::style()))
        return;
    // The desktop's own style stays what draws; the proxy only defers.
    QApplication::setStyle(new DeferredStyle(QApplication::style()));
    prefillGroupBoxFrame();
}

} // namespace deferredicons
