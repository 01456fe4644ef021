// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/reminding.h"
#include "common/apphelper.h"
#include "common/testfiles.h"
#include "schedule/frmreminder.h"
#include "lists/frmdone.h"
#include "lists/frmtrash.h"
#include "phonebook/dlgtypeedit.h"
#include "phonebook/frmaddphone.h"
#include "phonebook/frmindexchange.h"
#include "phonebook/frmphonechange.h"
#include "phonebook/frmtel.h"
#include "phonebook/frmtypeedit.h"
#include "schedule/frmday.h"
#include "schedule/frmschedule.h"
#include "shell/frmabout.h"
#include "shell/frmhelp.h"
#include "shell/dlgsync.h"
#include "shell/frmstartup.h"
#include "shell/frmsyncrun.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QStyle>
#include <QAction>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QWindow>

namespace {

QString accessibleName(QObject *object)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QString();
}

// A window's controls: every widget in it but the plain containers and the inner parts
// of a compound control (a list's scroll bars, a combo box's line edit).
void collectControls(QWidget *parent, QList<QWidget *> &controls)
{
    for (QWidget *w : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (w->isWindow() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const bool container = w->metaObject() == &QWidget::staticMetaObject;
        if (!container)
            controls.append(w);
        if (container || qobject_cast<QGroupBox *>(w))
            collectControls(w, controls);
    }
}

QList<QWidget *> controlsOf(QWidget *window)
{
    QList<QWidget *> controls;
    collectControls(window, controls);
    return controls;
}

QString describe(QWidget *w)
{
    return QStringLiteral("%1 %2 (%3)")
        .arg(w->window()->objectName(), QLatin1String(w->metaObject()->className()),
             w->objectName());
}

// Every window of the program, each opened the way the program opens it.
class Access : public AppTest {
protected:
    std::unique_ptr<frmSyncRun> syncRun; // the app makes one for each run of the command
    QList<QWidget *> openEveryWindow()
    {
        // An appointment tomorrow that a lead of a day announces at once, in the program's
        // own window.
        writeBytes(path("schedule.txt"), "x,12/8,8:00\r\n");
        writeBytes(path("pim.ini"), "[Pim]\r\nNotifyBefore=1440\r\n");
        app->start(); // the start-up window plays; the board is made behind it
        // The reminders start once a window has been painted.
        EXPECT_TRUE(QTest::qWaitFor([this] { return app->reminding() != nullptr; }));
        frmTodo *board = app->todoWindow();
        board->mnuRegEdit_Click();
        frmSchedule &schedule = app->scheduleWindow();
        schedule.show();
        schedule.findChild<QPushButton *>(QStringLiteral("cmdNew"))->click();
        frmTel &tel = app->telWindow();
        frmTypeEdit &types = app->typeEditWindow();
        app->showAbout();
        app->showHelp(QStringLiteral("frmTodo"));
        app->showSyncSettings();
        syncRun = std::make_unique<frmSyncRun>(QStringLiteral("vdirsyncer sync"));
        QList<QWidget *> windows{board,
                                 board->findChild<QDialog *>(QStringLiteral("frmRegEdit")),
                                 &app->doneWindow(),
                                 &app->trashWindow(),
                                 &schedule,
                                 schedule.findChild<QDialog *>(QStringLiteral("dlgSchedule")),
                                 &app->todayWindow(),
                                 &app->tomorrowWindow(),
                                 &tel,
                                 &app->addPhoneDialog(),
                                 &tel.phoneChangeDialog(),
                                 &tel.indexChangeDialog(),
                                 &types,
                                 &types.typeDialog(),
                                 app->startupWindow(),
                                 app->aboutWindow(),
                                 app->helpWindow(),
                                 app->reminding()->window(),
                                 app->syncDialog(),
                                 syncRun.get()};
        for (QWidget *w : windows)
            EXPECT_NE(w, nullptr);
        windows.removeAll(nullptr);
        return windows;
    }
};

} // namespace

TEST_F(Access, everyControlOfEveryWindowHasAnObjectNameAndAnAccessibleName)
{
    const QList<QWidget *> windows = openEveryWindow();
    EXPECT_EQ(windows.size(), 20);
    QStringList unnamed;
    for (QWidget *window : windows) {
        const QList<QWidget *> controls = controlsOf(window);
        EXPECT_FALSE(controls.isEmpty()) << window->objectName().toStdString();
        for (QWidget *w : controls)
            if (w->objectName().isEmpty() || accessibleName(w).isEmpty())
                unnamed.append(describe(w));
    }
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QLatin1Char('\n')).toStdString();
}

