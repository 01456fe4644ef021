// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <functional>

class Prompter;
class QLineEdit;
class QPushButton;

// ｵﾌﾟｼｮﾝ → 同期の設定: the sync folder and the command that syncs it, with a word on
// what they are. Modal; OK checks both and hands them on. `folderPath` gives the folder a
// setting names, as the run will take it.
class dlgSync : public QWidget {
    Q_OBJECT
public:
    dlgSync(Prompter &prompter, std::function<QString(const QString &)> folderPath);

    // The dialog with the present settings.
    void showWith(const QString &folder, const QString &command);

    void cmdBrowse_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

    QLineEdit *txtFolder = nullptr;
    QLineEdit *txtCommand = nullptr;

signals:
    // Both empty: no sync.
    void chosen(const QString &folder, const QString &command);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    Prompter &m_prompter;
    std::function<QString(const QString &)> m_folderPath;
    QPushButton *cmdBrowse = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
};
