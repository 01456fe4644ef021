// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchdata.h"

#include "text/cp932.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <random>

namespace benchdata {
namespace {

const QStringList families{"佐藤", "鈴木", "高橋", "田中", "伊藤", "渡辺", "山本", "中村",
                           "小林", "加藤", "吉田", "山田", "佐々木", "山口", "松本", "井上"};
const QStringList givens{"太郎", "花子", "一郎", "美咲", "健太", "陽子", "翔", "直樹"};
const QStringList romaji{"sato", "suzuki", "takahashi", "tanaka", "Ito", "watanabe",
                         "yamamoto", "Nakamura", "kobayashi", "kato", "yoshida", "yamada",
                         "sasaki", "Yamaguchi", "matsumoto", "inoue"};
const QStringList chores{"見積書を送る", "会議室を予約する", "請求書を確認する",
                         "打合せ資料を作る", "ＡＢＣ社に電話", "議事録をまとめる"};
const QStringList types{"電話", "FAX", "携帯", "会社", "自宅", "E-mail", "ポケベル", "内線",
                        "直通", "代表", "営業部", "総務部", "実家", "別荘", "事務所", "工場",
                        "支店", "本社", "URL", "その他"};

template <typename T> QStringList shuffled(QStringList lines, T seed)
{
    std::mt19937 random(seed);
    std::shuffle(lines.begin(), lines.end(), random);
    return lines;
}

} // namespace

QStringList todoLines()
{
    QStringList lines;
    for (int i = 0; i < 14; ++i)
        lines << QStringLiteral("%1 %2").arg(chores.at(i % chores.size())).arg(i);
    return lines;
}

QStringList closetLines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("%1様へ%2（その%3）")
                     .arg(families.at(i % families.size()), chores.at(i % chores.size()))
                     .arg(i);
    return lines;
}

QStringList typeLines()
{
    return types;
}

// A full-width digit or katakana here and there, as typed on a Japanese keyboard, so
// that the loader has narrowing to do.
QStringList scheduleLines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i) {
        const QString time = i % 4 == 0 ? QString()
                                        : QStringLiteral("%1:%2").arg(8 + i % 11).arg(i % 4 * 15, 2, 10, QLatin1Char('0'));
        lines << QStringLiteral("%1様と打合せ　会議室Ａ%2,2027/%3/%4,%5,,,")
                     .arg(families.at(i % families.size()))
                     .arg(i)
                     .arg(i % 12 + 1)
                     .arg(i % 28 + 1)
                     .arg(time);
    }
    return shuffled(lines, 17u);
}

QStringList telLines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i) {
        QStringList fields{romaji.at(i % romaji.size()) + QString::number(i),
                           families.at(i % families.size()) + givens.at(i % givens.size()),
                           QStringLiteral("取引先 タナカ商事 営業%1課").arg(i % 9 + 1)};
        for (int j = 0; j < PairsPerEntry; ++j)
            fields << types.at((i + j) % types.size())
                   << QStringLiteral("0%1-%2-%3")
                          .arg(3 + j)
                          .arg(1000 + i, 4, 10, QLatin1Char('0'))
                          .arg(5000 + j * 7, 4, 10, QLatin1Char('0'));
        lines << fields.join(QLatin1Char(','));
    }
    return shuffled(lines, 42u);
}

QStringList doneLines(int count)
{
    QStringList lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("2019/%1/%2見積書を送る、会議室を予約する %3")
                     .arg(i % 12 + 1)
                     .arg(i % 28 + 1)
                     .arg(i);
    return lines;
}

// Every rule, starting over a year from the appointments' first day on (none falls on
// the day a probe runs, so no today window stops its start), some with a last day or days
// left out.
QStringList repeatLines(int count)
{
    static const QStringList rules{"毎日", "平日", "毎週", "隔週", "毎月", "毎月第2火", "毎月最終金", "毎年"};
    QStringList lines;
    for (int i = 0; i < count; ++i) {
        const QDate start = QDate(2027, 1, 1).addDays(i * 7 % 365);
        const QString time = i % 3 == 0 ? QString() : QStringLiteral("%1:30").arg(7 + i % 12);
        const QString until = i % 5 == 0 ? start.addYears(1).toString(u"yyyy/M/d") : QString();
        const QString except = i % 4 == 0 ? start.addDays(14).toString(u"yyyy/M/d") : QString();
        lines << QStringLiteral("%1様と定例%2,%3,%4,%5,%6,%7,,,")
                     .arg(families.at(i % families.size()))
                     .arg(i)
                     .arg(start.toString(u"yyyy/M/d"), time, rules.at(i % rules.size()), until, except);
    }
    return lines;
}

void writeFile(const QString &folder, const QString &name, const QStringList &lines)
{
    const QString text = lines.isEmpty() ? QString() : lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    const cp932::Encoded encoded = cp932::encode(text);
    QFile file(QDir(folder).filePath(name));
    if (!encoded.ok || !file.open(QIODevice::WriteOnly)
        || file.write(encoded.bytes) != encoded.bytes.size())
        qFatal("cannot write %s", qPrintable(name));
}

void writeProgramFolder(const QString &folder, bool series)
{
    if (series)
        writeFile(folder, "repeat.txt", repeatLines());
    writeFile(folder, "todo.txt", todoLines());
    writeFile(folder, "closet.txt", closetLines());
    writeFile(folder, "type.txt", typeLines());
    writeFile(folder, "schedule.txt", scheduleLines());
    writeFile(folder, "tel.txt", telLines());
    writeFile(folder, "done.txt", doneLines());
    writeFile(folder, "pim.ini", {"[Pim]", "skipstartup=-1"});
}

} // namespace benchdata
