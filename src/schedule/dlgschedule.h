// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>

class Clock;
class Prompter;
class QLabel;
class QLineEdit;
class QPushButton;

// The entry dialog of the schedule: a date, a time and an event text.
class dlgSchedule : public QDialog {
    Q_OBJECT
public:
    // What OK hands back once the date and the time were accepted: the mode and the three
    // texts as typed. The opener stores it; false keeps the dialog open (nothing stored).
    using Store = std::function<bool(qint16 mode, const QString &date, const QString &time,
                                     const QString &event)>;

    dlgSchedule(const Clock &clock, Prompter &prompter, Store store, QWidget *parent);

    // Adds a new entry, or replaces the entry selected in the schedule window; any other
    // mode stores nothing.
    static constexpr qint16 NewEntry = 1;
    static constexpr qint16 ChangeEntry = 10;
    qint16 mode = NewEntry;

    // Fills the three boxes, sets the mode and shows the dialog modal.
    void showWith(qint16 newMode, const QString &date, const QString &time, const QString &event);

    void cmdOK_Click();
    void cmdCancel_Click();
    void txtEvent_Change();
    void reject() override; // Escape

private:
    void refuse(QLineEdit *box, const QString &message);
    void finish();

    const Clock &m_clock;
    Prompter &m_prompter;
    Store m_store;
    QLineEdit *txtDate = nullptr;
    QLineEdit *txtTime = nullptr;
    QLineEdit *txtEvent = nullptr;
    QLabel *lblHint = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
};
