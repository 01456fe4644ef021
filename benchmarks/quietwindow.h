// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/prompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QWidget>

// What the window benchmarks share: a prompter that answers no, and a watch for the first
// paint of a widget.
class SilentPrompter : public Prompter {
public:
    void inform(const QString &) override {}
    bool askYesNo(const QString &) override { return false; }
    bool askOkCancel(const QString &) override { return false; }
    Answer askYesNoCancel(const QString &) override { return Answer::Cancel; }
    std::optional<int> askNumber(const QString &, int, int, int) override { return std::nullopt; }
    std::optional<QString> askText(const QString &, const QString &) override { return std::nullopt; }
    QString askFileName(FileUse, const QString &, const QString &, const QString &) override
    {
        return {};
    }
};

class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

// Shows the window and runs the events until the watched widget was painted (at most two
// seconds); whether it was.
inline bool showUntilPainted(QWidget &window, const PaintWatch &watch)
{
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!watch.painted && waited.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return watch.painted;
}