// A window of one size offers no maximise button: its flags say which buttons there are
// (without CustomizeWindowHint a window manager shows them all).
TEST_F(Access, windowsOfOneSizeOfferNoMaximiseButton)
{
    QStringList wrong;
    for (QWidget *window : openEveryWindow()) {
        const Qt::WindowFlags flags = window->windowFlags();
        if (window->minimumSize() != window->maximumSize() || (flags & Qt::FramelessWindowHint))
            continue;
        if (!(flags & Qt::CustomizeWindowHint) || (flags & Qt::WindowMaximizeButtonHint)
            || !(flags & Qt::WindowCloseButtonHint))
            wrong.append(window->objectName());
    }
    EXPECT_TRUE(wrong.isEmpty()) << wrong.join(QLatin1Char(' ')).toStdString();
}

// Inside a control: the text box and the pop-up list of a drop-down are named by the
// drop-down's label too.
TEST_F(Access, theBoxesAndListsInsideEveryControlAreNamed)
{
    QStringList unnamed;
    for (QWidget *window : openEveryWindow())
        for (QWidget *control : controlsOf(window)) {
            if (auto *combo = qobject_cast<QComboBox *>(control))
                combo->view(); // the pop-up list, as opening the drop-down makes it
            QList<QWidget *> inner;
            for (QLineEdit *edit : control->findChildren<QLineEdit *>())
                inner.append(edit);
            for (QAbstractItemView *view : control->findChildren<QAbstractItemView *>())
                if (!qobject_cast<QHeaderView *>(view)) // a grid's headers speak by their sections
                    inner.append(view);
            for (QWidget *w : inner)
                if (accessibleName(w).isEmpty())
                    unnamed.append(describe(control) + QStringLiteral(" > ")
                                   + QLatin1String(w->metaObject()->className()));
        }
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QLatin1Char('\n')).toStdString();
}

TEST_F(Access, everyMenuAndMenuEntryOfTheBoardIsNamed)
{
    app->setSkipStartup(true);
    app->start();
    QMenuBar *bar = app->todoWindow()->menuBar();
    QList<QMenu *> menus;
    for (QAction *top : bar->actions())
        menus.append(top->menu());
    for (qsizetype i = 0; i < menus.size(); ++i)
        for (QAction *entry : menus[i]->actions())
            if (entry->menu())
                menus.append(entry->menu());
    EXPECT_EQ(menus.size(), 7);
    // 編集 between ﾌｧｲﾙ and ｵﾌﾟｼｮﾝ.
    EXPECT_EQ(menus.value(1)->objectName(), QStringLiteral("mnuEditMenu"));
    EXPECT_EQ(menus.value(2)->objectName(), QStringLiteral("mnuOption"));
    for (QMenu *menu : menus) {
        EXPECT_FALSE(menu->objectName().isEmpty());
        EXPECT_FALSE(accessibleName(menu).isEmpty()) << menu->objectName().toStdString();
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(menu);
        ASSERT_EQ(face->childCount(), menu->actions().size());
        for (int i = 0; i < face->childCount(); ++i) {
            EXPECT_FALSE(menu->actions().at(i)->objectName().isEmpty());
            EXPECT_FALSE(face->child(i)->text(QAccessible::Name).isEmpty());
        }
    }
}

TEST_F(Access, aLabelThatShowsDataIsNamedByItsDataAndByWhatItIsWhileEmpty)
{
    frmTodo *w = startBoard();
    auto *slot = w->findChild<QLabel *>(QStringLiteral("lblTodo_2"));
    EXPECT_EQ(accessibleName(slot), QStringLiteral("用件3"));
    board().setText(2, QStringLiteral("歯医者に電話"));
    EXPECT_EQ(accessibleName(slot), QStringLiteral("歯医者に電話"));
}

// Tab goes down the window, row by row from the left, or up only into a column further
// right (the board's buttons beside its slots).
TEST_F(Access, tabOrderFollowsTheLayoutInEveryWindow)
{
    for (QWidget *window : openEveryWindow()) {
        const QList<QWidget *> controls = controlsOf(window);
        QList<QWidget *> chain;
        for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
            if (controls.contains(w) && (w->focusPolicy() & Qt::TabFocus))
                chain.append(w);
        for (qsizetype i = 1; i < chain.size(); ++i) {
            const QRect a(chain[i - 1]->mapTo(window, QPoint()), chain[i - 1]->size());
            const QRect b(chain[i]->mapTo(window, QPoint()), chain[i]->size());
            EXPECT_TRUE(b.top() >= a.top() || b.left() > a.right())
                << describe(chain[i - 1]).toStdString() << " -> "
                << describe(chain[i]).toStdString();
        }
    }
}

