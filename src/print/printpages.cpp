// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "printpages.h"

#include "printcontent.h"
#include "ui/fonts.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace printpages {
namespace {

QFont sized(qreal points, bool bold = false)
{
    QFont font = pGothicFont();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// One row's place: a block's heading (row -1) or one of its rows, and its height.
struct Line {
    int block = 0;
    int row = -1;
    qreal height = 0;
};

class Layout {
public:
    Layout(const PrintDocument &doc, QPagedPaintDevice &device)
        : m_doc(doc), m_device(device), m_body(sized(10)), m_heading(sized(10.5, true)),
          m_title(sized(12, true))
    {
        const qreal width = device.width();
        bool notes = false;
        for (const PrintBlock &block : doc.blocks)
            for (const QStringList &row : block.rows)
                notes = notes || !row.value(2).isEmpty();
        m_columns = {0, width * 0.2, notes ? width * 0.75 : width};
        m_gap = QFontMetricsF(m_body, &device).height() * 0.4;
    }

    QList<QList<Line>> pages() const
    {
        QList<QList<Line>> pages{{}};
        const qreal room = m_device.height() - 2 * (lineHeight(m_title) + m_gap);
        qreal used = 0;
        for (int b = 0; b < m_doc.blocks.size(); ++b) {
            const QList<Line> lines = linesOf(b);
            qreal whole = m_gap;
            for (const Line &line : lines)
                whole += line.height;
            // A block that fits on a page is never split; a longer one runs on.
            if (used > 0 && used + whole > room && whole <= room) {
                pages.append(QList<Line>());
                used = 0;
            }
            for (const Line &line : lines) {
                if (used > 0 && used + line.height > room) {
                    pages.append(QList<Line>());
                    used = 0;
                }
                pages.last().append(line);
                used += line.height;
            }
            used += m_gap;
        }
        return pages;
    }

    void paint(QPainter &p, const QList<Line> &page, int number, int count) const
    {
        const qreal width = m_device.width();
        p.setFont(m_title);
        p.drawText(QRectF(0, 0, width, lineHeight(m_title)), Qt::AlignLeft | Qt::TextSingleLine,
                   m_doc.title);
        qreal y = lineHeight(m_title) + m_gap;
        for (const Line &line : page) {
            const PrintBlock &block = m_doc.blocks.at(line.block);
            if (line.row < 0) {
                p.setFont(m_heading);
                p.drawText(QRectF(0, y, width, line.height), Qt::TextWordWrap, block.heading);
            } else {
                p.setFont(m_body);
                const QStringList &row = block.rows.at(line.row);
                for (int c = 0; c < 3 && c < row.size(); ++c)
                    p.drawText(cell(c, y, line.height), Qt::TextWordWrap, row.at(c));
            }
            y += line.height;
        }
        p.setFont(m_body);
        p.drawText(QRectF(0, m_device.height() - lineHeight(m_body), width, lineHeight(m_body)),
                   Qt::AlignHCenter, QStringLiteral("%1 / %2").arg(number).arg(count));
    }

private:
    qreal lineHeight(const QFont &font) const { return QFontMetricsF(font, &m_device).height(); }

    QRectF cell(int column, qreal y, qreal height) const
    {
        const qreal right = column == 2 ? m_device.width() : m_columns.at(column + 1);
        const qreal pad = column == 2 ? 0 : m_gap;
        return {m_columns.at(column), y, right - m_columns.at(column) - pad, height};
    }

    qreal wrapped(const QFont &font, const QRectF &room, const QString &text) const
    {
        const QFontMetricsF metrics(font, &m_device);
        return std::max(metrics.height(),
                        metrics.boundingRect(room, Qt::TextWordWrap, text).height());
    }

    QList<Line> linesOf(int b) const
    {
        const PrintBlock &block = m_doc.blocks.at(b);
        QList<Line> lines;
        if (!block.heading.isEmpty())
            lines.append({b, -1, wrapped(m_heading, {0, 0, qreal(m_device.width()), 1e9}, block.heading)});
        for (int r = 0; r < block.rows.size(); ++r) {
            qreal height = 0;
            for (int c = 0; c < 3 && c < block.rows.at(r).size(); ++c)
                height = std::max(height, wrapped(m_body, cell(c, 0, 1e9), block.rows.at(r).at(c)));
            lines.append({b, r, height});
        }
        return lines;
    }

    const PrintDocument &m_doc;
    QPagedPaintDevice &m_device;
    QFont m_body;
    QFont m_heading;
    QFont m_title;
    QList<qreal> m_columns;
    qreal m_gap = 0;
};

} // namespace

int render(const PrintDocument &doc, QPagedPaintDevice &device)
{
    const Layout layout(doc, device);
    const QList<QList<Line>> pages = layout.pages();
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage())
            return 0;
        layout.paint(painter, pages.at(i), i + 1, int(pages.size()));
    }
    painter.end();
    return int(pages.size());
}

int writePdf(const PrintDocument &doc, const QString &path)
{
    const bool existed = QFile::exists(path);
    int pages = 0;
    {
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Portrait);
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(doc.title);
        writer.setCreator(QStringLiteral("Kibanu"));
        pages = render(doc, writer);
    } // the file is complete once the writer is gone
    if (pages == 0 && !existed)
        QFile::remove(path); // begun and not finished; a file that was there stays
    return pages;
}

} // namespace printpages
