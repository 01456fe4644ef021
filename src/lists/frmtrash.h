// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <functional>

class DataFolder;
class Prompter;
class ShelfList;
class QLabel;
class QListView;
class QPushButton;
class QToolButton;

// The shelf window: the postponed to-dos, and the trash box that discards them.
class frmTrash : public QWidget {
    Q_OBJECT
public:
    frmTrash(ShelfList &shelf, DataFolder &files, Prompter &prompter);

    // The selected shelf position, or -1.
    [[nodiscard]] int selectedIndex() const;
    // Selects that shelf position and scrolls it into view.
    void showRow(int row);

    // The next showing after the close box: closet.txt read again.
    void Form_Load();
    void cmdClose_Click();
    void lstTrash_KeyDown(int keyCode);
    // Drops and their hints; tag is the source's, slot the to-do slot it came from.
    void lstTrash_DragEnter(const QString &tag);
    void lstTrash_DragDrop(const QString &tag, int slot);
    void cmdTrashBox_DragEnter(const QString &tag);
    void cmdTrashBox_DragDrop(const QString &tag, int slot);
    void clearHint();

    // How a change of the shelf becomes a step of the run's history (the board's
    // recorder); without one the change is just made.
    using Recorder = std::function<void(const QString &name, const std::function<void()> &change)>;
    void setRecorder(Recorder record) { m_record = std::move(record); }

signals:
    // A to-do dropped on the list goes to the end of the shelf; one dropped on the trash
    // box is thrown away. Either way its slot on the board becomes empty.
    void shelveTodoRequested(int slot);
    void discardTodoRequested(int slot);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void removeItem(int row);

    ShelfList &m_shelf;
    Recorder m_record;
    DataFolder &m_files;
    Prompter &m_prompter;
    QListView *lstTrash = nullptr;
    QPushButton *cmdClose = nullptr;
    QToolButton *cmdTrashBox = nullptr;
    QLabel *lblHint = nullptr;
    // After the close box wrote closet.txt, the next showing reads it again.
    bool m_reloadOnShow = false;
};
