#pragma once

#include "datafiles.h"
#include "text/textfile.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

class Clock;
class Prompter;
class TodoBoard;
class ShelfList;
class ScheduleTable;
class PhoneBook;
class frmTel;
class frmDone;
class frmTrash;
class frmTodo;
class frmSchedule;

// The one application object: it owns the models, the clock, the prompter and the
// windows, and runs loading and the quit.
class KibanuApp : public QObject {
    Q_OBJECT
public:
    KibanuApp(const QString &programFolder, std::unique_ptr<Clock> clock,
              std::unique_ptr<Prompter> prompter);
    ~KibanuApp() override;

    // Creates the main window and runs its start steps.
    void start();

    // Runs every loader in order. A file that exists but cannot be read is remembered
    // and never written this run.
    void loadAll();
    // Tells the user once which files could not be read.
    void reportUnreadable();

    // Commits and writes everything, then ends the program. False when something could
    // not be saved: the user was told and the program goes on with all data in memory.
    bool quitWithSaving();
    [[nodiscard]] bool hasEnded() const { return m_ended; }

    // A window's own save (its close box): nothing for a file that could not be read at
    // start; a failure is told. True when the file was written.
    bool saveFromWindow(DataFile file, const std::function<WriteResult()> &write);

    [[nodiscard]] QString path(DataFile file) const;
    [[nodiscard]] bool mayWrite(DataFile file) const;

    [[nodiscard]] TodoBoard &board() { return *m_board; }
    [[nodiscard]] ShelfList &shelf() { return *m_shelf; }
    [[nodiscard]] const Clock &clock() const { return *m_clock; }
    [[nodiscard]] Prompter &prompter() { return *m_prompter; }
    [[nodiscard]] ScheduleTable &schedule() { return *m_schedule; }
    [[nodiscard]] frmTodo *todoWindow() { return m_todo.get(); }
    // Created, hidden, on first use.
    [[nodiscard]] frmSchedule &scheduleWindow();
    [[nodiscard]] PhoneBook &phoneBook() { return *m_phoneBook; }
    [[nodiscard]] frmTel &telWindow();
    [[nodiscard]] frmDone &doneWindow();
    [[nodiscard]] frmTrash &trashWindow();

private:
    void noteRead(DataFile file, const TextFileRead &read);
    bool saveOrTell(DataFile file, const WriteResult &result);

    QString m_folder;
    std::unique_ptr<Clock> m_clock;
    std::unique_ptr<Prompter> m_prompter;
    std::unique_ptr<TodoBoard> m_board;
    std::unique_ptr<ShelfList> m_shelf;
    std::unique_ptr<ScheduleTable> m_schedule;
    std::unique_ptr<PhoneBook> m_phoneBook;
    std::unique_ptr<frmTodo> m_todo;
    std::unique_ptr<frmSchedule> m_scheduleWindow;
    std::unique_ptr<frmTel> m_telWindow;
    std::unique_ptr<frmDone> m_doneWindow;
    std::unique_ptr<frmTrash> m_trashWindow;
    QList<DataFile> m_unreadable;
    QStringList m_unreadableReasons;
    bool m_ended = false;
};
