// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmtel.h"

#include "ui/access.h"
#include "ui/keys.h"
#include "ui/listview.h"
#include "ui/prompter.h"
#include "ui/textdelegate.h"
#include "ui/twips.h"
#include "ui/typedtextvalidator.h"
#include "ui/windows.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

namespace {

constexpr int PairRows = 9;

QLabel *caption(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    return label;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text, int left)
{
    return windows::button(parent, name, text, twipsRect(left, 4800, 1095, 405));
}

// Whether the grid shows just the pairs of that entry (none without one), unscrolled and
// with nothing current or selected, as refilling it would leave it. Typing on in the
// search box mostly keeps the same entry, and a grid left alone is not repainted.
bool showsPairs(const QTableWidget *grid, const phoneentry *e, const QBrush &typeBackground)
{
    const int pairs = e ? e->numphone : 0;
    if (grid->rowCount() != std::max(PairRows, pairs) || grid->currentIndex().isValid()
        || grid->selectionModel()->hasSelection() || grid->verticalScrollBar()->value() != 0
        || grid->horizontalScrollBar()->value() != 0)
        return false;
    for (int row = 0; row < grid->rowCount(); ++row) {
        const QTableWidgetItem *type = grid->item(row, 0);
        const QTableWidgetItem *number = grid->item(row, 1);
        if (row >= pairs) {
            if (type || number)
                return false;
        } else if (!type || !number || type->text() != e->phonetype[row]
                   || number->text() != e->phonenumber[row] || type->background() != typeBackground) {
            return false;
        }
    }
    return true;
}

} // namespace

frmTel::frmTel(PhoneBook &book, PhoneTypes &types, Prompter &prompter)
    : m_book(book), m_types(types), m_prompter(prompter)
{
    setObjectName(QStringLiteral("frmTel"));
    setWindowTitle(QStringLiteral("電話帳"));
    windows::fixSize(*this, twips(7815), twips(5385));
    createControls();
    createEditors();
    connectControls();
}

void frmTel::createControls()
{
    QLabel *indexCaption =
        caption(this, "Label1", QStringLiteral("index"), twipsRect(120, 120, 1935, 255));
    lstIndex = listview::createList(this, "lstIndex", twipsRect(120, 360, 1935, 4335),
                                    &m_book.list());
    a11y::label(indexCaption, lstIndex);

    QLabel *searchCaption = caption(this, "Label2", QStringLiteral("検索ボックス"),
                                    twipsRect(2280, 120, 2415, 255));
    txtTel = new QLineEdit(this);
    txtTel->setObjectName(QStringLiteral("txtTel"));
    txtTel->setGeometry(twipsRect(2280, 360, 2415, 315));
    a11y::label(searchCaption, txtTel);

    gridTel = new QTableWidget(PairRows, 2, this);
    gridTel->setObjectName(QStringLiteral("gridTel"));
    gridTel->setAccessibleName(QStringLiteral("種類と番号"));
    gridTel->setGeometry(twipsRect(2280, 2160, 5415, 2535));
    gridTel->setHorizontalHeaderLabels({QStringLiteral("種類"), QStringLiteral("番号")});
    gridTel->verticalHeader()->hide();
    gridTel->verticalHeader()->setDefaultSectionSize(twips(225));
    gridTel->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridTel->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridTel->setSelectionMode(QAbstractItemView::SingleSelection);
    gridTel->setColumnWidth(0, twips(1000));
    textdelegate::install(gridTel);
    gridTel->horizontalHeader()->setStretchLastSection(true);

    cmdFind = button(this, "cmdFind", QStringLiteral("検索"), 2280);
    cmdDelete = button(this, "cmdDelete", QStringLiteral("削除"), 3480);
    cmdAdd = button(this, "cmdAdd", QStringLiteral("新規"), 4680);
    cmdClose = button(this, "cmdClose", QStringLiteral("閉じる"), 6600);
}

void frmTel::createEditors()
{
    // The label and its box take the frame's title as their name.
    const auto frame = [this](const QString &title, int top, const char *frameName,
                              const char *labelName, const char *boxName, QLabel *&label,
                              QLineEdit *&box) {
        auto *group = new QGroupBox(title, this);
        group->setObjectName(QLatin1String(frameName));
        group->setGeometry(twipsRect(2280, top, 5415, 615));
        label = new QLabel(group);
        label->setObjectName(QLatin1String(labelName));
        label->setGeometry(twipsRect(120, 255, 5175, 285));
        label->setTextFormat(Qt::PlainText);
        label->installEventFilter(this);
        box = new QLineEdit(group);
        box->setObjectName(QLatin1String(boxName));
        box->setGeometry(twipsRect(120, 240, 5175, 315));
        box->hide();
        box->installEventFilter(this);
        TypedTextValidator::install(box, TypedTextValidator::Field);
    };
    frame(QStringLiteral("名前"), 795, "fraName", "lblName", "txtName", lblName, txtName);
    frame(QStringLiteral("キーワード"), 1455, "fraKeyword", "lblKeyword", "txtKeyword", lblKeyword,
          txtKeyword);
    a11y::orderTabs(*this);
}

