// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class Clock;
class Prompter;
class Session;
struct phoneentry;
enum class Interchange;

// ﾌｧｲﾙ → 予定表を書き出す … 電話帳に読み込む: the schedule and the phone book written to and
// read from the files of other programs (iCalendar, vCard). A file chosen in the file
// dialog, and one message of what was done; what is read is in memory like typed entries,
// saved at the next quit.
class InterchangeActions {
public:
    InterchangeActions(Session &session, Prompter &prompter, const Clock &clock);

    void run(Interchange what);

private:
    void exportSchedule();
    void importSchedule();
    void exportPhoneBook();
    void importPhoneBook();

    // The file dialog, starting in the folder last used; that folder is remembered.
    QString chooseFile(bool save, const QString &title, const QString &fileName,
                       const QString &filter);
    bool writeExchangeFile(const QString &path, const QByteArray &bytes);
    // The file chosen and its bytes; nothing when cancelled or unreadable (said).
    std::optional<QByteArray> chooseAndRead(const QString &title, const QString &filter,
                                            QString &path);
    // A file refused is said by name; characters that become "？" are named first. False
    // when nothing is to be taken.
    bool mayTake(const QString &path, const QString &error, const QStringList &replaced);

    // What reading cards into the phone book did, for the one message at its end.
    struct CardsTaken {
        int added = 0;
        int joined = 0;
        int skipped = 0;
        int leftOut = 0;
        QStringList leftOutPairs;
    };
    // The index a card's entry is filed under: its own, or one the user types where it
    // has none the phone book takes; empty when the user cancels.
    QString indexFor(const QString &index, const QString &cardName);
    // A card whose index is in use may join its pairs to that entry, if the user agrees.
    [[nodiscard]] static QString cardsMessage(const CardsTaken &taken);

    Session &m_session;
    Prompter &m_prompter;
    const Clock &m_clock;
};
