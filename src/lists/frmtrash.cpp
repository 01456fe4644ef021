// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmtrash.h"

#include "shelflist.h"
#include "store/datafolder.h"
#include "ui/access.h"
#include "ui/dragdrop.h"
#include "ui/keys.h"
#include "ui/listview.h"
#include "ui/prompter.h"
#include "ui/twips.h"
#include "ui/windows.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QToolButton>

frmTrash::frmTrash(ShelfList &shelf, DataFolder &files, Prompter &prompter)
    : m_shelf(shelf), m_files(files), m_prompter(prompter)
{
    setObjectName(QStringLiteral("frmTrash"));
    setWindowTitle(QStringLiteral("棚上げされていること"));
    windows::fixSize(*this, twips(6720), twips(4800));
    createControls();
}

void frmTrash::createControls()
{
    lstTrash = listview::createList(this, "lstTrash", twipsRect(120, 120, 5535, 3855),
                                    &m_shelf);
    listview::onDeleteKey(lstTrash, [this] { lstTrash_KeyDown(keys::Delete); });
    lstTrash->setAccessibleName(QStringLiteral("棚上げ"));
    // The selected item travels with the drag: a slot that takes it brings it back.
    dragdrop::installSource(lstTrash->viewport(),
                            [this] { return dragdrop::Payload{dragdrop::TrashBox, selectedIndex()}; });
    new dragdrop::Target(
        lstTrash->viewport(), {dragdrop::TodoLabel},
        [this](const dragdrop::Payload &p) { lstTrash_DragEnter(p.tag); },
        [this] { clearHint(); },
        [this](const dragdrop::Payload &p) { lstTrash_DragDrop(p.tag, p.index); });

    cmdTrashBox = listview::createTrashBox(
        this, {dragdrop::TrashBox, dragdrop::TodoLabel},
        [this](const dragdrop::Payload &p) { cmdTrashBox_DragEnter(p.tag); },
        [this] { clearHint(); },
        [this](const dragdrop::Payload &p) { cmdTrashBox_DragDrop(p.tag, p.index); });

    listview::createFooter(this, cmdClose, lblHint);
    connect(cmdClose, &QPushButton::clicked, this, &frmTrash::cmdClose_Click);
    a11y::orderTabs(*this);
}

int frmTrash::selectedIndex() const
{
    return listview::selectedRow(lstTrash);
}

void frmTrash::showRow(int row)
{
    const QModelIndex index = m_shelf.index(row);
    lstTrash->setCurrentIndex(index);
    lstTrash->scrollTo(index);
}

void frmTrash::Form_Load()
{
    // The file was read whole at start and written by the close box since: a failure now
    // is no reason to stop saving the shelf, which stays as it was.
    const TextFileRead read = m_shelf.reloadCloset(m_files.path(DataFile::Closet));
    if (read.status == TextFileRead::Ok) {
        m_files.noteRead(DataFile::Closet, read); // what later saves compare with
        return;
    }
    const QString why = read.status == TextFileRead::Missing
                            ? QStringLiteral("ファイルがありません。")
                            : read.error;
    m_prompter.inform(QStringLiteral("%1 を読み込み直せませんでした。\n%2\n\n"
                                     "棚上げの項目は読み込む前のまま残し、終了時に保存します。")
                          .arg(dataFileName(DataFile::Closet), why));
}

void frmTrash::cmdClose_Click()
{
    hide();
}

void frmTrash::removeItem(int row)
{
    const auto remove = [this, row] { m_shelf.removeAt(row); };
    if (m_record)
        m_record(QStringLiteral("たな上げ項目の削除"), remove);
    else
        remove();
    listview::clearSelection(lstTrash);
}

void frmTrash::lstTrash_KeyDown(int keyCode)
{
    const int row = selectedIndex();
    if (keyCode != keys::Delete || row < 0)
        return;
    const QString item = m_shelf.at(row);
    if (m_prompter.askOkCancel(item + QStringLiteral("を削除します。よろしいですか？")))
        removeItem(row);
}

void frmTrash::lstTrash_DragEnter(const QString &tag)
{
    if (tag == dragdrop::TodoLabel)
        lblHint->setText(QStringLiteral("用件を棚上げします"));
}

void frmTrash::lstTrash_DragDrop(const QString &tag, int slot)
{
    if (tag == dragdrop::TodoLabel)
        emit shelveTodoRequested(slot);
    clearHint();
}

void frmTrash::cmdTrashBox_DragEnter(const QString &tag)
{
    if (tag == dragdrop::TrashBox || tag == dragdrop::TodoLabel)
        lblHint->setText(QStringLiteral("用件を捨てます"));
}

void frmTrash::cmdTrashBox_DragDrop(const QString &tag, int slot)
{
    if (tag == dragdrop::TrashBox) {
        const int row = selectedIndex();
        if (row >= 0)
            removeItem(row);
        else
            m_prompter.inform(
                QStringLiteral("用件を削除するには、まず左ボタンで削除用件を選択して下さい"));
    } else if (tag == dragdrop::TodoLabel) {
        emit discardTodoRequested(slot);
    }
    clearHint();
}

void frmTrash::clearHint()
{
    lblHint->clear();
}

void frmTrash::showEvent(QShowEvent *event)
{
    if (m_reloadOnShow) {
        Form_Load();
        m_reloadOnShow = false;
    }
    QWidget::showEvent(event);
}

void frmTrash::closeEvent(QCloseEvent *event)
{
    // The close box unloads the window: closet.txt is written and read again next time.
    m_reloadOnShow = windows::saveFromWindow(m_files, DataFile::Closet, m_prompter,
                                             [this] { return m_shelf.stringList(); });
    event->accept();
}
