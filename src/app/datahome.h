// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Where the data files live: beside the executable in a program folder of its own (as
// ever, and as Kibanu 2.0's users keep them), or, for a program installed into the
// system's folders (the Debian package), in the user's data folder.
namespace datahome {

struct Choice {
    QString folder;
    QString error; // the user's data folder could not be made
};

// The program folder while the user can write it and it is none of the system's folders
// (/usr); else `dataHome`/Kibanu, made when missing, pim.ini in it too.
[[nodiscard]] Choice choose(const QString &programFolder, const QString &dataHome);
// What the program folder held when the data folder is another: its data files, as they
// are, copied into a data folder that has none yet (the first start of a program whose
// folder cannot be written); a word for the user either way.
struct Carried {
    QStringList copied; // names of the files copied
    QString notice;     // what to tell the user, if anything
    QString error;      // a copy failed: nothing was copied
};
// Where both hold data files, the data folder's are used; that is said while the program
// folder's are the newer, so the user sees why an edit there does not show.
[[nodiscard]] Carried carryOver(const QString &programFolder, const QString &dataFolder);
// Whether a file can be made in the folder, tried rather than read off its permissions.
[[nodiscard]] bool writable(const QString &folder);
// The help file: beside the executable, else where the package puts it (../share/kibanu).
[[nodiscard]] QString helpFile(const QString &programFolder);

} // namespace datahome
