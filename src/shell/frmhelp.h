// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QTextBrowser;

// The help window: the program's own help file, opened where the asking window is
// described.
class frmHelp : public QWidget {
    Q_OBJECT
public:
    frmHelp();

    // False when the file cannot be read; the caller tells the user.
    bool showHelp(const QString &path, const QString &anchor);

private:
    QTextBrowser *txtHelp = nullptr;
    QString m_loaded;
};
