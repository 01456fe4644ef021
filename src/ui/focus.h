// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QFocusEvent;
class QWidget;

namespace focus {

// "Lost focus": another control of this program took the focus, also one in another of
// its windows. A popup (a menu, input-method candidates), the menu bar, the whole
// program losing activation to another program and a window of it that is shown without
// activation (a reminder) leave the focus where it was.
[[nodiscard]] bool isLostFocus(const QFocusEvent *event);

// Hiding a focused box moves the focus on and fires its focus-out at once. Boxes hidden
// through this guard let their owner tell that focus-out from a real one.
class QuietHider {
public:
    void setVisible(QWidget *widget, bool visible);
    [[nodiscard]] bool isHiding() const { return m_hiding; }

private:
    bool m_hiding = false;
};

} // namespace focus