void frmTel::connectControls()
{
    connect(txtTel, &QLineEdit::textChanged, this, &frmTel::txtTel_Change);
    connect(lstIndex->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frmTel::lstIndex_Click);
    connect(lstIndex, &QListView::doubleClicked, this, &frmTel::lstIndex_DblClick);
    connect(gridTel, &QTableWidget::cellDoubleClicked, this, &frmTel::gridTel_DblClick);
    connect(cmdFind, &QPushButton::clicked, this, &frmTel::cmdFind_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmTel::cmdDelete_Click);
    connect(cmdAdd, &QPushButton::clicked, this, &frmTel::cmdAdd_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmTel::cmdClose_Click);
    txtTel->installEventFilter(this);
    connect(&m_book.list(), &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        const int pos = selectedIndex();
        m_shownBeforeReload = pos < 0 ? QString() : m_book.at(pos).index;
    });
    connect(&m_book.list(), &QAbstractItemModel::modelReset, this, &frmTel::showAfterReload);
    listview::onDeleteKey(lstIndex, [this] { lstIndex_KeyDown(keys::Delete); });
}

void frmTel::disablechange()
{
    for (QWidget *w : std::initializer_list<QWidget *>{txtTel, lstIndex, cmdAdd, cmdFind, cmdDelete, gridTel})
        w->setEnabled(false);
}

void frmTel::enablechange()
{
    for (QWidget *w : std::initializer_list<QWidget *>{txtTel, lstIndex, cmdAdd, cmdFind, cmdDelete, gridTel})
        w->setEnabled(true);
}

bool frmTel::isBusy() const
{
    return !lstIndex->isEnabled();
}

void frmTel::showAfterReload()
{
    const std::optional<int> pos =
        m_shownBeforeReload.isEmpty() ? std::nullopt : m_book.find(m_shownBeforeReload);
    if (pos) {
        select(*pos);
        lstIndex_Click();
        return;
    }
    lblName->clear();
    lblKeyword->clear();
    gridTel->clearContents();
}

int frmTel::selectedIndex() const
{
    return listview::selectedRow(lstIndex);
}

void frmTel::select(int pos)
{
    lstIndex->setCurrentIndex(m_book.list().index(pos));
}

void frmTel::lstIndex_Click()
{
    const int pos = selectedIndex();
    const phoneentry *e = pos < 0 ? nullptr : &m_book.at(pos);
    if (!showsPairs(gridTel, e, palette().button())) {
        gridTel->clearContents();
        gridTel->setRowCount(PairRows);
        if (e)
            showPairs(*e);
    }
    if (!e)
        return;
    lblName->setText(e->name);
    lblKeyword->setText(e->keys);
}

void frmTel::showSelected(int pair)
{
    lstIndex_Click();
    gridTel->setCurrentCell(pair, gridTel->currentColumn() < 0 ? 0 : gridTel->currentColumn());
}

void frmTel::showPairs(const phoneentry &e)
{
    // Entries of ten or eleven pairs get rows of their own beyond the usual nine.
    gridTel->setRowCount(std::max<int>(PairRows, e.numphone));
    for (int i = 0; i < e.numphone; ++i) {
        auto *type = new QTableWidgetItem(e.phonetype[i]);
        type->setBackground(palette().button());
        gridTel->setItem(i, 0, type);
        gridTel->setItem(i, 1, new QTableWidgetItem(e.phonenumber[i]));
    }
}

void frmTel::askDelete()
{
    const int pos = selectedIndex();
    if (m_prompter.askOkCancel(m_book.at(pos).index + QStringLiteral(" を削除します")))
        deleteIndex();
}

void frmTel::cmdDelete_Click()
{
    if (selectedIndex() < 0) {
        m_prompter.inform(QStringLiteral("項目を削除するには、まずindexを選択して下さい"));
        return;
    }
    askDelete();
}

void frmTel::lstIndex_KeyDown(int keyCode)
{
    if (keyCode == keys::Delete && selectedIndex() >= 0)
        askDelete();
}

void frmTel::deleteIndex()
{
    const int pos = selectedIndex();
    const auto before = pos >= 0 ? std::optional<phoneentry>(m_book.at(pos)) : std::nullopt;
    m_book.deleteIndex(pos);
    if (before)
        record(QStringLiteral("電話帳の項目の削除"), before, std::nullopt);
    listview::clearSelection(lstIndex);
    Form_Paint();
}

void frmTel::Form_Paint()
{
    if (m_keptSelection && *m_keptSelection == selectedIndex())
        lstIndex_Click();
    else
        txtTel_Change();
}

void frmTel::cmdClose_Click()
{
    hide();
}
