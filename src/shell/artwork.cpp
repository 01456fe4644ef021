// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"

#include "ui/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artwork {
namespace {

void drawTick(QPainter &p, QPoint origin, int strokes)
{
    // The two strokes of a tick mark, drawn as far as the frame has got.
    const QPoint a = origin + QPoint(2, 5);
    const QPoint b = origin + QPoint(5, 8);
    const QPoint c = origin + QPoint(11, -1);
    p.setPen(QPen(QColor(200, 40, 40), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (strokes >= 1)
        p.drawLine(a, b);
    if (strokes >= 2)
        p.drawLine(b, c);
}

void drawPage(QPainter &p)
{
    QPainterPath page;
    page.moveTo(8, 28);
    page.lineTo(50, 28);
    page.lineTo(62, 40);
    page.lineTo(62, 92);
    page.lineTo(8, 92);
    page.closeSubpath();
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setBrush(QColor(215, 215, 215));
    p.drawPolygon(QPolygon({QPoint(50, 28), QPoint(50, 40), QPoint(62, 40)}));
    for (int row = 0; row < 3; ++row) {
        const int top = 44 + 16 * row;
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(Qt::white);
        p.drawRect(14, top, 10, 10);
        p.setPen(QPen(QColor(150, 170, 210), 2));
        p.drawLine(30, top + 6, 56, top + 6);
    }
}

void drawPencil(QPainter &p, QPointF tip)
{
    p.save();
    p.translate(tip);
    p.rotate(-40);
    p.setPen(QPen(QColor(70, 50, 20), 1));
    p.setBrush(QColor(235, 200, 150));
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(9, -4), QPointF(9, 4)}));
    p.setBrush(QColor(40, 40, 40));
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(3, -1.4), QPointF(3, 1.4)}));
    p.setBrush(QColor(250, 200, 30));
    p.drawRect(QRectF(9, -4, 30, 8));
    p.setBrush(QColor(190, 190, 200));
    p.drawRect(QRectF(39, -4, 4, 8));
    p.setBrush(QColor(240, 140, 160));
    p.drawRoundedRect(QRectF(43, -4, 6, 8), 2, 2);
    p.restore();
}

} // namespace

QPixmap logo()
{
    QPixmap pixmap = pictures::canvas(QSize(121, 31));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, 121, 31);
    band.setColorAt(0, QColor(0, 120, 140));
    band.setColorAt(1, QColor(40, 70, 170));
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawRoundedRect(QRectF(0.5, 0.5, 120, 30), 7, 7);
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(7, 8, 15, 15), 2, 2);
    p.setPen(QPen(QColor(240, 120, 30), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(10, 15), QPointF(14, 20), QPointF(24, 5)}));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(19);
    font.setBold(true);
    font.setItalic(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(30, 0, 88, 31), Qt::AlignCenter, QStringLiteral("Kibanu"));
    return pixmap;
}

QPixmap todoFrame(int frame)
{
    QPixmap pixmap = pictures::canvas(QSize(96, 96));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawPage(p);
    const QPoint box(14, 44);
    // The pencil hovers, draws the first stroke, then the second.
    const QPointF tips[] = {{18, 38}, {19.5, 52.5}, {25.5, 43.5}};
    const int index = qBound(1, frame, 3) - 1;
    drawTick(p, box, index);
    drawPencil(p, tips[index]);
    return pixmap;
}

namespace {

// Only the sixteen colours of the old palettes, without smoothing.
const QColor black(0, 0, 0), navy(0, 0, 128), green(0, 128, 0), teal(0, 128, 128),
    maroon(128, 0, 0), olive(128, 128, 0), silver(192, 192, 192), gray(128, 128, 128),
    red(255, 0, 0), yellow(255, 255, 0), white(255, 255, 255), cyan(0, 255, 255);

// A clipboard of to-dos, the first two ticked.
void drawClipboard(QPainter &p)
{
    p.fillRect(14, 10, 62, 62, maroon);
    p.fillRect(19, 17, 52, 52, white);
    p.fillRect(36, 7, 18, 6, gray);
    for (int row = 0; row < 5; ++row) {
        const int top = 22 + 9 * row;
        p.setPen(black);
        p.setBrush(white);
        p.drawRect(23, top, 6, 6);
        p.fillRect(33, top + 3, 32 - 4 * (row % 2), 2, navy);
        if (row < 2) {
            p.setPen(QPen(green, 2));
            p.drawPolyline(QPolygon({QPoint(24, top + 3), QPoint(26, top + 5), QPoint(30, top)}));
        }
    }
}

// A calendar page with one day marked.
void drawCalendar(QPainter &p)
{
    p.setPen(black);
    p.setBrush(white);
    p.drawRect(90, 24, 50, 46);
    p.fillRect(91, 25, 49, 9, red);
    for (int week = 0; week < 4; ++week)
        for (int day = 0; day < 6; ++day)
            p.fillRect(94 + 7 * day, 38 + 8 * week, 5, 5, week == 2 && day == 3 ? red : gray);
}

// A telephone and a wall clock.
void drawTelephoneAndClock(QPainter &p)
{
    p.setBrush(red);
    p.drawRect(154, 52, 46, 20);
    p.setBrush(black);
    p.drawRect(150, 44, 54, 7);
    p.drawRect(150, 40, 9, 6);
    p.drawRect(195, 40, 9, 6);
    p.setBrush(white);
    p.drawEllipse(169, 55, 15, 15);
    p.setBrush(yellow);
    p.drawEllipse(164, 6, 26, 26);
    p.setPen(QPen(black, 2));
    p.drawLine(177, 19, 177, 10);
    p.drawLine(177, 19, 184, 19);
}

} // namespace

QPixmap deskScene()
{
    QPixmap pixmap = pictures::canvas(QSize(213, 93));
    pixmap.fill(cyan);
    QPainter p(&pixmap);
    p.setPen(Qt::NoPen);
    p.fillRect(0, 72, 213, 21, teal);
    p.fillRect(0, 72, 213, 5, olive); // the desk top
    p.fillRect(6, 77, 6, 16, maroon);
    p.fillRect(201, 77, 6, 16, maroon);
    drawClipboard(p);
    drawCalendar(p);
    drawTelephoneAndClock(p);
    p.setPen(silver);
    p.drawLine(0, 71, 212, 71);
    return pixmap;
}

} // namespace artwork
