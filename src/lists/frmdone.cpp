// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmdone.h"

#include "donelist.h"
#include "ui/access.h"
#include "ui/keys.h"
#include "ui/listview.h"
#include "ui/prompter.h"
#include "ui/twips.h"
#include "ui/windows.h"

#include <QCloseEvent>

#include <cstdlib>
#include <QLabel>
#include <QTableView>
#include <QPushButton>

frmDone::frmDone(DoneList &lines, QString donePath, Prompter &prompter)
    : m_lines(lines), m_donePath(std::move(donePath)), m_prompter(prompter)
{
    // The window is built to be shown: its first load reads while the window is made.
    m_lines.readAhead(m_donePath);
    setObjectName(QStringLiteral("frmDone"));
    setWindowTitle(QStringLiteral("何をしたか"));
    windows::fixSize(*this, twips(6720), twips(4800));

    // Years of lines.
    lstDone = listview::createLongList(this, "lstDone", twipsRect(120, 120, 6480, 3855), &m_lines);
    listview::onDeleteKey(lstDone, [this] { lstDone_KeyDown(keys::Delete); });
    lstDone->setAccessibleName(QStringLiteral("やったこと"));

    listview::createFooter(this, cmdClose, lblHint);
    connect(cmdClose, &QPushButton::clicked, this, &frmDone::cmdClose_Click);
    a11y::orderTabs(*this);
}

void frmDone::Form_Load()
{
    m_loaded = true;
    const TextFileRead read = m_lines.loadDone(m_donePath);
    if (read.status == TextFileRead::Unreadable)
        m_prompter.inform(QStringLiteral("done.txt を最後まで読み込めませんでした。\n%1")
                              .arg(read.error));
}

void frmDone::Form_Paint()
{
    const int count = m_lines.rowCount();
    if (count == 0) {
        lstDone->clearSelection();
        return;
    }
    const QModelIndex last = m_lines.index(m_shownRow && *m_shownRow < count ? *m_shownRow : count - 1);
    lstDone->setCurrentIndex(last);
    lstDone->scrollTo(last);
}

void frmDone::lstDone_KeyDown(int keyCode)
{
    const int row = listview::selectedRow(lstDone);
    if (keyCode != keys::Delete || row < 0)
        return;
    if (m_prompter.askOkCancel(m_lines.at(row) + QStringLiteral("を削除します")))
        m_lines.removeAt(row);
}

void frmDone::cmdClose_Click()
{
    m_shownRow.reset();
    hide();
}

std::optional<int> frmDone::rowOf(const QString &line, int near)
{
    if (!m_loaded)
        Form_Load(); // the lines as the window will show them
    std::optional<int> best;
    for (int row = 0; row < m_lines.rowCount(); ++row)
        if (m_lines.at(row) == line && (!best || std::abs(row - near) < std::abs(*best - near)))
            best = row;
    return best;
}

void frmDone::showRow(int row)
{
    m_shownRow = row;
    Form_Paint();
}

bool frmDone::event(QEvent *event)
{
    if (event->type() == QEvent::Show && !m_loaded)
        Form_Load();
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
        Form_Paint();
    return handled;
}

void frmDone::closeEvent(QCloseEvent *event)
{
    // The close box only hides: the list keeps this run's removals.
    m_shownRow.reset();
    event->accept();
}
