// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// frmTel: its dialogs, opened with what they show and stored from what they hand back.
#include "frmtel.h"

#include "frmaddphone.h"
#include "frmindexchange.h"
#include "frmphonechange.h"
#include "ui/windows.h"

#include <QTableWidget>

frmADDphone &frmTel::addDialog()
{
    if (!m_addDialog) {
        m_addDialog = new frmADDphone(
            m_types, m_prompter, [this](const NewPair &pair) { return storeNewPair(pair); },
            this);
        connect(m_addDialog, &QDialog::finished, this, &frmTel::enablechange);
    }
    return *m_addDialog;
}

frmPhoneChange &frmTel::phoneChangeDialog()
{
    if (!m_phoneChangeDialog) {
        m_phoneChangeDialog = new frmPhoneChange(
            m_types, m_prompter,
            [this](int pair, const QString &type, const QString &number) {
                storePair(pair, type, number);
            },
            [this](int pair) { removePair(pair); }, this);
        connect(m_phoneChangeDialog, &QDialog::finished, this, [this] {
            enablechange();
            showSelected(m_pairShown);
        });
    }
    return *m_phoneChangeDialog;
}

frmIndexChange &frmTel::indexChangeDialog()
{
    if (!m_indexChangeDialog) {
        m_indexChangeDialog = new frmIndexChange(
            m_prompter, [this](const QString &typed) { return storeIndex(typed); }, this);
        connect(m_indexChangeDialog, &QDialog::finished, this, &frmTel::enablechange);
    }
    return *m_indexChangeDialog;
}

void frmTel::addFromTodo(int slot, const QString &todoText, const QString &index,
                         const QString &name, const QStringList &numbers, const QString &keys)
{
    m_fromTodo = TodoOrigin{slot, todoText};
    windows::showModeless(*this);
    const bool exists = m_book.find(index).has_value();
    addDialog().add2phonebook(index, name, numbers.value(0), keys, exists);
    if (exists)
        setSearchText(index); // shows the entry the pair joins
}

void frmTel::cmdAdd_Click()
{
    m_fromTodo.reset();
    disablechange();
    addDialog().newadd2phonebook();
}

Refusal frmTel::storeNewPair(const NewPair &pair)
{
    using Mode = PhoneBook::AddMode;
    const Refusal refused = m_book.addPair(pair, m_fromTodo ? Mode::FromTodo : Mode::NewEntry);
    if (refused == Refusal::None || refused == Refusal::BookFull)
        txtTel_Change(); // the search box selects afresh
    if (refused == Refusal::None && m_fromTodo)
        emit todoFiled(m_fromTodo->slot, m_fromTodo->text);
    return refused;
}

// Without a selected entry there is nothing to change: the dialogs stay closed.
void frmTel::lstIndex_DblClick()
{
    const int pos = selectedIndex();
    if (pos < 0)
        return;
    disablechange();
    indexChangeDialog().changeIndex(m_book.at(pos).index);
}

Refusal frmTel::storeIndex(const QString &typed)
{
    const int pos = selectedIndex();
    if (const Refusal refused = m_book.renameProblem(pos, typed); refused != Refusal::None)
        return refused;
    if (pos < 0)
        return Refusal::None;
    // The renamed entry stays the one shown, at its new place; the index as typed, the
    // loader narrows it next time.
    const int moved = m_book.changethis(pos, typed);
    select(moved);
    m_keptSelection = moved;
    return Refusal::None;
}

void frmTel::gridTel_DblClick()
{
    const int pos = selectedIndex();
    const int pair = gridTel->currentRow();
    if (pos < 0 || pair < 0)
        return;
    const auto cell = [this, pair](int column) {
        const QTableWidgetItem *item = gridTel->item(pair, column);
        return item ? item->text() : QString();
    };
    const QString type = cell(0);
    const QString number = cell(1);
    // The same entry is selected again by the search box after the change.
    setSearchText(m_book.at(pos).index);
    disablechange();
    m_pairShown = pair;
    phoneChangeDialog().changePair(pair, type, number);
}

void frmTel::storePair(int pair, const QString &type, const QString &number)
{
    if (const int pos = selectedIndex(); pos >= 0)
        m_pairShown = m_book.setPair(pos, pair, type, number).value_or(pair);
}

void frmTel::removePair(int pair)
{
    if (const int pos = selectedIndex(); pos >= 0)
        m_book.deletePair(pos, pair);
}
