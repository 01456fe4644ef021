// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "prompter.h"

// Message boxes titled "Kibanu", without an icon, with Japanese button texts.
class MessageBoxPrompter : public Prompter {
public:
    void inform(const QString &text) override;
    bool askYesNo(const QString &text) override;
    bool askOkCancel(const QString &text) override;
    Answer askYesNoCancel(const QString &text) override;
    std::optional<int> askNumber(const QString &text, int value, int minimum,
                                 int maximum) override;
    std::optional<QString> askText(const QString &text, const QString &value) override;
    QString askFileName(FileUse use, const QString &title, const QString &start,
                        const QString &filter) override;
};
