// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/textfile.h"

#include <QObject>

#include <memory>
#include <optional>

class Clock;
class Prompter;
class QThread;
class QUndoStack;
class Readings;
class SearchModel;
class Session;
struct SearchItem;
class dlgSync;
struct PrintChoice;
struct PrintDocument;
class frmADDphone;
class frmAbout;
class frmDone;
class frmHelp;
class frmSchedule;
class frmSearch;
class frmTel;
class frmTodo;
class frmToday;
class frmTomorrow;
class frmTrash;
class frmTypeEdit;

// The windows of a run: each made on first use with what it shows and uses, belonging to
// the board, and connected to the others and to the session's tables where one window
// hands something to another folder's.
class AppWindows : public QObject {
public:
    AppWindows(Session &session, const Clock &clock, Prompter &prompter);
    ~AppWindows() override;

    // The board, made first of all; its requests for the other windows are connected.
    frmTodo &makeBoard();
    [[nodiscard]] frmTodo *board() { return m_todo.get(); }
    // The run's one history of the user's changes, for 編集's 元に戻す and やり直し.
    [[nodiscard]] QUndoStack &history() { return *m_history; }

    [[nodiscard]] frmSchedule &scheduleWindow();
    [[nodiscard]] frmTel &telWindow();
    [[nodiscard]] frmADDphone &addPhoneDialog();
    [[nodiscard]] frmTypeEdit &typeEditWindow();
    [[nodiscard]] frmDone &doneWindow();
    [[nodiscard]] frmTrash &trashWindow();
    [[nodiscard]] frmToday &todayWindow();
    [[nodiscard]] frmTomorrow &tomorrowWindow();
    [[nodiscard]] frmHelp &helpWindow();
    [[nodiscard]] dlgSync &syncDialog();
    // The search, its items taken anew at each showing (done.txt read again).
    [[nodiscard]] frmSearch &searchWindow();
    void showSearch();
    // Shows the About box, not modal: the open one brought forward, or a new one.
    void showAbout();
    // ﾌｧｲﾙ → 印刷 (the choice, then a preview) or PDFに書き出す (the choice, then a file).
    void print(bool toPdf);
    // What a choice prints, from the tables as they are now.
    [[nodiscard]] PrintDocument printDocument(const PrintChoice &choice);

    // Those made so far, else null.
    [[nodiscard]] frmSchedule *madeScheduleWindow() { return m_schedule.get(); }
    [[nodiscard]] frmTel *madeTelWindow() { return m_tel.get(); }
    [[nodiscard]] frmTypeEdit *madeTypeEditWindow() { return m_typeEdit.get(); }
    [[nodiscard]] frmHelp *madeHelpWindow() { return m_help.get(); }
    [[nodiscard]] dlgSync *madeSyncDialog() { return m_sync.get(); }
    [[nodiscard]] frmAbout *aboutWindow() { return m_about.get(); }

private:
    void connectBoard();
    // A to-do the board's analysis found to be an appointment: into the schedule's table.
    void takeAppointment(int slot, const QString &text, const QString &date,
                         const QString &time, const QString &event);
    // Every place's items into the search.
    void fillSearch();
    // The phone book window's selected entry while it is shown, or -1.
    [[nodiscard]] int selectedPhoneEntry() const;
    // A found item's place opened with it selected; one gone since is said, and the
    // search takes the places anew.
    void openFound(const SearchItem &item);
    [[nodiscard]] bool openFoundIn(const SearchItem &item);
    [[nodiscard]] bool openFoundInSchedule(const SearchItem &item);

    Session &m_session;
    const Clock &m_clock;
    Prompter &m_prompter;
    std::unique_ptr<QUndoStack> m_history;
    std::unique_ptr<frmTodo> m_todo;
    std::unique_ptr<frmSchedule> m_schedule;
    std::unique_ptr<frmTel> m_tel;
    std::unique_ptr<frmDone> m_done;
    std::unique_ptr<frmTrash> m_trash;
    std::unique_ptr<frmTypeEdit> m_typeEdit;
    std::unique_ptr<frmToday> m_today;
    std::unique_ptr<frmTomorrow> m_tomorrow;
    std::unique_ptr<frmAbout> m_about;
    std::unique_ptr<frmHelp> m_help;
    std::unique_ptr<dlgSync> m_sync;
    std::unique_ptr<Readings> m_readings;
    std::unique_ptr<QThread> m_readingsLoad; // the dictionary is read beside the window
    std::unique_ptr<SearchModel> m_searchModel;
    std::unique_ptr<frmSearch> m_search;
    std::optional<FileIdentity> m_searchedDone; // done.txt as the search last read it
};
