// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// frmTodo: the menu bar and the editor registration dialog.
#include "frmtodo.h"

#include "frmregedit.h"
#include "ui/prompter.h"

#include "ui/windows.h"

#include <QCheckBox>
#include <QMenuBar>

namespace {

QAction *entry(QMenu *menu, const char *name, const QString &caption, frmTodo *receiver,
               void (frmTodo::*slot)())
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    QObject::connect(action, &QAction::triggered, receiver, slot);
    return action;
}

// A menu is named by its caption, without the mnemonic's mark.
QMenu *named(QMenu *menu, const char *name, const QString &caption)
{
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    menu->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    return menu;
}

QMenu *submenu(QMenu *parent, const char *name, const QString &caption)
{
    return named(parent->addMenu(caption), name, caption);
}

QMenu *topMenu(QMenuBar *bar, const char *name, const QString &caption)
{
    return named(bar->addMenu(caption), name, caption);
}

} // namespace

void frmTodo::createMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("mnuBar"));
    bar->setAccessibleName(QStringLiteral("メニュー"));
    createFileMenu(bar);
    createEditMenu(bar);
    createOptionMenu(bar);
    createWindowMenu(bar);
    createHelpMenu(bar);
}

void frmTodo::createFileMenu(QMenuBar *bar)
{
    QMenu *file = topMenu(bar, "mnuFile", QStringLiteral("ﾌｧｲﾙ(&F)"));
    QMenu *edit = submenu(file, "mnuEdit", QStringLiteral("ｴﾃﾞｨﾀで編集"));
    entry(edit, "mnuEditDone", QStringLiteral("やったこと"), this, &frmTodo::mnuEditDone_Click);
    entry(edit, "mnuEditTrash", QStringLiteral("棚上げ項目"), this, &frmTodo::mnuEditTrash_Click);
    entry(edit, "mnuEditSche", QStringLiteral("予定表"), this, &frmTodo::mnuEditSche_Click);
    entry(edit, "mnuEditTel", QStringLiteral("電話帳"), this, &frmTodo::mnuEditTel_Click);
    const std::pair<const char *, const char *> exchanges[] = {
        {"mnuExportSchedule", "予定表を書き出す (iCalendar)..."},
        {"mnuImportSchedule", "予定表に読み込む (iCalendar)..."},
        {"mnuExportTel", "電話帳を書き出す (vCard)..."},
        {"mnuImportTel", "電話帳に読み込む (vCard)..."}};
    for (int i = 0; i < 4; ++i) {
        QAction *action = file->addAction(QString::fromUtf8(exchanges[i].second));
        action->setObjectName(QLatin1String(exchanges[i].first));
        connect(action, &QAction::triggered, this,
                [this, i] { emit interchangeRequested(Interchange(i)); });
    }
    for (const bool pdf : {false, true}) {
        QAction *action = file->addAction(pdf ? QStringLiteral("PDFに書き出す(&D)...")
                                              : QStringLiteral("印刷(&P)..."));
        action->setObjectName(pdf ? QStringLiteral("mnuPdf") : QStringLiteral("mnuPrint"));
        connect(action, &QAction::triggered, this, [this, pdf] { emit printRequested(pdf); });
    }
    entry(file, "mnuTypeEdit", QStringLiteral("電話種類編集"), this, &frmTodo::mnuTypeEdit_Click);
    entry(file, "mnuBackupFolder", QStringLiteral("バックアップのフォルダを開く"), this,
          &frmTodo::backupFolderRequested);
    entry(file, "mnuJustQuit", QStringLiteral("保存しないで終了"), this, &frmTodo::mnuJustQuit_Click);
    entry(file, "mnuQuit", QStringLiteral("保存して終了(&Q)"), this, &frmTodo::mnuQuit_Click);
}

