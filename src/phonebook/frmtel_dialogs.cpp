// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// frmTel: its dialogs, opened with what they show and stored from what they hand back.
#include "frmtel.h"

#include "phonestep.h"

#include "frmaddphone.h"
#include "frmindexchange.h"
#include "frmphonechange.h"
#include "ui/windows.h"

#include <QTableWidget>
#include <QUndoStack>

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
    const auto before = entryOf(pair.index);
    const Refusal refused = m_book.addPair(pair, m_fromTodo ? Mode::FromTodo : Mode::NewEntry);
    if (refused == Refusal::None || refused == Refusal::BookFull)
        txtTel_Change(); // the search box selects afresh
    if (refused != Refusal::None)
        return refused;
    const auto after = entryOf(pair.index);
    if (!m_fromTodo) {
        record(QStringLiteral("電話帳への追加"), before, after);
        return refused;
    }
    // The entry and the to-do's slot, undone as one.
    auto *group = m_history ? new StepGroup(QStringLiteral("電話帳への移動"), m_prompter) : nullptr;
    if (group)
        new PhoneStep(QStringLiteral("電話帳への追加"), m_book, before, after, m_prompter, group);
    m_filing = group;
    emit todoFiled(m_fromTodo->slot, m_fromTodo->text);
    m_filing = nullptr;
    if (group)
        m_history->push(group);
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
    const phoneentry before = m_book.at(pos);
    const int moved = m_book.changethis(pos, typed);
    record(QStringLiteral("index の変更"), before, m_book.at(moved));
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
    if (const int pos = selectedIndex(); pos >= 0) {
        const phoneentry before = m_book.at(pos);
        m_pairShown = m_book.setPair(pos, pair, type, number).value_or(pair);
        record(QStringLiteral("電話番号の変更"), before, m_book.at(pos));
    }
}

void frmTel::removePair(int pair)
{
    if (const int pos = selectedIndex(); pos >= 0) {
        const phoneentry before = m_book.at(pos);
        m_book.deletePair(pos, pair);
        record(QStringLiteral("電話番号の削除"), before, m_book.at(pos));
    }
}
