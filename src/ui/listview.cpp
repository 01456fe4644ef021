// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "listview.h"

#include "access.h"
#include "fonts.h"
#include "pictures.h"
#include "textdelegate.h"
#include "twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QHeaderView>
#include <QListView>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QToolButton>

namespace listview {
namespace {

class DeleteKeyFilter : public QObject {
public:
    DeleteKeyFilter(QObject *parent, std::function<void()> handler)
        : QObject(parent), m_handler(std::move(handler))
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress
            || static_cast<QKeyEvent *>(event)->key() != Qt::Key_Delete)
            return false;
        m_handler();
        return true;
    }

private:
    std::function<void()> m_handler;
};

class LongList : public QTableView {
public:
    using QTableView::QTableView;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override
    {
        // In a table Home and End stay in the row; in a list they go to its ends.
        if (action == MoveHome || action == MoveEnd)
            modifiers |= Qt::ControlModifier;
        return QTableView::moveCursor(action, modifiers);
    }
};

// The height a list view gives a line in the view's font.
int lineHeight(const QAbstractItemView *view)
{
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.font = view->font();
    option.fontMetrics = QFontMetrics(option.font);
    option.text = QStringLiteral("用");
    option.features = QStyleOptionViewItem::HasDisplay;
    return view->style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, {}, view).height();
}

// What every list of the program is: read-only, one line selected at a time.
void setUpList(QAbstractItemView *list, const char *name, const QRect &geometry,
               QAbstractItemModel *model)
{
    list->setObjectName(QLatin1String(name));
    list->setGeometry(geometry);
    list->setFont(pGothicFont());
    list->setModel(model);
    textdelegate::install(list);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
}

} // namespace

int selectedRow(const QAbstractItemView *view)
{
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void clearSelection(QAbstractItemView *view)
{
    view->clearSelection();
    view->setCurrentIndex(QModelIndex());
}

void onDeleteKey(QAbstractItemView *view, std::function<void()> handler)
{
    view->installEventFilter(new DeleteKeyFilter(view, std::move(handler)));
}

QListView *createList(QWidget *parent, const char *name, const QRect &geometry,
                      QAbstractItemModel *model)
{
    auto *list = new QListView(parent);
    setUpList(list, name, geometry, model);
    list->setUniformItemSizes(true);
    return list;
}

QTableView *createLongList(QWidget *parent, const char *name, const QRect &geometry,
                           QAbstractItemModel *model)
{
    auto *list = new LongList(parent);
    setUpList(list, name, geometry, model);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setShowGrid(false);
    list->setWordWrap(false);
    list->horizontalHeader()->hide();
    list->horizontalHeader()->setStretchLastSection(true);
    QHeaderView *rows = list->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(lineHeight(list));
    return list;
}

void createFooter(QWidget *parent, QPushButton *&cmdClose, QLabel *&lblHint)
{
    cmdClose = new QPushButton(QStringLiteral("閉じる"), parent);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(twipsRect(5505, 4140, 1095, 405));
    lblHint = new QLabel(parent);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->setGeometry(twipsRect(120, 4200, 5280, 255));
    a11y::nameWhenEmpty(lblHint, QStringLiteral("ヒント"));
}

QToolButton *createTrashBox(QWidget *parent, const QStringList &tags,
                            dragdrop::Target::Handler enter, std::function<void()> leave,
                            dragdrop::Target::Handler drop)
{
    auto *box = new QToolButton(parent);
    box->setObjectName(QStringLiteral("cmdTrashBox"));
    box->setGeometry(twipsRect(5835, 2880, 735, 735));
    box->setIcon(pictures::trashBox());
    box->setIconSize(QSize(32, 32));
    new dragdrop::Target(box, tags, std::move(enter), std::move(leave), std::move(drop));
    auto *label1 = new QLabel(QStringLiteral("ゴミ箱"), parent);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setGeometry(twipsRect(5835, 3660, 735, 255));
    label1->setAlignment(Qt::AlignCenter);
    a11y::label(label1, box);
    return box;
}

} // namespace listview
