// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// Every message box of the program goes through here, so tests can answer them.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual void inform(const QString &text) = 0;     // OK only
    virtual bool askYesNo(const QString &text) = 0;   // true for Yes
    virtual bool askOkCancel(const QString &text) = 0; // true for OK
    // A whole number from minimum to maximum, starting at value; nothing when cancelled.
    virtual std::optional<int> askNumber(const QString &text, int value, int minimum,
                                         int maximum) = 0;
};
