// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dragdrop.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

struct Calls {
    QStringList log;
};

std::unique_ptr<QMimeData> mimeOf(const QString &tag, int index)
{
    return std::unique_ptr<QMimeData>(dragdrop::encode({tag, index}));
}

} // namespace

TEST(DragDrop, payloadTravelsInThePrivateMimeType)
{
    const auto mime = mimeOf(QStringLiteral("TodoLabel"), 13);
    const auto payload = dragdrop::decode(mime.get());
    ASSERT_TRUE(payload.has_value());
    EXPECT_EQ(payload->tag, QStringLiteral("TodoLabel"));
    EXPECT_EQ(payload->index, 13);
    QMimeData text;
    text.setText(QStringLiteral("TodoLabel\n1"));
    EXPECT_FALSE(dragdrop::decode(&text).has_value());
}

TEST(DragDrop, targetTakesOnlyTheTagsItKnows)
{
    QWidget widget;
    Calls calls;
    new dragdrop::Target(
        &widget, {QStringLiteral("ScheduleBox")},
        [&](const dragdrop::Payload &p) { calls.log.append("enter " + p.tag); },
        [&] { calls.log.append("leave"); },
        [&](const dragdrop::Payload &p) { calls.log.append("drop " + p.tag); });
    EXPECT_TRUE(widget.acceptDrops());

    const auto other = mimeOf(QStringLiteral("TodoLabel"), 2);
    QDragEnterEvent refused(QPoint(1, 1), Qt::MoveAction, other.get(), Qt::RightButton, {});
    QApplication::sendEvent(&widget, &refused);
    EXPECT_FALSE(refused.isAccepted());
    QDropEvent refusedDrop(QPointF(1, 1), Qt::MoveAction, other.get(), Qt::RightButton, {});
    QApplication::sendEvent(&widget, &refusedDrop);
    EXPECT_TRUE(calls.log.isEmpty());

    const auto mine = mimeOf(QStringLiteral("ScheduleBox"), -1);
    QDragEnterEvent enter(QPoint(1, 1), Qt::MoveAction, mine.get(), Qt::RightButton, {});
    QApplication::sendEvent(&widget, &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::MoveAction); // the black page shows
    QDragLeaveEvent leave;
    QApplication::sendEvent(&widget, &leave);
    QDragEnterEvent again(QPoint(1, 1), Qt::MoveAction, mine.get(), Qt::RightButton, {});
    QApplication::sendEvent(&widget, &again);
    QDropEvent drop(QPointF(1, 1), Qt::MoveAction, mine.get(), Qt::RightButton, {});
    QApplication::sendEvent(&widget, &drop);
    EXPECT_EQ(calls.log, QStringList({"enter ScheduleBox", "leave", "enter ScheduleBox", "drop ScheduleBox"}));
}
