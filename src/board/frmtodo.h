// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boardoptions.h"
#include "store/datafolder.h"
#include "todoboard.h"
#include "ui/focus.h"

#include <QMainWindow>

#include <array>
#include <functional>

class Clock;
class DataFolder;
class LoginStart;
class Prompter;
class ShelfList;
class TodoLabel;
class SlotEdit;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QToolButton;
class QUndoStack;

// What the ﾌｧｲﾙ menu writes to or reads from other programs' files.
enum class Interchange { ExportSchedule, ImportSchedule, ExportPhoneBook, ImportPhoneBook };

// The main window: the board of fourteen to-do slots and the buttons to the other windows.
class frmTodo : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int SlotCount = TodoBoard::SlotCount;

    // The options are the settings' own: the menu reads and changes them there.
    frmTodo(TodoBoard &board, ShelfList &shelf, BoardOptions &options, const DataFolder &files,
            const Clock &clock, Prompter &prompter);

    // The slot last pressed with any mouse button.
    qint16 dragIndex = -1;
    static constexpr int DragEnter = 0;
    static constexpr int DragLeave = 1;

    static constexpr int DesignHeight = 5730; // twips; the height is not stored

    // The window's place in twips, as the settings keep it. A place off every screen
    // becomes the top left corner.
    void placeWindow(int left, int top, int width);
    struct Place {
        int left = 0;
        int top = 0;
        int width = 0;
    };
    [[nodiscard]] Place windowPlace() const;
    // Neither minimized nor maximized: only then is the place worth keeping.
    [[nodiscard]] bool isNormalState() const;

    // The run's history: the board's changes go into it, and 編集 undoes and redoes them.
    // Without one nothing is kept.
    void setHistory(QUndoStack *history);
    // Makes the change; when it changed the slots' texts or the shelf, it becomes one step
    // of the history under that name (also for the shelf window's changes).
    void record(const QString &name, const std::function<void()> &change);

    // The window's start steps before the loaders run: hidden, today's calendar page.
    void Form_Load();
    // Its steps after them: no slot open, today's date.
    void showLoaded();
    // The menu's ticks as the options read from pim.ini say.
    void showOptions();
    // Today's date and calendar page, again when a run goes past midnight.
    void showToday();

    void lblTodo_DblClick(int index);
    void txtTodo_KeyPress(int index, int keyAscii);
    void txtTodo_LostFocus(int index);

    // Right-button drags of a slot's text; tag and source name what is dragged.
    void lblTodo_MouseDown(int index, Qt::MouseButton button);
    // Whether a press starts a drag: the right button on a text while no slot is open.
    [[nodiscard]] bool startsDrag(int index, Qt::MouseButton button) const;
    void lblTodo_DragOver(int target, const QString &tag, int source, int state);
    void lblTodo_DragDrop(int target, const QString &tag, int source);
    void cmdDone_DragOver(const QString &tag, int state);
    void cmdDone_DragDrop(const QString &tag, int source);
    void cmdTrash_DragOver(const QString &tag, int state);
    void cmdTrash_DragDrop(const QString &tag, int source);

    // The menu bar.
    void mnuEditDone_Click() { editFile(DataFile::Done); }
    void mnuEditTrash_Click() { editFile(DataFile::Closet); }
    void mnuEditSche_Click() { editFile(DataFile::Schedule); }
    void mnuEditTel_Click() { editFile(DataFile::Tel); }
    void mnuTypeEdit_Click();
    // An open slot keeps Ctrl+F; the menu itself closes the slot first.
    void mnuFind_Click();
    // The slot found by the search: the board in front, the slot's check box focused.
    void showSlot(int slot);
    void mnuJustQuit_Click();
    void mnuQuit_Click();
    void mnuStartup_Click();
    void mnuInsert_click();
    void mnuOVERWRITE_click();
    void mnuRegEdit_Click();
    void mnuTodoHelp_Click();
    void mnuAbout_Click();
    void mnuNotify_Click();
    void mnuNotifyBefore_Click();
    void mnuNaturalDates_Click();
    void mnuSync_Click();
    void mnuTray_Click();
    void mnuCloseToTray_Click();
    void mnuLoginStart_Click();
    // The autostart entry that ｵﾌﾟｼｮﾝ → ログイン時に起動する writes and removes; the item
    // is disabled without one.
    void setLoginStart(const LoginStart *start);

    void cmdSchedule_Click();
    void cmdTel_Click();
    void cmdDone_Click();
    void cmdTrash_Click();
    void cmdHelp_Click();
    void cmdClose_Click();

