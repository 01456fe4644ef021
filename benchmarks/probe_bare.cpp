// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for the start of Kibanu: a bare main window with one Japanese label, ended
// once it has been painted.
#include "probe_exit.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("用件を入力して下さい")));
    ExitOnFirstPaint exit([&window]() -> QWidget * { return &window; });
    window.show();
    return qapp.exec();
}
