// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDialog>

class QCheckBox;
class QDateEdit;
class QRadioButton;
class QSpinBox;

// What to print, chosen in the dialog "印刷".
struct PrintChoice {
    enum What { Schedule, PhoneBook, Done, Board };
    What what = Schedule;
    QDate from;         // the schedule's first day, or the done log's
    int days = 14;      // the schedule's
    QDate to;           // the done log's last day
    bool onlySelected = false; // the phone book's entry shown in its window
};

// The choice before the preview or the PDF: 予定表 from a day for N days, 電話帳 whole or
// the selected entry, やった事 between two days, or ボード.
class dlgPrint : public QDialog {
    Q_OBJECT
public:
    dlgPrint(QDate today, bool haveSelectedEntry, QWidget *parent);

    [[nodiscard]] PrintChoice choice() const;

private:
    QRadioButton *optSchedule = nullptr;
    QRadioButton *optPhone = nullptr;
    QRadioButton *optDone = nullptr;
    QRadioButton *optBoard = nullptr;
    QDateEdit *dtpFrom = nullptr;
    QSpinBox *spnDays = nullptr;
    QCheckBox *chkSelected = nullptr;
    QDateEdit *dtpDoneFrom = nullptr;
    QDateEdit *dtpDoneTo = nullptr;
};
