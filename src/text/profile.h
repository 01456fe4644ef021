// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textfile.h"

#include <QStringList>

// A settings file in the Windows profile format: "[section]" lines and "key=value"
// lines, CP932 with CR LF. Section and key names match without regard to case; every
// line the program does not change is written back as it was read.
class ProfileFile {
public:
    TextFileRead load(const QString &path);

    // The value, blanks around it and one pair of enclosing quotes removed, or the
    // default without its trailing blanks. At most bufferBytes - 1 CP932 bytes, cut
    // before a character that would not fit whole.
    [[nodiscard]] QString readString(const QString &section, const QString &key,
                                     const QString &defaultValue, int bufferBytes) const;
    // The value's leading decimal integer (0 when there is none), or the default.
    [[nodiscard]] int readInt(const QString &section, const QString &key, int defaultValue) const;

    // Replaces the key's value, keeping the key as it was spelt; a new key goes after the
    // section's last entry, a new section at the end.
    void writeString(const QString &section, const QString &key, const QString &value);

    [[nodiscard]] const QStringList &lines() const { return m_lines; }

private:
    struct Found {
        qsizetype sectionLine = -1; // the "[section]" line
        qsizetype keyLine = -1;
        qsizetype lastEntryLine = -1; // the section's last non-blank line
    };
    [[nodiscard]] Found find(const QString &section, const QString &key) const;

    QStringList m_lines;
};

// The leading decimal integer of a text after blanks, with its sign; 0 without digits.
[[nodiscard]] int leadingNumber(const QString &text);
