// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QMimeData;
class QWidget;

// Right-button drag and drop between the program's windows. The source's tag travels in
// the drag, with the slot index for a to-do.
namespace dragdrop {

// The tags of the sources: a slot of the board, the shelf list, the schedule list.
inline const QString TodoLabel = QStringLiteral("TodoLabel");
inline const QString TrashBox = QStringLiteral("TrashBox");
inline const QString ScheduleBox = QStringLiteral("ScheduleBox");

struct Payload {
    QString tag;
    int index = -1;
};

[[nodiscard]] QMimeData *encode(const Payload &payload);
[[nodiscard]] std::optional<Payload> decode(const QMimeData *mime);

// Starts a drag and returns when it ends: white page while dragging, black page over a
// target that takes it.
void start(QWidget *source, const Payload &payload);

// What carries a started drag to its drop: the platform's drag unless one is set. Tests
// set their own, as the platform's needs a real pointer. An empty one restores it.
using Runner = std::function<void(QWidget *source, const QMimeData &mime)>;
void setRunner(Runner runner);

// Turns a right-button press on the widget into a drag; the press is swallowed, so it
// never changes a selection. makePayload may refuse by returning nothing.
void installSource(QWidget *source, std::function<std::optional<Payload>()> makePayload);

// Makes the widget take drags whose tag it knows, calling enter, leave and drop.
class Target : public QObject {
public:
    using Handler = std::function<void(const Payload &)>;
    Target(QWidget *widget, QStringList tags, Handler enter, std::function<void()> leave,
           Handler drop);
    // Narrows what it takes among those tags; what it refuses shows the white page.
    void setAcceptance(std::function<bool(const Payload &)> accepts);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    [[nodiscard]] bool takes(const std::optional<Payload> &payload) const;

    QStringList m_tags;
    std::function<bool(const Payload &)> m_accepts;
    Handler m_enter;
    std::function<void()> m_leave;
    Handler m_drop;
};

} // namespace dragdrop
