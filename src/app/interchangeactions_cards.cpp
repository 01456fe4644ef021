// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The phone book in vCard: written out, and cards read in.
#include "interchangeactions.h"

#include "interchangetexts.h"
#include "phonebook/phonecards.h"
#include "session.h"
#include "text/narrow.h"
#include "ui/prompter.h"

#include <QDir>

void InterchangeActions::exportPhoneBook()
{
    const QString path = chooseFile(true, QStringLiteral("電話帳を書き出す (vCard)"),
                                    QStringLiteral("tel.vcf"), interchangetexts::cardFilter());
    if (path.isEmpty())
        return;
    const PhoneBook &book = m_session.phoneBook();
    if (!writeExchangeFile(path, phonecards::write(book)))
        return;
    m_prompter.inform(QStringLiteral("%1 件を書き出しました。\n%2")
                          .arg(book.ntphone())
                          .arg(QDir::toNativeSeparators(path)));
}

void InterchangeActions::importPhoneBook()
{
    QString path;
    const std::optional<QByteArray> bytes =
        chooseAndRead(QStringLiteral("電話帳に読み込む (vCard)"), interchangetexts::cardFilter(), path);
    if (!bytes)
        return;
    const phonecards::ReadResult read = phonecards::read(*bytes);
    if (!mayTake(path, read.error, read.replaced))
        return;
    PhoneBook &book = m_session.phoneBook();
    CardsTaken taken;
    for (qsizetype k = 0; k < read.entries.size(); ++k) {
        phoneentry entry = read.entries.at(k).entry;
        const QString &cardName = read.entries.at(k).cardName;
        entry.index = indexFor(entry.index, cardName);
        if (entry.index.isEmpty()) {
            ++taken.skipped;
            taken.leftOutPairs += read.entries.at(k).leftOutPairs;
            continue;
        }
        // An entry is never replaced: the card's pairs may join it.
        const auto sameIndex = [&](int pos) {
            return m_prompter.askYesNo(QStringLiteral("index「%1」は電話帳にあります（%2）。\n"
                                                      "カード「%3」の番号をこの項目に加えますか？")
                                           .arg(entry.index, book.at(pos).name, cardName))
                       ? PhoneBook::SameIndex::Join
                       : PhoneBook::SameIndex::Skip;
        };
        const PhoneBook::CardTaken card =
            book.takeCard(entry, read.entries.at(k).leftOutPairs, sameIndex);
        using Outcome = PhoneBook::CardTaken::Outcome;
        if (card.outcome == Outcome::BookFull) {
            taken.leftOut = int(read.entries.size() - k);
            break;
        }
        taken.leftOutPairs += card.leftOutPairs;
        taken.added += card.outcome == Outcome::Added ? 1 : 0;
        taken.joined += card.outcome == Outcome::Joined ? 1 : 0;
        taken.skipped += card.outcome == Outcome::Skipped ? 1 : 0;
    }
    m_prompter.inform(cardsMessage(taken));
}

QString InterchangeActions::indexFor(const QString &index, const QString &cardName)
{
    QString typed = index;
    QString problem;
    while (typed.isEmpty() || !isIndexText(narrow(typed))) {
        const std::optional<QString> answer = m_prompter.askText(
            problem + QStringLiteral("「%1」の index（ローマ字と数字）を入力してください。\n"
                                     "キャンセルすると、このカードは読み込みません。")
                          .arg(cardName),
            typed);
        if (!answer)
            return {};
        typed = answer->trimmed();
        problem = QStringLiteral("indexはalphabetと数字のみです。\n");
    }
    return typed;
}

QString InterchangeActions::cardsMessage(const CardsTaken &taken)
{
    QStringList told{QStringLiteral("%1 件を読み込みました。").arg(taken.added)};
    if (taken.joined > 0)
        told.append(QStringLiteral("%1 件は同じ index の項目に番号を加えました。").arg(taken.joined));
    if (taken.skipped > 0)
        told.append(QStringLiteral("%1 件は読み込みませんでした。").arg(taken.skipped));
    if (taken.leftOut > 0)
        told.append(QStringLiteral("電話帳がいっぱい（%1 件）になったため、%2 件は読み込めませんでした。")
                        .arg(PhoneBook::Capacity)
                        .arg(taken.leftOut));
    if (!taken.leftOutPairs.isEmpty())
        told.append(QStringLiteral("1 項目 %1 組を超えるため、次の番号は読み込みませんでした。\n%2")
                        .arg(phoneentry::MaxPairs)
                        .arg(interchangetexts::lines(taken.leftOutPairs)));
    return interchangetexts::lines(told);
}
