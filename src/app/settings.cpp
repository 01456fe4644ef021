// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings.h"

#include "text/profile.h"

namespace {

const QString section = QStringLiteral("Pim");

int placeValue(const ProfileFile &ini, const char *key, const char *defaultValue)
{
    return leadingNumber(ini.readString(section, QLatin1String(key), QLatin1String(defaultValue), 16));
}

} // namespace

QString profileNumber(int value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

Settings readSettings(const ProfileFile &ini)
{
    Settings s;
    s.editor = ini.readString(section, QStringLiteral("Editor"), s.editor, 30);
    s.left = placeValue(ini, "Left", "0");
    s.top = placeValue(ini, "Top", "0");
    s.width = placeValue(ini, "Width", "8000  ");
    const int editMode = ini.readInt(section, QStringLiteral("EditMode"), 1);
    s.board.editMode = editMode == int(EditMode::Overwrite) ? EditMode::Overwrite : EditMode::Insert;
    s.board.skipStartup = ini.readInt(section, QStringLiteral("skipstartup"), 0) != 0;
    return s;
}

void writeSettings(ProfileFile &ini, const Settings &s, bool windowNormal)
{
    if (windowNormal) {
        ini.writeString(section, QStringLiteral("Left"), profileNumber(s.left));
        ini.writeString(section, QStringLiteral("Top"), profileNumber(s.top));
        ini.writeString(section, QStringLiteral("Width"), profileNumber(s.width));
    }
    ini.writeString(section, QStringLiteral("EditMode"), profileNumber(int(s.board.editMode)));
    ini.writeString(section, QStringLiteral("skipstartup"), profileNumber(s.board.skipStartup ? -1 : 0));
    ini.writeString(section, QStringLiteral("editor"), s.editor);
}
