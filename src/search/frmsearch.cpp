// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmsearch.h"

#include "ui/access.h"
#include "ui/twips.h"
#include "ui/windows.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>

#include <algorithm>

frmSearch::frmSearch(SearchModel &model, bool readingsOn) : m_model(model), m_readingsOn(readingsOn)
{
    setObjectName(QStringLiteral("frmSearch"));
    setWindowTitle(QStringLiteral("検索"));
    windows::fixSize(*this, twips(7200), twips(5280));

    auto *findLabel = new QLabel(QStringLiteral("探す言葉"), this);
    findLabel->setGeometry(twipsRect(120, 165, 1080, 255));
    txtFind = new QLineEdit(this);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    txtFind->setGeometry(twipsRect(1200, 120, 5880, 345));
    a11y::label(findLabel, txtFind);

    auto *foundLabel = new QLabel(QStringLiteral("見つかったもの"), this);
    foundLabel->setObjectName(QStringLiteral("lblFound"));
    foundLabel->setGeometry(twipsRect(120, 600, 3000, 255));
    lstFound = new QTreeView(this);
    lstFound->setObjectName(QStringLiteral("lstFound"));
    lstFound->setAccessibleName(QStringLiteral("見つかったもの"));
    lstFound->setGeometry(twipsRect(120, 900, 6960, 3900));
    lstFound->setRootIsDecorated(false);
    lstFound->setUniformRowHeights(true); // thousands of done lines: rows are not measured
    lstFound->setAllColumnsShowFocus(true);
    lstFound->setModel(&m_model);
    lstFound->header()->resizeSection(SearchModel::PlaceColumn, twips(1020));
    lstFound->header()->resizeSection(SearchModel::DateColumn, twips(1260));
    foundLabel->setBuddy(lstFound);

    lblNote = new QLabel(this);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setGeometry(twipsRect(120, 4890, 6960, 255));
    a11y::nameWhenEmpty(lblNote, QStringLiteral("お知らせ"));

    connect(txtFind, &QLineEdit::textChanged, this, &frmSearch::txtFind_Change);
    connect(lstFound, &QTreeView::activated, this, [this] { openChosen(); });
    txtFind->installEventFilter(this);
    a11y::orderTabs(*this);
}

void frmSearch::setReadingsOn(bool on)
{
    m_readingsOn = on;
    if (!txtFind->text().isEmpty())
        txtFind_Change();
}

const SearchItem *frmSearch::chosen() const
{
    if (m_model.foundCount() == 0)
        return nullptr;
    const QModelIndex current = lstFound->currentIndex();
    return &m_model.foundAt(current.isValid() ? current.row() : 0);
}

void frmSearch::txtFind_Change()
{
    m_model.find(txtFind->text());
    if (m_model.foundCount() > 0)
        lstFound->setCurrentIndex(m_model.index(0, 0));
    // Said once, where it is seen while typing: the search works on without it.
    if (!m_readingsOn && lblNote->text().isEmpty())
        lblNote->setText(QStringLiteral("読みの辞書 (cmigemo-common) がないため、漢字の言葉は読みでは見つかりません。"));
}

void frmSearch::openChosen()
{
    if (const SearchItem *item = chosen())
        emit openRequested(*item);
}

int frmSearch::pageRows() const
{
    const int row = lstFound->sizeHintForRow(0);
    return row > 0 ? std::max(1, lstFound->viewport()->height() / row - 1) : 1;
}

void frmSearch::moveChoice(int step)
{
    const int rows = m_model.rowCount();
    if (rows == 0)
        return;
    const QModelIndex current = lstFound->currentIndex();
    const int row = std::clamp((current.isValid() ? current.row() : 0) + step, 0, rows - 1);
    lstFound->setCurrentIndex(m_model.index(row, 0));
    lstFound->scrollTo(m_model.index(row, 0));
}

bool frmSearch::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        emit activated();
    return QWidget::event(event);
}

void frmSearch::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

// In the box, Enter opens the chosen item and the arrow keys move through the list, so
// the word can be typed and its item opened without leaving the box.
bool frmSearch::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtFind && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            openChosen();
            return true;
        }
        const int step = key->key() == Qt::Key_Down     ? 1
                         : key->key() == Qt::Key_Up       ? -1
                         : key->key() == Qt::Key_PageDown ? pageRows()
                         : key->key() == Qt::Key_PageUp   ? -pageRows()
                                                          : 0;
        if (step != 0) {
            moveChoice(step);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
