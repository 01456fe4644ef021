// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The desktop's start at login of this program: an XDG autostart entry, kibanu.desktop,
// in the user's autostart folder. The entry is the setting; nothing else records it.
class LoginStart {
public:
    // The entry in <configFolder>/autostart, starting `program` (a full path).
    LoginStart(const QString &configFolder, const QString &program);
    // The user's configuration folder ($XDG_CONFIG_HOME or ~/.config) and this executable.
    [[nodiscard]] static LoginStart forThisProgram();

    [[nodiscard]] QString entryPath() const { return m_entry; }
    // The entry is there and the desktop would start it: neither Hidden=true nor
    // X-GNOME-Autostart-enabled=false.
    [[nodiscard]] bool isOn() const;
    // Writes the entry whole (or removes it); an empty text, or what went wrong.
    [[nodiscard]] QString turnOn() const;
    [[nodiscard]] QString turnOff() const;

    // The entry's text for a program at that path.
    [[nodiscard]] static QByteArray entryText(const QString &program);
    // The path as a desktop entry's Exec key holds it: quoted where a shell would split or
    // expand it, and every '%' doubled, as field codes start with it (run through env then).
    [[nodiscard]] static QString execValue(const QString &program);

private:
    QString m_entry;
    QString m_program;
};
