#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Ends the process right after the window's first paint: a start-up probe measures the
// way to a visible window, not the way out.
class ExitOnFirstPaint : public QObject {
public:
    // The window is asked for each time, as it may not exist yet.
    explicit ExitOnFirstPaint(std::function<QWidget *()> window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<QWidget *()> m_window;
};