signals:
    // The calendar page of the schedule button goes with it, as the window's icon.
    void scheduleWindowRequested(const QIcon &icon);
    void telWindowRequested();
    void doneWindowRequested();
    void trashWindowRequested();
    void helpRequested();
    // A committed to-do the user agreed to move to the schedule, or one with telephone
    // numbers for the phone book's add dialog. text is the slot's text: the slot lets it
    // go only once the entry is stored.
    void scheduleEntryOffered(int slot, const QString &text, const QString &date,
                              const QString &time, const QString &event);
    void phoneEntryOffered(int slot, const QString &text, const QString &index,
                           const QString &name, const QStringList &numbers,
                           const QString &keys);
    // Save everything and end.
    void quitRequested();
    // The window's close box: the application ends the program or keeps it in the tray.
    // The board never closes by itself, so after a failed save it stays.
    void closeBoxClicked();
    void quitWithoutSavingRequested();
    // The user agreed to end the program and edit the file in the external editor.
    void editFileRequested(DataFile file);
    void typeEditRequested();
    void aboutRequested();
    // 編集 → 検索, or Ctrl+F while no slot is open.
    void searchRequested();
    void backupFolderRequested();
    // The reminder options were changed in the menu.
    void remindersChanged();
    // The option "日付の言葉を読む" was switched.
    void naturalDatesChanged(bool on);
    // ﾌｧｲﾙ → 印刷 (a preview) or PDFに書き出す.
    void printRequested(bool toPdf);
    // The option "トレイにアイコンを出す" was switched.
    void trayChanged(bool on);
    // ｵﾌﾟｼｮﾝ → 同期の設定.
    void syncSettingsRequested();
    // The schedule or the phone book to be written to or read from another program's file.
    void interchangeRequested(Interchange what);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createSlots(QWidget *client);
    void createButtons(QWidget *client);
    void createMenus();
    void createFileMenu(QMenuBar *bar);
    void createEditMenu(QMenuBar *bar);
    void createOptionMenu(QMenuBar *bar);
    void createWindowMenu(QMenuBar *bar);
    void createHelpMenu(QMenuBar *bar);
    // The items about the desktop: the tray icon, the close box, the start at login.
    void createDesktopItems(QMenu *option);
    void showDesktopOptions();
    void editFile(DataFile file);
    QToolButton *pictureButton(QWidget *client, const char *name, const QString &caption,
                               int top);
    void connectBoard();
    void connectDrops();
    void showEditing(int index);
    // Offers a committed text to the schedule or the phone book.
    void analyseCommit(int index);
    void setHint(const QString &hint);
    // The hint of a button that takes a dragged to-do: on while over it, off after.
    void buttonDragOver(const QString &tag, int state, const QString &hint);

    TodoBoard &m_board;
    ShelfList &m_shelf;
    BoardOptions &m_options;
    const DataFolder &m_files;
    const Clock &m_clock;
    Prompter &m_prompter;
    std::array<QCheckBox *, SlotCount> chkTodo{};
    std::array<TodoLabel *, SlotCount> lblTodo{};
    std::array<SlotEdit *, SlotCount> txtTodo{};
    QToolButton *cmdHelp = nullptr;
    QToolButton *cmdSchedule = nullptr;
    QToolButton *cmdTel = nullptr;
    QToolButton *cmdDone = nullptr;
    QToolButton *cmdTrash = nullptr;
    QToolButton *cmdClose = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLabel *lblDate = nullptr;
    QLabel *lblHint = nullptr;
    QAction *mnuStartup = nullptr;
    QAction *mnuInsert = nullptr;
    QAction *mnuOverwrite = nullptr;
    QAction *mnuRegEdit = nullptr;
    QAction *mnuNotify = nullptr;
    QAction *mnuNaturalDates = nullptr;
    QAction *mnuTray = nullptr;
    QAction *mnuCloseToTray = nullptr;
    QAction *mnuLoginStart = nullptr;
    const LoginStart *m_loginStart = nullptr;
    QWidget *m_regEdit = nullptr;
    QUndoStack *m_history = nullptr;
    // The window's own hiding of an edit box is no focus loss of it.
    focus::QuietHider m_hider;
};
