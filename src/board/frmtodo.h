#pragma once

#include <QMainWindow>

#include <array>

class KibanuApp;
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

    explicit frmTodo(KibanuApp &app);

    // The start steps: pictures, loaders, date, then the window shows.
    void Form_Load();

    void lblTodo_DblClick(int index);
    void txtTodo_KeyPress(int index, int keyAscii);
    void txtTodo_LostFocus(int index);

    void cmdSchedule_Click();
    void cmdTel_Click();
    void cmdDone_Click();
    void cmdTrash_Click();
    void cmdHelp_Click();
    void cmdClose_Click();

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

    KibanuApp &m_app;
    TodoBoard &m_board;
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
    // Set while the window itself hides an edit box, whose focus loss is then no close.
    bool m_hidingEdit = false;
};
