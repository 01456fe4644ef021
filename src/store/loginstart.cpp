// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "loginstart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

LoginStart::LoginStart(const QString &configFolder, const QString &program)
    : m_entry(QDir(configFolder).filePath(QStringLiteral("autostart/kibanu.desktop"))),
      m_program(program)
{
}

LoginStart LoginStart::forThisProgram()
{
    return {QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
            QCoreApplication::applicationFilePath()};
}

QString LoginStart::execValue(const QString &program)
{
    // The characters that desktop entries reserve in an argument.
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString value = program;
    if (std::any_of(program.begin(), program.end(), [](QChar c) { return reserved.contains(c); })) {
        value.clear();
        for (const QChar c : program) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                value += QLatin1Char('\\');
            value += c;
        }
        value = QLatin1Char('"') + value + QLatin1Char('"');
    }
    // A string value escapes its backslashes once more.
    value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    if (!program.contains(QLatin1Char('%')))
        return value;
    // GLib looks for the program as Exec's first word before it undoes the doubling, and
    // would skip the entry: env is found, and gets the path as it was.
    return QStringLiteral("env ") + value.replace(QLatin1Char('%'), QStringLiteral("%%"));
}

QByteArray LoginStart::entryText(const QString &program)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Kibanu\n"
                          "Comment=ボードを開く\n"
                          "Exec=%1\n"
                          "Icon=kibanu\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(execValue(program))
        .toUtf8();
}

bool LoginStart::isOn() const
{
    QFile file(m_entry);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bool inEntry = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith('['))
            inEntry = line == "[Desktop Entry]";
        const auto value = [&line](const char *key) {
            const QByteArray prefix = QByteArray(key) + '=';
            return line.startsWith(prefix) ? line.mid(prefix.size()).trimmed() : QByteArray();
        };
        if (inEntry && (value("Hidden") == "true" || value("X-GNOME-Autostart-enabled") == "false"))
            return false;
    }
    return true;
}

QString LoginStart::turnOn() const
{
    if (!QDir().mkpath(QFileInfo(m_entry).absolutePath()))
        return QStringLiteral("フォルダを作れません。");
    QSaveFile file(m_entry);
    if (!file.open(QIODevice::WriteOnly) || file.write(entryText(m_program)) < 0 || !file.commit())
        return file.errorString();
    return {};
}

QString LoginStart::turnOff() const
{
    QFile file(m_entry);
    if (!file.exists() || file.remove())
        return {};
    return file.errorString();
}
