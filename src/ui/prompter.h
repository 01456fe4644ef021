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
    enum class Answer { Yes, No, Cancel };
    virtual Answer askYesNoCancel(const QString &text) = 0; // Escape: Cancel
    // A whole number from minimum to maximum, starting at value; nothing when cancelled.
    virtual std::optional<int> askNumber(const QString &text, int value, int minimum,
                                         int maximum) = 0;
    // A line of text, starting with value; nothing when cancelled.
    virtual std::optional<QString> askText(const QString &text, const QString &value) = 0;
    // A file (or a folder) chosen in the platform's file dialog, starting at `start` (a
    // folder, or for a save the suggested file); empty when cancelled.
    enum class FileUse { Open, Save, Folder };
    virtual QString askFileName(FileUse use, const QString &title, const QString &start,
                                const QString &filter) = 0;
};
