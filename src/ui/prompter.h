// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Every message box of the program goes through here, so tests can answer them.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual void inform(const QString &text) = 0;     // OK only
    virtual bool askYesNo(const QString &text) = 0;   // true for Yes
    virtual bool askOkCancel(const QString &text) = 0; // true for OK
};
