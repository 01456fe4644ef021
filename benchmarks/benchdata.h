// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QTemporaryDir>

// A program folder holding the largest data set Kibanu is made for, written as the
// program writes it (CP932, CR LF), lines of the sorted files shuffled as a hand-edited
// file may have them.
namespace benchdata {

constexpr int ScheduleEntries = 1001;
constexpr int PhoneEntries = 1001;
constexpr int PairsPerEntry = 11;
constexpr int ShelvedItems = 1000;
constexpr int PhoneTypes = 20;
constexpr int DoneLines = 100000;
constexpr int RepeatSeries = 200;

// Before every appointment of the set, so that a quit hands none to done.txt and each
// run writes the same files.
const QDate Today(2026, 1, 5);

// The lines of each file, without line ends.
QStringList todoLines();
QStringList closetLines(int count = ShelvedItems);
QStringList typeLines();
QStringList scheduleLines(int count = ScheduleEntries);
QStringList telLines(int count = PhoneEntries);
QStringList doneLines(int count = DoneLines);
QStringList repeatLines(int count = RepeatSeries);

// Writes the lines in CP932 with CR LF; stops the program when that fails.
void writeFile(const QString &folder, const QString &name, const QStringList &lines);
// Every data file and pim.ini (start-up window skipped) in the folder; repeat.txt only
// with `series`.
void writeProgramFolder(const QString &folder, bool series = true);

} // namespace benchdata
