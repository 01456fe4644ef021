// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmtypeedit.h"

#include "phonestep.h"
#include "ui/historyactions.h"

#include "dlgtypeedit.h"
#include "ui/access.h"
#include "ui/listview.h"
#include "ui/prompter.h"
#include "ui/twips.h"
#include "ui/windows.h"

#include <QListView>
#include <QPushButton>
#include <QUndoStack>

namespace {

QPushButton *addButton(QWidget *parent, const char *name, const QString &caption, int top)
{
    return windows::button(parent, name, caption, twipsRect(2940, top, 1095, 375));
}

} // namespace

frmTypeEdit::frmTypeEdit(PhoneTypes &types, Prompter &prompter)
    : m_types(types), m_prompter(prompter)
{
    setObjectName(QStringLiteral("frmTypeEdit"));
    setWindowTitle(QStringLiteral("電話帳の種類の編集"));
    windows::fixSize(*this, twips(4155), twips(3255));
    createControls();
}

void frmTypeEdit::createControls()
{
    lstType = listview::createList(this, "lstType", twipsRect(120, 120, 2655, 3015), &m_draft);
    lstType->setAccessibleName(QStringLiteral("種類"));
    cmdNew = addButton(this, "cmdNew", QStringLiteral("新規"), 120);
    cmdTrash = addButton(this, "cmdTrash", QStringLiteral("削除"), 600);
    cmdUp = addButton(this, "cmdUp", QStringLiteral("上へ"), 1200);
    cmdDown = addButton(this, "cmdDown", QStringLiteral("下へ"), 1680);
    cmdClose = addButton(this, "cmdClose", QStringLiteral("OK"), 2760);
    connect(cmdNew, &QPushButton::clicked, this, &frmTypeEdit::cmdNew_Click);
    connect(cmdTrash, &QPushButton::clicked, this, &frmTypeEdit::cmdTrash_Click);
    connect(cmdUp, &QPushButton::clicked, this, &frmTypeEdit::cmdUp_Click);
    connect(cmdDown, &QPushButton::clicked, this, &frmTypeEdit::cmdDown_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmTypeEdit::cmdClose_Click);
    connect(lstType, &QListView::doubleClicked, this, &frmTypeEdit::lstType_DblClick);
    a11y::orderTabs(*this);
}

void frmTypeEdit::open()
{
    windows::showModeless(*this);
    m_draft.setStringList(m_types.stringList());
}

int frmTypeEdit::selectedIndex() const
{
    return listview::selectedRow(lstType);
}

void frmTypeEdit::select(int row)
{
    lstType->setCurrentIndex(m_draft.index(row));
}

dlgTypeEdit &frmTypeEdit::typeDialog()
{
    if (!m_dialog)
        m_dialog = new dlgTypeEdit(
            [this](qint16 mode, const QString &type) { store(mode, type); }, this);
    return *m_dialog;
}

void frmTypeEdit::store(qint16 mode, const QString &type)
{
    const int row = selectedIndex();
    if (mode == dlgTypeEdit::NewType) {
        m_draft.insertBefore(row, type);
    } else if (mode == dlgTypeEdit::ChangeType) {
        m_draft.replace(row, type);
        listview::clearSelection(lstType);
    }
}

void frmTypeEdit::cmdNew_Click()
{
    dlgTypeEdit &dialog = typeDialog();
    dialog.mode = dlgTypeEdit::NewType;
    windows::showModal(dialog);
}

void frmTypeEdit::lstType_DblClick()
{
    const int row = selectedIndex();
    if (row < 0)
        return;
    dlgTypeEdit &dialog = typeDialog();
    dialog.setTypeText(m_draft.stringList().at(row));
    dialog.mode = dlgTypeEdit::ChangeType;
    windows::showModal(dialog);
}

void frmTypeEdit::cmdTrash_Click()
{
    const int row = selectedIndex();
    if (!m_draft.mayDelete(row))
        return;
    if (!m_prompter.askOkCancel(m_draft.stringList().at(row)
                                + QStringLiteral("を削除して良いですか？")))
        return;
    m_draft.remove(row);
    listview::clearSelection(lstType);
}

void frmTypeEdit::cmdUp_Click()
{
    if (const auto row = m_draft.moveUp(selectedIndex()))
        select(*row);
}

void frmTypeEdit::cmdDown_Click()
{
    if (const auto row = m_draft.moveDown(selectedIndex()))
        select(*row);
}

void frmTypeEdit::cmdClose_Click()
{
    const QStringList before = m_types.stringList();
    m_types.setStringList(m_draft.stringList());
    if (m_history && m_types.stringList() != before)
        m_history->push(new TypesStep(m_types, before, m_types.stringList(), m_prompter));
    hide();
}

void frmTypeEdit::setHistory(QUndoStack *history)
{
    m_history = history;
    if (history)
        (void)historyactions::make(*history, this);
}
