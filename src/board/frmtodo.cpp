// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmtodo.h"

#include "slotwidgets.h"
#include "text/clock.h"
#include "text/jdate.h"
#include "todoboard.h"
#include "ui/access.h"
#include "ui/fonts.h"
#include "ui/keys.h"
#include "ui/pictures.h"
#include "ui/twips.h"
#include "ui/typedtextvalidator.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QToolButton>

namespace {

// Rows lie 360 twips apart; the first row sits a little differently.
int labelTop(int i) { return i == 0 ? 150 : 120 + 360 * i; }
int checkTop(int i) { return i == 0 ? 105 : 120 + 360 * i; }
int editTop(int i) { return 135 + 360 * i - (i == 0 ? 15 : 0); }

} // namespace

frmTodo::frmTodo(TodoBoard &board, ShelfList &shelf, BoardOptions &options,
                 const DataFolder &files, const Clock &clock, Prompter &prompter)
    : m_board(board), m_shelf(shelf), m_options(options), m_files(files), m_clock(clock),
      m_prompter(prompter)
{
    setObjectName(QStringLiteral("frmTodo"));
    setWindowTitle(QStringLiteral("Kibanu "));
    // The window can be resized; the controls keep their places.
    auto *client = new QWidget(this);
    client->setMinimumSize(twips(1500), twips(1500));
    // The places are made for 12-pixel text; a desktop's larger font would clip captions.
    client->setFont(pGothicFont());
    setCentralWidget(client);
    createSlots(client);
    createButtons(client);
    createMenus();
    connectBoard();
    connectDrops();
    // Tab keeps the order of creation, which is the reading order: the slots row by row,
    // then the column of buttons.
}