// The name mnuEdit is the editor submenu's of ﾌｧｲﾙ.
void frmTodo::createEditMenu(QMenuBar *bar)
{
    QMenu *edit = topMenu(bar, "mnuEditMenu", QStringLiteral("編集(&E)"));
    entry(edit, "mnuFind", QStringLiteral("検索(&F)..."), this, &frmTodo::mnuFind_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
}

void frmTodo::mnuFind_Click()
{
    if (m_board.inputStatus() == -1)
        emit searchRequested();
}

void frmTodo::showSlot(int slot)
{
    windows::showModeless(*this);
    chkTodo.at(slot)->setFocus(Qt::OtherFocusReason);
}

void frmTodo::createOptionMenu(QMenuBar *bar)
{
    QMenu *option = topMenu(bar, "mnuOption", QStringLiteral("ｵﾌﾟｼｮﾝ(&O)"));
    mnuStartup = entry(option, "mnuStartup", QStringLiteral("ｽﾀｰﾄ画面のｽｷｯﾌﾟ"), this,
                       &frmTodo::mnuStartup_Click);
    mnuStartup->setCheckable(true);
    QMenu *mode = submenu(option, "mnuMode", QStringLiteral("ﾓｰﾄﾞ選択(&M)"));
    mnuInsert = entry(mode, "mnuInsert", QStringLiteral("挿入ﾓｰﾄﾞ"), this, &frmTodo::mnuInsert_click);
    mnuOverwrite = entry(mode, "mnuOverwrite", QStringLiteral("上書きﾓｰﾄﾞ"), this,
                         &frmTodo::mnuOVERWRITE_click);
    for (QAction *check : {mnuInsert, mnuOverwrite})
        check->setCheckable(true);
    mnuInsert->setChecked(true);
    mnuRegEdit = entry(option, "mnuRegEdit", QStringLiteral("ｴﾃﾞｨﾀ登録"), this,
                       &frmTodo::mnuRegEdit_Click);
    mnuRegEdit->setEnabled(false); // the editor comes from pim.ini only
    mnuNotify = entry(option, "mnuNotify", QStringLiteral("予定の通知(&N)"), this,
                      &frmTodo::mnuNotify_Click);
    mnuNotify->setCheckable(true);
    entry(option, "mnuNotifyBefore", QStringLiteral("通知を何分前にするか(&B)..."), this,
          &frmTodo::mnuNotifyBefore_Click);
    entry(option, "mnuSync", QStringLiteral("同期の設定..."), this, &frmTodo::mnuSync_Click);
    mnuNaturalDates = entry(option, "mnuNaturalDates", QStringLiteral("日付の言葉を読む(&J)"), this,
                            &frmTodo::mnuNaturalDates_Click);
    mnuNaturalDates->setCheckable(true);
    createDesktopItems(option);
}

void frmTodo::createWindowMenu(QMenuBar *bar)
{
    QMenu *window = topMenu(bar, "mnuWindow", QStringLiteral("ｳｨﾝﾄﾞｳ(&W)"));
    entry(window, "mnuTelWindow", QStringLiteral("電話帳"), this, &frmTodo::cmdTel_Click);
    entry(window, "mnuScheWindow", QStringLiteral("予定表"), this, &frmTodo::cmdSchedule_Click);
    entry(window, "mnuDoneWindow", QStringLiteral("やったこと"), this, &frmTodo::cmdDone_Click);
    entry(window, "mnuClosetWindow", QStringLiteral("棚上げ"), this, &frmTodo::cmdTrash_Click);
}

void frmTodo::createHelpMenu(QMenuBar *bar)
{
    QMenu *help = topMenu(bar, "mnuHelp", QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    entry(help, "mnuTodoHelp", QStringLiteral("Kibanuﾍﾙﾌﾟ"), this, &frmTodo::mnuTodoHelp_Click);
    entry(help, "mnuAbout", QStringLiteral("Kibanuについて"), this, &frmTodo::mnuAbout_Click);
}

void frmTodo::editFile(DataFile file)
{
    // The run is saved and the program ends before the editor runs, so a quit can never
    // overwrite the editor's work.
    if (m_prompter.askOkCancel(
            QStringLiteral("todoは一旦終了します。編集終了後に再起動して下さい。")))
        emit editFileRequested(file);
}

void frmTodo::mnuTypeEdit_Click()
{
    emit typeEditRequested();
}

void frmTodo::mnuJustQuit_Click()
{
    if (m_prompter.askOkCancel(QStringLiteral("Todoを保存せずに終了して良いですか？")))
        emit quitWithoutSavingRequested();
}

void frmTodo::mnuQuit_Click()
{
    cmdClose_Click();
}

void frmTodo::showOptions()
{
    mnuStartup->setChecked(m_options.skipStartup);
    mnuInsert->setChecked(m_options.editMode == EditMode::Insert);
    mnuOverwrite->setChecked(m_options.editMode == EditMode::Overwrite);
    mnuNotify->setChecked(m_options.notify);
    mnuNaturalDates->setChecked(m_options.naturalDates);
    showDesktopOptions();
}

void frmTodo::mnuStartup_Click()
{
    // The option decides, not the tick: a check item has already ticked itself when the
    // user chose it.
    m_options.skipStartup = !m_options.skipStartup;
    showOptions();
}

void frmTodo::mnuInsert_click()
{
    m_options.editMode = EditMode::Insert;
    showOptions();
}

void frmTodo::mnuOVERWRITE_click()
{
    m_options.editMode = EditMode::Overwrite;
    showOptions();
}

void frmTodo::mnuRegEdit_Click()
{
    if (!m_regEdit)
        m_regEdit = new frmRegEdit(this);
    m_regEdit->show();
}

void frmTodo::mnuTodoHelp_Click()
{
    cmdHelp_Click();
}

void frmTodo::mnuAbout_Click()
{
    emit aboutRequested();
}

void frmTodo::mnuNotify_Click()
{
    m_options.notify = !m_options.notify;
    showOptions();
    emit remindersChanged();
}

void frmTodo::mnuNaturalDates_Click()
{
    m_options.naturalDates = !m_options.naturalDates;
    showOptions();
    emit naturalDatesChanged(m_options.naturalDates);
}

void frmTodo::mnuSync_Click()
{
    emit syncSettingsRequested();
}

void frmTodo::mnuNotifyBefore_Click()
{
    const std::optional<int> minutes = m_prompter.askNumber(
        QStringLiteral("予定の何分前に通知しますか？（0～1440 分）"), m_options.notifyBefore, 0, 1440);
    if (!minutes || *minutes == m_options.notifyBefore)
        return;
    m_options.notifyBefore = *minutes;
    emit remindersChanged();
}
