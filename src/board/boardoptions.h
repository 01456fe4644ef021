// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// What a drop of one slot's text on another does.
enum class EditMode : qint16 {
    Insert = 1,    // the texts between shift one place towards the source
    Overwrite = 2, // the target's old text goes to the shelf
};

// The options of the board's menu, kept in pim.ini. The settings own them; the board
// reads and changes them there.
struct BoardOptions {
    EditMode editMode = EditMode::Insert;
    bool skipStartup = false; // the start-up window is skipped
    bool notify = true;       // appointments are announced at their time
    int notifyBefore = 10;    // minutes before the time
    bool naturalDates = true; // 明日 10時 is read as a date and a time
    bool tray = true;         // the icon in the desktop's tray, where there is one
    bool closeToTray = false; // with the icon, the close box hides the board
};
