// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "refusals.h"

QString refusalMessage(Refusal refusal, const QString &index)
{
    switch (refusal) {
    case Refusal::None:
        return {};
    case Refusal::EmptyIndex:
        return QStringLiteral("indexを入力して下さい。");
    case Refusal::NotLettersAndDigits:
        return QStringLiteral("indexはalphabetと数字のみで構成して下さい。");
    case Refusal::IndexInUse:
        return QStringLiteral("そのindexはすでに使用されています。新規のindexを入力して下さい。");
    case Refusal::PairsFull:
        return QStringLiteral("%1 にはすでに%2件の番号があります。\nこれ以上は追加できません。")
            .arg(index)
            .arg(phoneentry::MaxPairs);
    case Refusal::BookFull:
        return QStringLiteral("電話帳がいっぱいです（%1 件）。\n項目を削除してから追加して下さい。")
            .arg(PhoneBook::Capacity);
    }
    return {};
}
