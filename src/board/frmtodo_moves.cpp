// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// frmTodo: dragging texts between slots, to the done log and the shelf, and the analysis
// of a committed text.
#include "frmtodo.h"

#include "boardsteps.h"
#include "commitanalysis.h"
#include "lists/shelflist.h"
#include "slotwidgets.h"
#include "text/clock.h"
#include "store/datafolder.h"
#include "text/jdate.h"
#include "todoboard.h"
#include "ui/dragdrop.h"
#include "ui/prompter.h"

#include <QLabel>
#include <QUndoStack>
#include <QToolButton>

void frmTodo::connectDrops()
{
    using dragdrop::Payload;
    for (int i = 0; i < SlotCount; ++i) {
        auto *target = new dragdrop::Target(
            lblTodo[i], {dragdrop::TodoLabel, dragdrop::TrashBox},
            [this, i](const Payload &p) { lblTodo_DragOver(i, p.tag, p.index, DragEnter); },
            [this, i] { lblTodo_DragOver(i, QString(), -1, DragLeave); },
            [this, i](const Payload &p) { lblTodo_DragDrop(i, p.tag, p.index); });
        // A slot does not take its own text: the white page stays.
        target->setAcceptance(
            [i](const Payload &p) { return !(p.tag == dragdrop::TodoLabel && p.index == i); });
    }
    new dragdrop::Target(
        cmdDone, {dragdrop::TodoLabel}, [this](const Payload &p) { cmdDone_DragOver(p.tag, DragEnter); },
        [this] { cmdDone_DragOver(QString(), DragLeave); },
        [this](const Payload &p) { cmdDone_DragDrop(p.tag, p.index); });
    new dragdrop::Target(
        cmdTrash, {dragdrop::TodoLabel}, [this](const Payload &p) { cmdTrash_DragOver(p.tag, DragEnter); },
        [this] { cmdTrash_DragOver(QString(), DragLeave); },
        [this](const Payload &p) { cmdTrash_DragDrop(p.tag, p.index); });
}

void frmTodo::setHint(const QString &hint)
{
    lblHint->setText(hint);
}

bool frmTodo::startsDrag(int index, Qt::MouseButton button) const
{
    return button == Qt::RightButton && TodoBoard::isSlot(index)
           && !m_board.text(index).isEmpty() && m_board.inputStatus() == -1;
}

void frmTodo::lblTodo_MouseDown(int index, Qt::MouseButton button)
{
    // Before the drag: a drop reads it, and the drag runs until the drop.
    dragIndex = qint16(index);
    if (startsDrag(index, button))
        dragdrop::start(lblTodo[index], {dragdrop::TodoLabel, index});
}

void frmTodo::lblTodo_DragOver(int target, const QString &tag, int source, int state)
{
    if (state == DragLeave) {
        setHint(QString());
        return;
    }
    if (state != DragEnter)
        return;
    if (tag == dragdrop::TodoLabel && source != target) {
        setHint(m_options.editMode == EditMode::Insert ? QStringLiteral("順番を入れ替えます")
                                                       : QStringLiteral("場所を移動します"));
    } else if (tag == dragdrop::TrashBox) {
        setHint(QStringLiteral("項目を復活します"));
    }
}

void frmTodo::lblTodo_DragDrop(int target, const QString &tag, int source)
{
    const int s = dragIndex;
    if (tag == dragdrop::TodoLabel) {
        const bool insert = m_options.editMode == EditMode::Insert;
        record(insert ? QStringLiteral("順番の入れ替え") : QStringLiteral("場所の移動"), [&] {
            if (insert)
                m_board.moveInsert(s, target);
            else
                m_board.moveOverwrite(s, target, m_shelf);
        });
    }
    m_board.clearEditTexts();
    // The shelf window puts its selected row into the drag.
    bool restored = true;
    if (tag == dragdrop::TrashBox)
        record(QStringLiteral("たな上げからの復活"),
               [&] { restored = m_board.restore(target, m_shelf, source); });
    if (!restored)
        m_prompter.inform(
            QStringLiteral("棚上げ用件を復活するには、まず左ボタンで用件を選択して下さい"));
    setHint(QString());
}

void frmTodo::buttonDragOver(const QString &tag, int state, const QString &hint)
{
    if (state == DragLeave)
        setHint(QString());
    else if (state == DragEnter && tag == dragdrop::TodoLabel)
        setHint(hint);
}

void frmTodo::cmdDone_DragOver(const QString &tag, int state)
{
    buttonDragOver(tag, state, QStringLiteral("終わった用件をやったことに移動します"));
}

void frmTodo::cmdDone_DragDrop(const QString &tag, int source)
{
    if (tag == dragdrop::TodoLabel) {
        const BoardState before = boardState(m_board, m_shelf);
        const QString line = jdate::shortDate(m_clock.today()) + m_board.text(source);
        const WriteResult done = m_board.finish(source, jdate::shortDate(m_clock.today()),
                                                m_files.path(DataFile::Done));
        if (done.ok && m_history && TodoBoard::isSlot(source))
            m_history->push(new DoneStep(m_board, m_shelf, before, boardState(m_board, m_shelf),
                                         m_files.path(DataFile::Done), line, m_prompter));
        if (!done.ok)
            m_prompter.inform(QStringLiteral("done.txt に書き込めませんでした。\n%1\n\n"
                                             "用件はそのまま残してあります。")
                                  .arg(done.error));
    }
    setHint(QString());
}

void frmTodo::cmdTrash_DragOver(const QString &tag, int state)
{
    buttonDragOver(tag, state, QStringLiteral("用件を棚上げします"));
}

void frmTodo::cmdTrash_DragDrop(const QString &tag, int source)
{
    if (tag == dragdrop::TodoLabel)
        record(QStringLiteral("たな上げへの移動"), [&] { m_board.shelve(source, m_shelf); });
    setHint(QString());
}

void frmTodo::analyseCommit(int index)
{
    const QString text = m_board.editText(index);
    const CommitAnalysis a = ::analyseCommit(text, m_clock.today(), m_options.naturalDates);
    switch (a.kind) {
    case CommitAnalysis::ScheduleWords:
        if (m_prompter.askYesNo(dateWordsQuestion(a, m_clock.today())))
            emit scheduleEntryOffered(index, m_board.text(index), a.date, a.time, a.event);
        break;
    case CommitAnalysis::ScheduleDateTime:
    case CommitAnalysis::ScheduleDate:
        if (m_prompter.askYesNo(text + QStringLiteral("\nを予定表に移動してよいですか？")))
            emit scheduleEntryOffered(index, m_board.text(index), a.date, a.time, a.event);
        break;
    case CommitAnalysis::PhoneBook:
        emit phoneEntryOffered(index, m_board.text(index), a.index, a.name, a.numbers, a.keys);
        break;
    case CommitAnalysis::Nothing:
        break;
    }
    m_board.clearEditChanged(index);
}