void frmTodo::createSlots(QWidget *client)
{
    for (int i = 0; i < SlotCount; ++i) {
        chkTodo[i] = new QCheckBox(client);
        chkTodo[i]->setObjectName(QStringLiteral("chkTodo_%1").arg(i));
        chkTodo[i]->setGeometry(twipsRect(120, checkTop(i), 255, 255));
        chkTodo[i]->setToolTip(QStringLiteral("用件が終了したらクリックして印をつけましょう"));
        chkTodo[i]->setAccessibleName(QStringLiteral("用件%1の終了").arg(i + 1));

        lblTodo[i] = new TodoLabel(i, client);
        lblTodo[i]->setGeometry(twipsRect(480, labelTop(i), 5175, i == 0 ? 270 : 255));
        lblTodo[i]->setFont(pGothicFont());
        lblTodo[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        lblTodo[i]->setAutoFillBackground(true);
        lblTodo[i]->setBackgroundRole(QPalette::Base);
        lblTodo[i]->setToolTip(
            QStringLiteral("用件を入力、変更するためには、ダブルクリックして下さい"));
        a11y::nameWhenEmpty(lblTodo[i], QStringLiteral("用件%1").arg(i + 1));

        txtTodo[i] = new SlotEdit(i, client);
        txtTodo[i]->setGeometry(twipsRect(480, editTop(i), 5175, i == 0 ? 285 : 300));
        txtTodo[i]->setFont(pGothicFont());
        txtTodo[i]->setAccessibleName(QStringLiteral("用件%1").arg(i + 1));
        TypedTextValidator::install(txtTodo[i], TypedTextValidator::Plain);
        txtTodo[i]->hide();
    }
}

QToolButton *frmTodo::pictureButton(QWidget *client, const char *name, const QString &caption,
                                    int top)
{
    auto *button = new QToolButton(client);
    button->setObjectName(QLatin1String(name));
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(QSize(24, 24));
    button->setFont(fullWidthGothicFont());
    button->setGeometry(twipsRect(6360, top, 1095, 705));
    return button;
}

void frmTodo::createButtons(QWidget *client)
{
    using pictures::Button;
    cmdHelp = pictureButton(client, "cmdHelp", QStringLiteral("ヘルプ"), 720);
    cmdHelp->setIcon(pictures::button(Button::Help));
    cmdSchedule = pictureButton(client, "cmdSchedule", QStringLiteral("予定表"), 1560);
    cmdTel = pictureButton(client, "cmdTel", QStringLiteral("電話帳"), 2400);
    cmdTel->setIcon(pictures::button(Button::Tel));
    cmdDone = pictureButton(client, "cmdDone", QStringLiteral("やった事"), 3240);
    cmdDone->setIcon(pictures::button(Button::Done));
    cmdTrash = pictureButton(client, "cmdTrash", QStringLiteral("たな上げ"), 4080);
    cmdTrash->setIcon(pictures::button(Button::Shelf));
    cmdClose = pictureButton(client, "cmdClose", QStringLiteral("閉じる"), 4920);
    cmdClose->setIcon(pictures::button(Button::Close));

    Frame1 = new QGroupBox(QStringLiteral("日付"), client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twipsRect(6120, 0, 1335, 615));
    lblDate = new QLabel(Frame1);
    lblDate->setObjectName(QStringLiteral("lblDate"));
    lblDate->setGeometry(twipsRect(120, 255, 1095, 255));
    lblDate->setAlignment(Qt::AlignCenter);

    lblHint = new QLabel(client);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->setGeometry(twipsRect(840, 5280, 4305, 255));
    lblHint->setTextFormat(Qt::PlainText);
    a11y::nameWhenEmpty(lblHint, QStringLiteral("ヒント"));

    connect(cmdHelp, &QToolButton::clicked, this, &frmTodo::cmdHelp_Click);
    connect(cmdSchedule, &QToolButton::clicked, this, &frmTodo::cmdSchedule_Click);
    connect(cmdTel, &QToolButton::clicked, this, &frmTodo::cmdTel_Click);
    connect(cmdDone, &QToolButton::clicked, this, &frmTodo::cmdDone_Click);
    connect(cmdTrash, &QToolButton::clicked, this, &frmTodo::cmdTrash_Click);
    connect(cmdClose, &QToolButton::clicked, this, &frmTodo::cmdClose_Click);
}

void frmTodo::connectBoard()
{
    for (int i = 0; i < SlotCount; ++i) {
        connect(chkTodo[i], &QCheckBox::toggled, this,
                [this, i](bool on) { m_board.setDone(i, on); });
        connect(txtTodo[i], &QLineEdit::textChanged, this,
                [this, i](const QString &text) { m_board.setEditText(i, text); });
        connect(lblTodo[i], &TodoLabel::doubleClicked, this, &frmTodo::lblTodo_DblClick);
        connect(lblTodo[i], &TodoLabel::pressed, this, &frmTodo::lblTodo_MouseDown);
        connect(txtTodo[i], &SlotEdit::enterPressed, this,
                [this](int index) { txtTodo_KeyPress(index, keys::Enter); });
        connect(txtTodo[i], &SlotEdit::tabPressed, this,
                [this](int index) { txtTodo_KeyPress(index, keys::Tab); });
        connect(txtTodo[i], &SlotEdit::lostFocus, this, [this](int index) {
            if (!m_hider.isHiding())
                txtTodo_LostFocus(index);
        });
    }
    connect(&m_board, &TodoBoard::textChanged, this,
            [this](int i) { lblTodo[i]->setText(m_board.text(i)); });
    connect(&m_board, &TodoBoard::doneChanged, this,
            [this](int i) { chkTodo[i]->setChecked(m_board.isDone(i)); });
    connect(&m_board, &TodoBoard::editTextChanged, this, [this](int i) {
        if (txtTodo[i]->text() != m_board.editText(i))
            txtTodo[i]->setText(m_board.editText(i));
    });
    connect(&m_board, &TodoBoard::editingChanged, this, &frmTodo::showEditing);
}

void frmTodo::showEditing(int i)
{
    const bool editing = m_board.isEditing(i);
    m_hider.setVisible(lblTodo[i], !editing);
    m_hider.setVisible(txtTodo[i], editing);
}

void frmTodo::placeWindow(int left, int top, int width)
{
    const int height = twips(DesignHeight) + menuBar()->sizeHint().height();
    QRect place(twips(left), twips(top), std::max(twips(width), minimumWidth()), height);
    const auto screens = QGuiApplication::screens();
    // A place from another desk's screens could hide the window: then the corner.
    if (std::none_of(screens.cbegin(), screens.cend(), [&](const QScreen *screen) {
            return screen->availableGeometry().intersects(place);
        }))
        place.moveTopLeft({0, 0});
    resize(place.size());
    move(place.topLeft());
}

frmTodo::Place frmTodo::windowPlace() const
{
    return {x() * 15, y() * 15, width() * 15};
}

bool frmTodo::isNormalState() const
{
    return !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

void frmTodo::Form_Load()
{
    hide();
    cmdSchedule->setIcon(pictures::calendar(m_clock.today().day()));
}

void frmTodo::showLoaded()
{
    m_board.setInputStatus(-1);
    lblDate->setText(jdate::shortDate(m_clock.today()));
}

void frmTodo::showToday()
{
    cmdSchedule->setIcon(pictures::calendar(m_clock.today().day()));
    lblDate->setText(jdate::shortDate(m_clock.today()));
}

void frmTodo::lblTodo_DblClick(int index)
{
    m_board.beginEdit(index);
    txtTodo[index]->setFocus(Qt::OtherFocusReason);
    m_board.setInputStatus(index);
}

void frmTodo::txtTodo_KeyPress(int index, int keyAscii)
{
    if (keyAscii == keys::Enter) {
        txtTodo_LostFocus(index);
    } else if (keyAscii == keys::Tab) {
        txtTodo_LostFocus(index);
        lblTodo_DblClick(index == SlotCount - 1 ? 0 : index + 1);
    }
}

void frmTodo::txtTodo_LostFocus(int index)
{
    record(QStringLiteral("用件の入力"), [&] { m_board.endEdit(index); });
    if (m_board.isEditChanged(index))
        analyseCommit(index);
}

void frmTodo::cmdSchedule_Click()
{
    emit scheduleWindowRequested(cmdSchedule->icon());
}

void frmTodo::cmdTel_Click()
{
    emit telWindowRequested();
}

void frmTodo::cmdDone_Click()
{
    emit doneWindowRequested();
}

void frmTodo::cmdTrash_Click()
{
    emit trashWindowRequested();
}

void frmTodo::cmdHelp_Click()
{
    emit helpRequested();
}

void frmTodo::cmdClose_Click()
{
    emit quitRequested();
}

void frmTodo::closeEvent(QCloseEvent *event)
{
    event->ignore();
    emit closeBoxClicked();
}