// The windows opened from the board belong to it, so a compositor keeps them above it and
// places them near it; their dialogs belong to them.
TEST_F(Access, windowsOpenedFromTheBoardBelongToIt)
{
    openEveryWindow();
    QWindow *board = app->todoWindow()->windowHandle();
    ASSERT_NE(board, nullptr);
    const auto ownerOf = [](QWidget *w) {
        w->winId();
        return w->windowHandle() ? w->windowHandle()->transientParent() : nullptr;
    };
    const QList<QWidget *> owned{&app->scheduleWindow(), &app->telWindow(),      &app->doneWindow(),
                                 &app->trashWindow(),    &app->typeEditWindow(), app->syncDialog()};
    for (QWidget *w : owned)
        EXPECT_EQ(ownerOf(w), board) << w->objectName().toStdString();
    frmSchedule &schedule = app->scheduleWindow();
    EXPECT_EQ(ownerOf(schedule.findChild<QDialog *>(QStringLiteral("dlgSchedule"))), schedule.windowHandle());
    EXPECT_EQ(ownerOf(&app->addPhoneDialog()), app->telWindow().windowHandle());
}

// The index boxes ask the input method to type letters as they are (Mozc and the like
// would compose them into kana and kanji the index refuses), yet show what is typed; the
// number boxes prefer numbers and stay open to a memo.
TEST_F(Access, indexBoxesAskForLettersAndNumberBoxesPreferNumbers)
{
    openEveryWindow();
    QList<QLineEdit *> indexes{app->addPhoneDialog().findChild<QLineEdit *>(QStringLiteral("txtIndex")),
                               app->telWindow().indexChangeDialog().findChild<QLineEdit *>(QStringLiteral("txtIndex"))};
    for (QLineEdit *box : indexes) {
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->inputMethodHints() & Qt::ImhHiddenText);
        EXPECT_TRUE(box->inputMethodHints() & Qt::ImhLatinOnly);
        EXPECT_EQ(box->echoMode(), QLineEdit::Normal);
        box->setText(QStringLiteral("yamada"));
        EXPECT_EQ(box->displayText(), QStringLiteral("yamada"));
    }
    QList<QLineEdit *> numbers{app->addPhoneDialog().findChild<QLineEdit *>(QStringLiteral("txtTel")),
                               app->telWindow().phoneChangeDialog().findChild<QLineEdit *>(QStringLiteral("txtPhonenumber"))};
    for (QLineEdit *box : numbers) {
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->inputMethodHints() & Qt::ImhPreferNumbers);
        EXPECT_FALSE(box->inputMethodHints() & Qt::ImhHiddenText);
    }
}

// The windows are laid out for the program's own 12-pixel text: a desktop whose font is
// larger (GNOME's and KDE's are) must not clip their captions.
TEST_F(Access, aLargerDesktopFontLeavesEveryCaptionWhole)
{
    QFont desktop(QStringLiteral("Sans Serif"));
    desktop.setPixelSize(15);
    QApplication::setFont(desktop);
    const QList<QWidget *> windows = openEveryWindow();
    // Some platform themes set the application's font once the program runs.
    desktop.setPixelSize(16);
    QApplication::setFont(desktop);
    QStringList clipped;
    for (QWidget *window : windows)
        for (QWidget *control : controlsOf(window)) {
            QString text;
            int room = control->contentsRect().width();
            if (auto *label = qobject_cast<QLabel *>(control)) {
                if (label->wordWrap() || label->textFormat() == Qt::RichText)
                    continue;
                text = label->text();
                room -= 2 * label->margin() + label->indent();
            } else if (auto *check = qobject_cast<QCheckBox *>(control)) {
                text = check->text();
                room -= check->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, check)
                        + check->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, check);
            } else if (auto *button = qobject_cast<QPushButton *>(control)) {
                text = button->text();
            }
            text.remove(QLatin1Char('&'));
            if (!text.isEmpty() && control->fontMetrics().horizontalAdvance(text) > room)
                clipped.append(describe(control) + QStringLiteral(": ") + text);
        }
    EXPECT_TRUE(clipped.isEmpty()) << clipped.join(QLatin1Char('\n')).toStdString();
}
