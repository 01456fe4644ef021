// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/boardoptions.h"

#include <QString>

class ProfileFile;

// The settings kept in pim.ini, section "Pim".
struct Settings {
    QString editor = QStringLiteral("c:\\windows\\notepad.exe");
    int left = 0; // twips
    int top = 0;
    int width = 8000;
    BoardOptions board; // EditMode and skipstartup
    // The folder of the last iCalendar or vCard file written or read; written only once
    // there is one.
    QString exchangeFolder;
    // The sync folder (a vdir: calendar/ and contacts/) and the command that syncs it
    // with the servers, run before the start reads and after the quit writes; both empty
    // (the keys absent) when there is no sync.
    QString syncFolder;
    QString syncCommand;
    bool syncKeysRead = false; // pim.ini had them: clearing them writes them empty
};

// Values as the program has always read them: the editor cut to 29 bytes, the window's
// place from the leading number of each text, insert mode unless 2, any non-zero
// skipstartup as skipping (written back as -1).
[[nodiscard]] Settings readSettings(const ProfileFile &ini);

// The window's place only while it is in its normal state; the rest always.
void writeSettings(ProfileFile &ini, const Settings &settings, bool windowNormal);
// The same into pim.ini as it is now, which another program may have changed since the
// start (readAtStart): a key this run left as it was read keeps the other program's
// value; every other key is written as above.
void mergeSettings(ProfileFile &ini, const Settings &settings, bool windowNormal,
                   const Settings &readAtStart);

// The folder the sync setting names: "~" and "~/…" from the home folder, a relative one
// from `base` (left relative without one).
[[nodiscard]] QString syncFolderPath(const QString &setting, const QString &base = {});

// A number as pim.ini holds it: a leading blank, or the minus sign.
[[nodiscard]] QString profileNumber(int value);
