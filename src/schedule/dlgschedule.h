// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>

class Clock;
class Prompter;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The entry dialog of the schedule: a date, a time and an event text, and how the
// appointment repeats (a series) with its last day.
class dlgSchedule : public QDialog {
    Q_OBJECT
public:
    // How it repeats: the rule as repeat.txt writes it (empty: it does not) and the last
    // day as typed (empty: no end).
    struct Repetition {
        QString rule;
        QString until;
    };
    // What OK hands back once the date and the time were accepted: the mode, the three
    // texts as typed and the repetition. The opener stores it; false keeps the dialog open
    // (nothing stored).
    using Store = std::function<bool(qint16 mode, const QString &date, const QString &time,
                                     const QString &event, const Repetition &repeat)>;

    dlgSchedule(const Clock &clock, Prompter &prompter, Store store, QWidget *parent);

    // Adds a new entry, or replaces the entry selected in the schedule window; any other
    // mode stores nothing.
    static constexpr qint16 NewEntry = 1;
    static constexpr qint16 ChangeEntry = 10;
    // A series: OK changes all of it; "この日だけ変更" (ThisDayOnly) makes the day shown a
    // single entry, "削除" (DeleteSeries) asks what to delete.
    static constexpr qint16 ChangeSeries = 20;
    static constexpr qint16 ThisDayOnly = 21;
    static constexpr qint16 DeleteSeries = 22;
    qint16 mode = NewEntry;

    // Whether the date and time boxes also take words (明日, 来週の金曜, 午後3時); each box
    // then shows beside it what it was read as.
    void setNaturalDates(bool on);

    // Fills the boxes, sets the mode and shows the dialog modal.
    void showWith(qint16 newMode, const QString &date, const QString &time, const QString &event,
                  const Repetition &repeat = {});

    void cmdOK_Click();
    void cmdCancel_Click();
    void txtEvent_Change();
    void cmdThisDay_Click();
    void cmdDelete_Click();
    void reject() override; // Escape

private:
    void refuse(QLineEdit *box, const QString &message);
    void finish();
    void createRepeatControls();
    // The nth-weekday choice names the date's own ("毎月第2木曜").
    void txtDate_Change();
    void txtTime_Change();
    // What is stored: the text as typed when it is a date or time as the schedule writes
    // them, else what the words were read as (yyyy/m/d, hh:mm).
    [[nodiscard]] QString storedDate() const;
    [[nodiscard]] QString storedTime() const;
    void selectRule(const QString &rule);
    [[nodiscard]] Repetition repetition() const;
    // Whether the date, time and last day can be stored; tells the user otherwise.
    [[nodiscard]] bool accepted();

    const Clock &m_clock;
    Prompter &m_prompter;
    Store m_store;
    QLineEdit *txtDate = nullptr;
    QLineEdit *txtTime = nullptr;
    QLineEdit *txtEvent = nullptr;
    QComboBox *cboRepeat = nullptr;
    QLineEdit *txtUntil = nullptr;
    QLabel *lblHint = nullptr;
    QLabel *lblDateRead = nullptr;
    QLabel *lblTimeRead = nullptr;
    bool m_naturalDates = false;
    QPushButton *cmdThisDay = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
};
