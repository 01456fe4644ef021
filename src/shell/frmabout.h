// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The About box: the version, the credits and two pictures. Not modal; 閉じる hides it,
// the close box unloads it.
class frmAbout : public QWidget {
    Q_OBJECT
public:
    frmAbout();

    void cmdOK_Click();

signals:
    // The close box was used: the window is to be destroyed, the next opening makes a new one.
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QLabel *Picture1 = nullptr;
    QLabel *Picture2 = nullptr;
    QPushButton *cmdOK = nullptr;
};
