// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// The editor registration dialog. Its menu entry is switched off, and neither button
// uses the typed path: the editor comes from pim.ini.
class frmRegEdit : public QDialog {
    Q_OBJECT
public:
    explicit frmRegEdit(QWidget *parent);

    void cmdOK_Click() { hide(); }
    void cmdCancel_Click() { hide(); }

private:
    QLineEdit *txtEditor = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
};
