// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTemporaryDir>

#include <map>

// The program in a child process on a program folder of its own.

inline const QStringList dataFiles{"todo.txt", "closet.txt", "done.txt", "schedule.txt",
                                   "tel.txt",  "type.txt",   "pim.ini"};

using Files = std::map<QString, QByteArray>; // a missing file reads "<missing>"

// Writes the files of real shape into that folder.
void writeQuitInput(const QString &dir);
// Every data file of that folder.
[[nodiscard]] Files filesIn(const QString &dir);

// A temporary program folder holding the files of real shape, or the given ones.
struct Folder {
    Folder();
    explicit Folder(const Files &files);
    [[nodiscard]] QString path(const QString &name) const;
    [[nodiscard]] Files files() const;
    QTemporaryDir dir;
};

struct Child {
    bool killed = false;
    int exitCode = -1;
    QString output;
};

// Runs a program with the arguments; `KIBANU_QUITCHILD` names the child program.
[[nodiscard]] Child runProgram(const QString &program, const QStringList &args);
[[nodiscard]] Child runChild(const Folder &folder, const QStringList &args);

// done.txt only grows: between its old and its new content it may hold some of the new
// lines, but only whole ones. Every other file is either as it was or as it should become.
[[nodiscard]] bool isOldOrNew(const QString &name, const QByteArray &now, const QByteArray &old,
                              const QByteArray &wanted);
