// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings.h"

#include "schedule/reminders.h"
#include "text/profile.h"

#include <QDir>

#include <optional>

namespace {

const QString section = QStringLiteral("Pim");

int placeValue(const ProfileFile &ini, const char *key, const char *defaultValue)
{
    return leadingNumber(ini.readString(section, QLatin1String(key), QLatin1String(defaultValue), 16));
}

std::optional<int> strictNumber(const ProfileFile &ini, const char *key)
{
    bool ok = false;
    const int value = ini.readString(section, QLatin1String(key), QString(), 16).trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

QString profileNumber(int value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

QString syncFolderPath(const QString &setting, const QString &base)
{
    QString folder = setting;
    if (folder == u"~" || folder.startsWith(QLatin1String("~/")))
        folder = QDir::homePath() + folder.mid(1);
    if (!folder.isEmpty() && !base.isEmpty())
        folder = QDir(base).absoluteFilePath(folder);
    return folder;
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
    // Newer keys: a file without them (Kibanu 2.0's) takes the defaults, and so does a
    // value that is not one of theirs.
    s.board.notify = strictNumber(ini, "Notify").value_or(1) != 0;
    s.board.naturalDates = strictNumber(ini, "NaturalDates").value_or(1) != 0;
    s.board.tray = strictNumber(ini, "Tray").value_or(1) != 0;
    s.board.closeToTray = strictNumber(ini, "CloseToTray").value_or(0) != 0;
    s.exchangeFolder = ini.readString(section, QStringLiteral("ExchangeFolder"), QString(), 1024);
    const QString absent = QStringLiteral("\x1f");
    const QString folder = ini.readString(section, QStringLiteral("SyncFolder"), absent, 1024);
    const QString command = ini.readString(section, QStringLiteral("SyncCommand"), absent, 1024);
    s.syncKeysRead = folder != absent || command != absent;
    s.syncFolder = folder == absent ? QString() : folder.trimmed();
    s.syncCommand = command == absent ? QString() : command.trimmed();
    const int before = strictNumber(ini, "NotifyBefore").value_or(s.board.notifyBefore);
    if (before >= 0 && before <= Reminders::MostLead)
        s.board.notifyBefore = before;
    return s;
}

namespace {

// The keys the quit writes, in their order, with their texts.
QList<std::pair<QString, QString>> entries(const Settings &s, bool windowNormal)
{
    QList<std::pair<QString, QString>> written;
    if (windowNormal) {
        written.append({QStringLiteral("Left"), profileNumber(s.left)});
        written.append({QStringLiteral("Top"), profileNumber(s.top)});
        written.append({QStringLiteral("Width"), profileNumber(s.width)});
    }
    written.append({QStringLiteral("EditMode"), profileNumber(int(s.board.editMode))});
    written.append({QStringLiteral("skipstartup"), profileNumber(s.board.skipStartup ? -1 : 0)});
    written.append({QStringLiteral("editor"), s.editor});
    written.append({QStringLiteral("Notify"), profileNumber(s.board.notify ? 1 : 0)});
    written.append({QStringLiteral("NotifyBefore"), profileNumber(s.board.notifyBefore)});
    written.append({QStringLiteral("NaturalDates"), profileNumber(s.board.naturalDates ? 1 : 0)});
    written.append({QStringLiteral("Tray"), profileNumber(s.board.tray ? 1 : 0)});
    written.append({QStringLiteral("CloseToTray"), profileNumber(s.board.closeToTray ? 1 : 0)});
    if (!s.exchangeFolder.isEmpty())
        written.append({QStringLiteral("ExchangeFolder"), s.exchangeFolder});
    if (s.syncKeysRead || !s.syncFolder.isEmpty() || !s.syncCommand.isEmpty()) {
        written.append({QStringLiteral("SyncFolder"), s.syncFolder});
        written.append({QStringLiteral("SyncCommand"), s.syncCommand});
    }
    return written;
}

} // namespace

void writeSettings(ProfileFile &ini, const Settings &s, bool windowNormal)
{
    for (const auto &[key, text] : entries(s, windowNormal))
        ini.writeString(section, key, text);
}

void mergeSettings(ProfileFile &ini, const Settings &s, bool windowNormal,
                   const Settings &readAtStart)
{
    // Compared as the program reads them, so "Left=0" and "Left= 0" are one value.
    const auto atStart = entries(readAtStart, true);
    const auto onDisk = entries(readSettings(ini), true);
    const auto textOf = [](const QList<std::pair<QString, QString>> &all, const QString &key) {
        for (const auto &[k, text] : all)
            if (k == key)
                return text;
        return QString();
    };
    for (const auto &[key, text] : entries(s, windowNormal)) {
        const QString start = textOf(atStart, key);
        if (text == start && textOf(onDisk, key) != start)
            continue; // changed by another program, not by this run
        ini.writeString(section, key, text);
    }
}
