// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dlgschedule.h"
#include "schedulelist.h"

#include <QDate>
#include <QWidget>

#include <memory>
#include <optional>

class Clock;
class DataFolder;
class Prompter;
class RepeatTable;
class ScheduleTable;
struct repeatitem;
struct scheduleitem;
class QLabel;
class QListView;
class QPushButton;
class QToolButton;
class QUndoStack;

// The schedule window: every appointment in one sorted list, each series once at its
// next day.
class frmSchedule : public QWidget {
    Q_OBJECT
public:
    frmSchedule(ScheduleTable &table, RepeatTable &series, DataFolder &files, const Clock &clock,
                Prompter &prompter);
    ~frmSchedule() override;

    // Every new entry typed in the window comes in through these; a date typed without a
    // year gets the year it means. False when the schedule is full: the user was told and
    // nothing was added.
    bool additemdatetime(const QString &eventdate, const QString &eventtime,
                         const QString &eventinfo);
    bool additemdate(const QString &eventdate, const QString &eventinfo);

    // What the user is told when the schedule is full.
    [[nodiscard]] static QString fullMessage();

    // Removes the single entry at that table position and leaves nothing selected.
    void removeEntry(int pos);
    // The table position of the selected single entry, or -1 (none, or a series).
    [[nodiscard]] int selectedIndex() const;
    // Selects the single entry at that table position and scrolls it into view.
    void selectEntry(int pos);
    // The same for the line of the series at that row of repeat.txt.
    void selectSeries(int row);
    // The run's history: the entries added, changed and deleted here go into it, and its
    // keys work in the window. Without one nothing is kept.
    void setHistory(QUndoStack *history);
    // Whether the entry dialog also reads dates and times in words.
    void setNaturalDates(bool on);

    // Today's date; runs whenever the window is shown.
    void Form_Load();
    void cmdNew_Click();
    void cmdClose_Click();
    void lstSchedule_DblClick();
    void lstSchedule_KeyDown(int keyCode);
    void cmdTrashBox_DragEnter(const QString &tag);
    void cmdTrashBox_DragLeave();
    void cmdTrashBox_DragDrop(const QString &tag);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    dlgSchedule &dialog();
    // What the dialog hands back on OK.
    bool storeTyped(qint16 mode, const QString &date, const QString &time, const QString &event,
                    const dlgSchedule::Repetition &repeat);
    bool changeEntry(const QString &date, const QString &time, const QString &event);
    // The series' part of the window (frmschedule_series.cpp).
    [[nodiscard]] ScheduleList::Entry selectedEntry() const;
    void openSeries(int row);
    // OK with a rule: a new series, or the selected entry made one.
    bool storeAsSeries(qint16 mode, const QString &date, const QString &time, const QString &event,
                       const dlgSchedule::Repetition &repeat);
    bool storeSeries(qint16 mode, const QString &date, const QString &time, const QString &event,
                     const dlgSchedule::Repetition &repeat);
    // A new series; `extras` gives its extra fields (a single entry made a series).
    bool addSeries(const QString &date, const QString &time, const QString &event,
                   const dlgSchedule::Repetition &repeat, const scheduleitem *extras = nullptr);
    // Asks whether to delete the whole series or only the day shown; false on Cancel.
    bool deleteSeries(int row, QDate day);
    // Whether a change or deletion of the entry at pos is for every day of its event: asked
    // only for a day of an event over several days.
    bool askForTheWholeEvent(int pos, const QString &question);
    void record(const QString &name, std::optional<scheduleitem> before,
                std::optional<scheduleitem> after);
    // The days of the event of the entry at pos, and their change as one step.
    [[nodiscard]] QList<scheduleitem> daysOf(int pos) const;
    void recordDays(const QString &name, const QList<scheduleitem> &before,
                    const QList<scheduleitem> &after);
    // A change of a series, with the single entry it gave or took, as one step.
    void recordSeries(const QString &name, std::optional<repeatitem> before,
                      std::optional<repeatitem> after, std::optional<scheduleitem> entryBefore,
                      std::optional<scheduleitem> entryAfter);

    ScheduleTable &m_table;
    RepeatTable &m_series;
    std::unique_ptr<ScheduleList> m_list;
    // The series open in the dialog and its day shown in the list.
    int m_editingSeries = -1;
    QDate m_editingDay;
    DataFolder &m_files;
    const Clock &m_clock;
    Prompter &m_prompter;
    QPushButton *cmdNew = nullptr;
    QPushButton *cmdClose = nullptr;
    QLabel *lblDate = nullptr;
    QListView *lstSchedule = nullptr;
    QToolButton *cmdTrashBox = nullptr;
    QLabel *lblHint = nullptr;
    dlgSchedule *m_dialog = nullptr;
    bool m_naturalDates = false;
    QUndoStack *m_history = nullptr;
};
