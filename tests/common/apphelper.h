// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/kibanuapp.h"
#include "app/session.h"
#include "board/frmtodo.h"
#include "common/fakes.h"
#include "store/loginstart.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

// The whole application on a temporary program folder, on a fixed day.
struct AppRun {
    AppRun()
    {
        auto clockOwner = std::make_unique<FakeClock>(QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
        auto prompterOwner = std::make_unique<ScriptedPrompter>();
        clock = clockOwner.get();
        prompter = prompterOwner.get();
        app = std::make_unique<KibanuApp>(dir.path(), std::move(clockOwner),
                                          std::move(prompterOwner));
        // Reminders in the program's own window, never on the desktop running the tests.
        app->setNotificationBus(std::nullopt);
        // The autostart entry in the test's folder, never the user's.
        app->setLoginStart(LoginStart(path("config"), QStringLiteral("/usr/bin/kibanu")));
    }

    QString path(const char *name) const { return QDir(dir.path()).filePath(name); }

    // Starts straight onto the board, without the start-up window.
    frmTodo *startBoard()
    {
        app->setSkipStartup(true);
        app->start();
        frmTodo *w = app->todoWindow();
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        // The watch and the reminders start once the board has been painted.
        EXPECT_TRUE(QTest::qWaitFor([this] { return app->reminding() != nullptr; }));
        return w;
    }

    // Types the text into the board's slot and commits it with Enter, as a user does;
    // the answers of any question it asks must be scripted first.
    void commitSlot(int slot, const QString &text)
    {
        frmTodo *w = app->todoWindow();
        QTest::mouseDClick(w->findChild<QWidget *>(QStringLiteral("lblTodo_%1").arg(slot)),
                           Qt::LeftButton);
        auto *box = w->findChild<QWidget *>(QStringLiteral("txtTodo_%1").arg(slot));
        box->setProperty("text", text);
        QTest::keyClick(box, Qt::Key_Return);
    }

    // Quits with saving; true when the program ended.
    bool quit()
    {
        app->quitWithSaving();
        return app->session().hasEnded();
    }

    TodoBoard &board() { return app->session().board(); }
    ShelfList &shelf() { return app->session().shelf(); }
    ScheduleTable &schedule() { return app->session().schedule(); }
    PhoneBook &phoneBook() { return app->session().phoneBook(); }

    QTemporaryDir dir;
    FakeClock *clock = nullptr;
    ScriptedPrompter *prompter = nullptr;
    std::unique_ptr<KibanuApp> app;
};

class AppTest : public ::testing::Test, public AppRun {};
