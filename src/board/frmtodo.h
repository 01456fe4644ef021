#pragma once

#include "ui/focus.h"

#include <QMainWindow>

#include <array>

class Clock;
class TodoBoard;
class TodoLabel;
class SlotEdit;
class QCheckBox;
class QGroupBox;
class QLabel;
class QToolButton;

// The main window: the board of fourteen to-do slots and the buttons to the other windows.
class frmTodo : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int SlotCount = 14;

    frmTodo(TodoBoard &board, const Clock &clock);

    // The window's start steps before the loaders run: hidden, today's calendar page.
    void Form_Load();
    // Its steps after them: no slot open, today's date.
    void showLoaded();

    void lblTodo_DblClick(int index);
    void txtTodo_KeyPress(int index, int keyAscii);
    void txtTodo_LostFocus(int index);

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
    // Save everything and end; the close box asks the same and never closes by itself.
    void quitRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createSlots(QWidget *client);
    void createButtons(QWidget *client);
    QToolButton *pictureButton(QWidget *client, const char *name, const QString &caption,
                               int top);
    void connectBoard();
    void showEditing(int index);
    // Runs what follows a committed edit; for now only clears the changed flag.
    void analyseCommit(int index);

    TodoBoard &m_board;
    const Clock &m_clock;
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
    // The window's own hiding of an edit box is no focus loss of it.
    focus::QuietHider m_hider;
};
