// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The autostart entry that starts the program at login.
#include "common/testfiles.h"
#include "store/loginstart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Quoted where a shell would split or expand, escaped once for the quotes and once as a
// string value, and '%' doubled for the field codes (through env, so GLib finds a program).
TEST(LoginStart, theExecValueKeepsEveryPathWhole)
{
    const std::pair<const char *, const char *> rows[] = {
        {"/usr/bin/kibanu", "/usr/bin/kibanu"},
        {"/home/user/ユーザー/kibanu", "/home/user/ユーザー/kibanu"},
        {"/home/a b/kibanu", "\"/home/a b/kibanu\""},
        {"/opt/100%/kibanu", "env /opt/100%%/kibanu"},
        {"/opt/100% sure/k", "env \"/opt/100%% sure/k\""},
        {"/x/$HOME/k", "\"/x/\\\\$HOME/k\""},
        {"/x/say\"hi\"/k", "\"/x/say\\\\\"hi\\\\\"/k\""},
        {"/x/back\\slash", "\"/x/back\\\\\\\\slash\""},
        {"/x/(1)/k", "\"/x/(1)/k\""},
    };
    for (const auto &[path, exec] : rows)
        EXPECT_EQ(LoginStart::execValue(QString::fromUtf8(path)), QString::fromUtf8(exec)) << path;
}

TEST(LoginStart, onWritesTheEntryAndOffRemovesIt)
{
    QTemporaryDir config;
    const LoginStart start(config.path(), QStringLiteral("/opt/kibanu/kibanu"));
    EXPECT_EQ(start.entryPath(), config.filePath("autostart/kibanu.desktop"));
    EXPECT_FALSE(start.isOn());
    EXPECT_EQ(start.turnOff(), QString()); // nothing there is no failure

    EXPECT_EQ(start.turnOn(), QString()); // the autostart folder is made
    EXPECT_TRUE(start.isOn());
    const QByteArray entry = readBytes(start.entryPath());
    EXPECT_TRUE(entry.startsWith("[Desktop Entry]\nType=Application\n"));
    for (const char *line : {"\nExec=/opt/kibanu/kibanu\n", "\nX-GNOME-Autostart-enabled=true\n",
                             "\nName=Kibanu\n"})
        EXPECT_TRUE(entry.contains(line)) << line;

    EXPECT_EQ(start.turnOff(), QString());
    EXPECT_FALSE(QFile::exists(start.entryPath()));
    EXPECT_FALSE(start.isOn());
}

// What the desktop would not start reads as off; turning it on writes a whole new entry.
TEST(LoginStart, anEntryTheDesktopSkipsReadsAsOff)
{
    QTemporaryDir config;
    const LoginStart start(config.path(), QStringLiteral("/usr/bin/kibanu"));
    QDir().mkpath(config.filePath("autostart"));
    const std::pair<const char *, bool> rows[] = {
        {"[Desktop Entry]\nExec=kibanu\n", true},
        {"[Desktop Entry]\nExec=kibanu\nHidden=true\n", false},
        {"[Desktop Entry]\r\nX-GNOME-Autostart-enabled=false\r\n", false},
        {"[Desktop Entry]\nHidden=false\nX-GNOME-Autostart-enabled=true\n", true},
        {"[Desktop Entry]\nExec=kibanu\n[Desktop Action x]\nHidden=true\n", true},
    };
    for (const auto &[text, on] : rows) {
        writeBytes(start.entryPath(), text);
        EXPECT_EQ(start.isOn(), on) << text;
    }
    writeBytes(start.entryPath(), "[Desktop Entry]\nHidden=true\n");
    EXPECT_EQ(start.turnOn(), QString());
    EXPECT_TRUE(start.isOn());
    EXPECT_FALSE(readBytes(start.entryPath()).contains("Hidden"));
}

TEST(LoginStart, aFolderThatCannotBeMadeIsSaid)
{
    QTemporaryDir config;
    writeBytes(config.filePath("autostart"), "a file where the folder would be");
    const LoginStart start(config.path(), QStringLiteral("/usr/bin/kibanu"));
    EXPECT_NE(start.turnOn(), QString());
    EXPECT_FALSE(start.isOn());
}

TEST(LoginStart, theUsersConfigurationFolderFollowsXdgConfigHome)
{
    QTemporaryDir config;
    const QByteArray before = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const LoginStart start = LoginStart::forThisProgram();
    EXPECT_EQ(start.entryPath(), config.filePath("autostart/kibanu.desktop"));
    EXPECT_EQ(start.turnOn(), QString());
    EXPECT_TRUE(readBytes(start.entryPath())
                    .contains("\nExec=" + LoginStart::execValue(QCoreApplication::applicationFilePath())
                                              .toUtf8() + '\n'));
    if (before.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", before);
}
