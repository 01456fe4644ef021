// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include "fonts.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

namespace pictures {
namespace {

constexpr int Size = 32;

QPixmap blank()
{
    return canvas(QSize(Size, Size));
}

// Digits and "?" drawn from the outlines of the slots' font, scaled and outlined to look
// bold: a font of its own (another size, a bold face) would have fontconfig match it and
// a further font file opened before the board can first be painted.
void drawBoldText(QPainter &p, const QRectF &box, const QString &text, qreal pixelSize)
{
    const QFont font = pGothicFont();
    QPainterPath path;
    path.addText(0, 0, font, text);
    const qreal scale = pixelSize / font.pixelSize();
    path = QTransform::fromScale(scale, scale).map(path);
    path.translate(box.center() - path.boundingRect().center());
    const QColor ink = p.pen().color();
    p.setPen(QPen(ink, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ink);
    p.drawPath(path);
}

void drawPage(QPainter &p, const QColor &paper)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(paper);
    p.drawRect(5, 3, 22, 26);
}

} // namespace

QPixmap canvas(QSize size)
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap calendar(int day)
{
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(3, 3, 26, 26);
    p.setBrush(QColor(200, 30, 30));
    p.drawRect(3, 3, 26, 8);
    p.setPen(Qt::black);
    drawBoldText(p, QRectF(3, 11, 26, 18), QString::number(day), 14);
    return pixmap;
}

QPixmap button(Button which)
{
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (which) {
    case Button::Help:
        p.setBrush(QColor(255, 230, 90));
        p.setPen(QPen(Qt::black, 1));
        p.drawEllipse(4, 4, 24, 24);
        p.setPen(Qt::black);
        drawBoldText(p, QRectF(4, 4, 24, 24), QStringLiteral("?"), 18);
        break;
    case Button::Tel: {
        // A mid-grey outline: the dark telephone keeps its shape on a dark button too.
        p.setPen(QPen(QColor(150, 150, 150), 1.5));
        p.setBrush(QColor(60, 60, 60));
        p.drawRoundedRect(4, 8, 24, 18, 4, 4);
        p.setBrush(QColor(230, 230, 230));
        p.drawEllipse(10, 11, 12, 12);
        p.setBrush(QColor(60, 60, 60));
        p.drawRoundedRect(2, 4, 28, 6, 3, 3);
        break;
    }
    case Button::Done:
        drawPage(p, Qt::white);
        p.setPen(QPen(QColor(0, 140, 0), 3));
        p.drawPolyline(QPolygon({QPoint(9, 16), QPoint(14, 22), QPoint(23, 9)}));
        break;
    case Button::Shelf:
        p.setPen(QPen(QColor(110, 70, 30), 2));
        p.setBrush(QColor(210, 170, 110));
        p.drawRect(4, 14, 24, 14);
        p.drawLine(4, 10, 28, 10);
        p.setBrush(Qt::white);
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(9, 4, 14, 10);
        break;
    case Button::Close:
        p.setPen(QPen(QColor(80, 50, 20), 1));
        p.setBrush(QColor(170, 120, 60));
        p.drawRect(8, 3, 16, 26);
        p.setBrush(QColor(240, 200, 60));
        p.drawEllipse(19, 15, 3, 3);
        break;
    }
    return pixmap;
}

QPixmap whitePage()
{
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    drawPage(p, Qt::white);
    return pixmap;
}

QPixmap blackPage()
{
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    drawPage(p, Qt::black);
    return pixmap;
}

QPixmap trashBox()
{
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(6, 4, 20, 4);
    p.drawPolygon(QPolygon({QPoint(7, 9), QPoint(25, 9), QPoint(23, 29), QPoint(9, 29)}));
    for (int x : {12, 16, 20})
        p.drawLine(x, 12, x, 26);
    return pixmap;
}

} // namespace pictures
