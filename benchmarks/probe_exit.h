// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Runs the action once, after the first paint of the window (and of the rest of its frame).
class AfterFirstPaint : public QObject {
public:
    // The window is asked for each time, as it may not exist yet.
    AfterFirstPaint(std::function<QWidget *()> window, std::function<void()> action);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<QWidget *()> m_window;
    std::function<void()> m_action;
};

// Ends the process right after the window's first paint: a start-up probe measures the
// way to a visible window, not the way out. atExit runs just before the end.
class ExitOnFirstPaint : public AfterFirstPaint {
public:
    explicit ExitOnFirstPaint(std::function<QWidget *()> window,
                              std::function<void()> atExit = {});
};
