// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmtel.h"

#include "frmaddphone.h"
#include "frmindexchange.h"
#include "frmphonechange.h"

#include "text/narrow.h"
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
    setFixedSize(twips(7815), twips(5385));
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
    listview::onDeleteKey(lstIndex, [this] { lstIndex_KeyDown(keys::Delete); });
}

frmADDphone &frmTel::addDialog()
{
    if (!m_addDialog)
        m_addDialog = new frmADDphone(*this, m_types, m_prompter);
    return *m_addDialog;
}

frmPhoneChange &frmTel::phoneChangeDialog()
{
    if (!m_phoneChangeDialog)
        m_phoneChangeDialog = new frmPhoneChange(*this, m_book, m_types, m_prompter);
    return *m_phoneChangeDialog;
}

frmIndexChange &frmTel::indexChangeDialog()
{
    if (!m_indexChangeDialog)
        m_indexChangeDialog = new frmIndexChange(*this, m_book, m_prompter);
    return *m_indexChangeDialog;
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

bool frmTel::douhavethisindex(const QString &newindex, QString &name, QString &keys,
                              qint16 &numphone, phoneentry::Pairs &phonetype,
                              phoneentry::Pairs &phonenumber) const
{
    const auto pos = m_book.find(newindex);
    if (m_book.ntphone() == 0)
        return false;
    // Without a match the first entry fills the outputs; callers ignore them then.
    const phoneentry &e = m_book.at(pos.value_or(0));
    name = e.name;
    keys = e.keys;
    numphone = e.numphone;
    phonetype = e.phonetype;     // all eleven slots, so that no pair is lost
    phonenumber = e.phonenumber; // when the caller writes the entry back
    return pos.has_value();
}

bool frmTel::add(const QString &newindex, const QString &name, const QString &keys,
                 qint16 numphone, const phoneentry::Pairs &phonetype,
                 const phoneentry::Pairs &phonenumber)
{
    const auto pos = m_book.add({newindex, name, keys, numphone, phonetype, phonenumber});
    if (!pos)
        m_prompter.inform(QStringLiteral("電話帳がいっぱいです（%1 件）。\n"
                                               "項目を削除してから追加して下さい。")
                                    .arg(PhoneBook::Capacity));
    txtTel_Change();
    return pos.has_value();
}

void frmTel::changethis(const QString &newindex)
{
    const int pos = selectedIndex();
    if (pos < 0)
        return;
    // The renamed entry stays the one shown, at its new place.
    const int moved = m_book.changethis(pos, newindex);
    select(moved);
    m_keptSelection = moved;
}

int frmTel::selectedIndex() const
{
    return listview::selectedRow(lstIndex);
}

void frmTel::select(int pos)
{
    lstIndex->setCurrentIndex(m_book.list().index(pos));
}

void frmTel::txtTel_Change()
{
    m_keptSelection.reset();
    const int count = m_book.ntphone();
    if (count == 0)
        return;
    const QString text = txtTel->text();
    const int last = count - 1;
    if (text.size() < m_previousLength)
        m_searchPos = 0;
    m_searchPos = std::min(m_searchPos, last);
    select(m_searchPos);
    // Code units, not the list's collation: an index "before" the text is skipped.
    const auto before = [&] { return m_book.at(m_searchPos).index < text; };
    // Selecting every row on the way down, each refilling the grid, leaves the list where
    // selecting the first row after the start and then the last one does: a row below
    // the view scrolls it only until that row stands at its bottom.
    const auto stepTo = [&](int from) {
        if (m_searchPos > from)
            select(from + 1);
        if (m_searchPos > from + 1)
            select(m_searchPos);
    };
    for (int pass = 0; pass < 2; ++pass) {
        const int from = m_searchPos;
        while (m_searchPos < last && before())
            ++m_searchPos;
        stepTo(from);
        if (!before()) {
            select(m_searchPos);
            lstIndex_Click();
            if (m_searchPos == last)
                m_searchPos = 0;
            break;
        }
        if (pass == 0)
            m_searchPos = 0;
    }
    m_previousLength = int(text.size());
}

void frmTel::setSearchText(const QString &text)
{
    // A whole new text, not one typed on from the last: the stepping starts at the top,
    // or an earlier search past this index would leave another entry selected.
    m_searchPos = 0;
    if (txtTel->text() == text)
        txtTel_Change(); // no change to run it, but the selection may have moved meanwhile
    else
        txtTel->setText(text);
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

void frmTel::cmdFind_Click()
{
    for (;;) {
        txtTel->setText(narrow(txtTel->text()));
        const QString text = txtTel->text();
        for (int p = nfind; p < m_book.ntphone(); ++p) {
            const phoneentry &e = m_book.at(p);
            if (e.name.contains(text) || e.keys.contains(text)) {
                select(p);
                m_keptSelection = p;
                nfind = qint16(p + 1);
                return;
            }
        }
        if (nfind == 0) {
            m_prompter.inform(QStringLiteral("このキーワードは見つかりませんでした"));
            return;
        }
        if (!m_prompter.askYesNo(QStringLiteral(
                "このキーワードはこれ以上見つかりませんでした。もう一度最初から探しますか？")))
            return;
        nfind = 0;
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
    m_book.deleteIndex(selectedIndex());
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

void frmTel::cmdAdd_Click()
{
    disablechange();
    addDialog().newadd2phonebook();
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
    phoneChangeDialog().changePair(pair, type, number);
}

void frmTel::cmdClose_Click()
{
    hide();
}
