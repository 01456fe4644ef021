// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dlgsync.h"

#include "ui/access.h"
#include "ui/prompter.h"
#include "ui/twips.h"
#include "ui/windows.h"

#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

namespace {

constexpr int Width = 6600; // twips, the client area

QLabel *label(QWidget *parent, const char *name, const QString &text, const QRect &place)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setGeometry(place);
    return l;
}

} // namespace

dlgSync::dlgSync(Prompter &prompter, std::function<QString(const QString &)> folderPath)
    : m_prompter(prompter), m_folderPath(std::move(folderPath))
{
    setObjectName(QStringLiteral("dlgSync"));
    setWindowTitle(QStringLiteral("同期の設定"));
    setWindowModality(Qt::ApplicationModal);
    windows::fixSize(*this, twips(Width), twips(4560));
    label(this, "lblAbout",
          QStringLiteral("予定表と電話帳を、カレンダーと住所録のサーバー（CalDAV / CardDAV: Nextcloud、"
                         "Radicale など）と同期します。サーバーとのやりとりは vdirsyncer が行い、"
                         "Kibanu は同期フォルダの calendar と contacts（一件が一つのファイル）を"
                         "自分のファイルと突き合わせます。vdirsyncer の設定は "
                         "~/.config/vdirsyncer/config にあります。"),
          twipsRect(120, 120, Width - 240, 1440));
    auto *lblFolder = label(this, "lblFolder", QStringLiteral("同期フォルダ(&F):"),
                            twipsRect(120, 1680, 1800, 255));
    txtFolder = new QLineEdit(this);
    txtFolder->setObjectName(QStringLiteral("txtFolder"));
    txtFolder->setGeometry(twipsRect(1920, 1650, 3480, 315));
    lblFolder->setBuddy(txtFolder);
    cmdBrowse = windows::button(this, "cmdBrowse", QStringLiteral("参照(&R)..."),
                                twipsRect(5460, 1650, 1020, 315));
    auto *lblCommand = label(this, "lblCommand", QStringLiteral("同期コマンド(&C):"),
                             twipsRect(120, 2160, 1800, 255));
    txtCommand = new QLineEdit(this);
    txtCommand->setObjectName(QStringLiteral("txtCommand"));
    txtCommand->setPlaceholderText(QStringLiteral("vdirsyncer sync"));
    txtCommand->setGeometry(twipsRect(1920, 2130, 4560, 315));
    lblCommand->setBuddy(txtCommand);
    label(this, "lblNote",
          QStringLiteral("コマンドは起動時にファイルを読む前と、終了時に保存した後に実行します"
                         "（シェルは使いません。最長 60 秒）。両方を空にすると同期しません。"
                         "変更は次の起動から使われます。"),
          twipsRect(120, 2640, Width - 240, 960));
    cmdOK = windows::button(this, "cmdOK", QStringLiteral("OK"), twipsRect(3720, 3840, 1260, 375));
    cmdCancel = windows::button(this, "cmdCancel", QStringLiteral("キャンセル"),
                                twipsRect(5160, 3840, 1320, 375));
    cmdOK->setDefault(true);
    connect(cmdBrowse, &QPushButton::clicked, this, &dlgSync::cmdBrowse_Click);
    connect(cmdOK, &QPushButton::clicked, this, &dlgSync::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &dlgSync::cmdCancel_Click);
    a11y::orderTabs(*this);
}

void dlgSync::showWith(const QString &folder, const QString &command)
{
    txtFolder->setText(folder);
    txtCommand->setText(command);
    windows::showModal(*this);
    txtFolder->setFocus();
}

void dlgSync::cmdBrowse_Click()
{
    const QString chosen = m_prompter.askFileName(Prompter::FileUse::Folder,
                                                  QStringLiteral("同期フォルダを選ぶ"),
                                                  txtFolder->text().trimmed(), QString());
    if (!chosen.isEmpty())
        txtFolder->setText(QDir::toNativeSeparators(chosen));
}

void dlgSync::cmdOK_Click()
{
    const QString folder = txtFolder->text().trimmed();
    const QString command = txtCommand->text().trimmed();
    if (!folder.isEmpty()) {
        const QString path = m_folderPath(folder);
        if (!QDir::isAbsolutePath(path)) {
            m_prompter.inform(QStringLiteral("同期フォルダは絶対パス（/ か ~/ で始まるもの）で指定してください。"));
            return;
        }
        if (!QFileInfo(path).isDir()) {
            if (!m_prompter.askYesNo(QStringLiteral("フォルダ %1 はありません。作りますか？").arg(path)))
                return;
            if (!QDir().mkpath(path)) {
                m_prompter.inform(QStringLiteral("フォルダ %1 を作れませんでした。").arg(path));
                return;
            }
        }
    }
    if (!command.isEmpty()) {
        const QStringList words = QProcess::splitCommand(command);
        const QString program = words.value(0);
        const bool found = !program.isEmpty()
                           && (program.contains(u'/') ? QFileInfo(program).isExecutable()
                                                      : !QStandardPaths::findExecutable(program).isEmpty());
        if (!found) {
            m_prompter.inform(QStringLiteral("コマンド「%1」が見つかりません。\n"
                                             "vdirsyncer は Debian の vdirsyncer パッケージにあります。")
                                  .arg(program));
            return;
        }
    }
    hide();
    emit chosen(folder, command);
}

void dlgSync::cmdCancel_Click()
{
    hide();
}

void dlgSync::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        return cmdCancel_Click();
    QWidget::keyPressEvent(event);
}
