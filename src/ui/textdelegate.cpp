// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "textdelegate.h"

#include <QAbstractItemView>
#include <QHash>
#include <QPainter>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace textdelegate {
namespace {

// Anything but one line of plain text is left to the style.
bool isOnePlainLine(const QStyleOptionViewItem &opt)
{
    constexpr auto plain = QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::WrapText
                           | QStyleOptionViewItem::Alternate;
    return !(opt.features & ~plain) && !opt.text.contains(QChar::LineSeparator)
           && !opt.text.contains(QLatin1Char('\n'));
}

// The panel and the selection as the style draws them for a line without text.
void drawPanel(QPainter *painter, const QStyleOptionViewItem &opt, const QStyle *style)
{
    QStyleOptionViewItem panel = opt;
    panel.text.clear();
    panel.features &= ~QStyleOptionViewItem::HasDisplay;
    panel.state &= ~QStyle::State_HasFocus;
    style->drawControl(QStyle::CE_ItemViewItem, &panel, painter, opt.widget);
}

// The text laid out already, aligned in its place, in the colour of the line's state.
void drawText(QPainter *painter, const QStyleOptionViewItem &opt, const QStaticText &text,
              const QRect &textRect)
{
    const bool enabled = opt.state & QStyle::State_Enabled;
    const bool selected = opt.state & QStyle::State_Selected;
    QPalette::ColorGroup group = enabled ? QPalette::Normal : QPalette::Disabled;
    if (enabled && !(opt.state & QStyle::State_Active))
        group = QPalette::Inactive;
    const QRect placed =
        QStyle::alignedRect(opt.direction, opt.displayAlignment, text.size().toSize(), textRect);
    painter->setFont(opt.font);
    painter->setPen(
        opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawStaticText(placed.topLeft(), text);
}

// The focus frame, over the text, as the style draws it.
void drawFocus(QPainter *painter, const QStyleOptionViewItem &opt, const QStyle *style)
{
    const bool enabled = opt.state & QStyle::State_Enabled;
    const bool selected = opt.state & QStyle::State_Selected;
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(opt);
    focus.rect = style->subElementRect(QStyle::SE_ItemViewItemFocusRect, &opt, opt.widget);
    focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
    focus.backgroundColor = opt.palette.color(enabled ? QPalette::Normal : QPalette::Disabled,
                                              selected ? QPalette::Highlight : QPalette::Window);
    style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, opt.widget);
}

class CachedTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QWidget *widget = opt.widget;
        QStyle *style = widget ? widget->style() : nullptr;
        if (!style || !isOnePlainLine(opt)) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        // The text where the style puts it: inside the focus margin, aligned.
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const QRect textRect = opt.rect.adjusted(margin, 0, -margin, 0);
        const LaidOut &laidOut = layOut(opt, textRect.width());
        if (laidOut.tooWide && (opt.features & QStyleOptionViewItem::WrapText)) {
            QStyledItemDelegate::paint(painter, option, index); // the style wraps it
            return;
        }
        drawPanel(painter, opt, style);
        painter->save();
        painter->setClipRect(opt.rect);
        if (!laidOut.text.text().isEmpty())
            drawText(painter, opt, laidOut.text, textRect);
        if (opt.state & QStyle::State_HasFocus)
            drawFocus(painter, opt, style);
        painter->restore();
    }

private:
    struct LaidOut {
        int width = -1;
        Qt::TextElideMode elide = Qt::ElideNone;
        bool tooWide = false;
        QStaticText text;
    };

    // The text as it is drawn in that width: elided as the style elides a line too long.
    const LaidOut &layOut(const QStyleOptionViewItem &opt, int width) const
    {
        if (opt.font != m_font) {
            m_cache.clear();
            m_font = opt.font;
        }
        // A search through a long list paints ever new lines; the cache is a bound, not a store.
        if (m_cache.size() > 4096)
            m_cache.clear();
        LaidOut &entry = m_cache[opt.text];
        if (entry.width != width || entry.elide != opt.textElideMode) {
            entry.width = width;
            entry.elide = opt.textElideMode;
            entry.tooWide = opt.fontMetrics.horizontalAdvance(opt.text) > width;
            entry.text.setTextFormat(Qt::PlainText);
            entry.text.setPerformanceHint(QStaticText::AggressiveCaching);
            entry.text.setText(entry.tooWide && opt.textElideMode != Qt::ElideNone
                                   ? opt.fontMetrics.elidedText(opt.text, opt.textElideMode, width)
                                   : opt.text);
            entry.text.prepare(QTransform(), opt.font);
        }
        return entry;
    }

    mutable QHash<QString, LaidOut> m_cache;
    mutable QFont m_font;
};

} // namespace

void install(QAbstractItemView *view)
{
    view->setItemDelegate(new CachedTextDelegate(view));
}

} // namespace textdelegate
