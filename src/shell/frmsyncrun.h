// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// While the sync command runs: what runs, a busy bar and 中止.
class frmSyncRun : public QWidget {
    Q_OBJECT
public:
    explicit frmSyncRun(const QString &command);

    void cmdCancel_Click();

signals:
    void cancelRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLabel *lblCommand = nullptr;
    QPushButton *cmdCancel = nullptr;
};
