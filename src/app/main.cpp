// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "kibanuapp.h"
#include "text/clock.h"
#include "ui/messageboxprompter.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    qapp.setApplicationName(QStringLiteral("Kibanu"));
    // The desktop entry's name, so the desktop shows the entry's icon for the windows too.
    qapp.setDesktopFileName(QStringLiteral("kibanu"));
    qapp.setWindowIcon(QIcon(QStringLiteral(":/kibanu.svg")));
    // Only the quit sequence ends the program.
    qapp.setQuitOnLastWindowClosed(false);
    KibanuApp app(QCoreApplication::applicationDirPath(), std::make_unique<SystemClock>(),
                  std::make_unique<MessageBoxPrompter>());
    app.start();
    return qapp.exec();
}
