// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ICU's Latin-Hiragana reads Hepburn only (si gives せぃ, nn っん): the input methods'
// spellings that people type are read here, from a table.
#include "searchfold.h"

#include <QHash>

#include <algorithm>

namespace searchfold {

namespace {

constexpr char16_t katakanaFirst = u'ァ'; // U+30A1
constexpr char16_t katakanaLast = u'ヶ';  // U+30F6
constexpr int toHiragana = 0x60;

// Each spelling and its kana, longest spellings first when read.
const char *const table[][2] = {
    {"a", "あ"},    {"i", "い"},    {"u", "う"},    {"e", "え"},    {"o", "お"},
    {"ka", "か"},   {"ki", "き"},   {"ku", "く"},   {"ke", "け"},   {"ko", "こ"},
    {"ga", "が"},   {"gi", "ぎ"},   {"gu", "ぐ"},   {"ge", "げ"},   {"go", "ご"},
    {"sa", "さ"},   {"si", "し"},   {"shi", "し"},  {"su", "す"},   {"se", "せ"},   {"so", "そ"},
    {"za", "ざ"},   {"zi", "じ"},   {"ji", "じ"},   {"zu", "ず"},   {"ze", "ぜ"},   {"zo", "ぞ"},
    {"ta", "た"},   {"ti", "ち"},   {"chi", "ち"},  {"tu", "つ"},   {"tsu", "つ"},  {"te", "て"},
    {"to", "と"},   {"da", "だ"},   {"di", "ぢ"},   {"du", "づ"},   {"de", "で"},   {"do", "ど"},
    {"na", "な"},   {"ni", "に"},   {"nu", "ぬ"},   {"ne", "ね"},   {"no", "の"},
    {"ha", "は"},   {"hi", "ひ"},   {"hu", "ふ"},   {"fu", "ふ"},   {"he", "へ"},   {"ho", "ほ"},
    {"ba", "ば"},   {"bi", "び"},   {"bu", "ぶ"},   {"be", "べ"},   {"bo", "ぼ"},
    {"pa", "ぱ"},   {"pi", "ぴ"},   {"pu", "ぷ"},   {"pe", "ぺ"},   {"po", "ぽ"},
    {"ma", "ま"},   {"mi", "み"},   {"mu", "む"},   {"me", "め"},   {"mo", "も"},
    {"ya", "や"},   {"yu", "ゆ"},   {"yo", "よ"},   {"ye", "いぇ"},
    {"ra", "ら"},   {"ri", "り"},   {"ru", "る"},   {"re", "れ"},   {"ro", "ろ"},
    {"wa", "わ"},   {"wi", "うぃ"}, {"we", "うぇ"}, {"wo", "を"},   {"nn", "ん"},   {"n'", "ん"},
    {"va", "ゔぁ"}, {"vi", "ゔぃ"}, {"vu", "ゔ"},   {"ve", "ゔぇ"}, {"vo", "ゔぉ"},
    {"fa", "ふぁ"}, {"fi", "ふぃ"}, {"fe", "ふぇ"}, {"fo", "ふぉ"},
    {"sha", "しゃ"}, {"shu", "しゅ"}, {"she", "しぇ"}, {"sho", "しょ"},
    {"cha", "ちゃ"}, {"chu", "ちゅ"}, {"che", "ちぇ"}, {"cho", "ちょ"},
    {"ja", "じゃ"},  {"ju", "じゅ"},  {"je", "じぇ"},  {"jo", "じょ"},
    {"thi", "てぃ"}, {"dhi", "でぃ"}, {"twu", "とぅ"}, {"dwu", "どぅ"},
    {"xa", "ぁ"},   {"xi", "ぃ"},   {"xu", "ぅ"},   {"xe", "ぇ"},   {"xo", "ぉ"},
    {"la", "ぁ"},   {"li", "ぃ"},   {"lu", "ぅ"},   {"le", "ぇ"},   {"lo", "ぉ"},
    {"xya", "ゃ"},  {"xyu", "ゅ"},  {"xyo", "ょ"},  {"lya", "ゃ"},  {"lyu", "ゅ"},  {"lyo", "ょ"},
    {"xtu", "っ"},  {"ltu", "っ"},  {"xtsu", "っ"}, {"ltsu", "っ"}, {"xwa", "ゎ"},  {"lwa", "ゎ"},
    {"-", "ー"},
};

// The y-sounds: a consonant and ya, yu, ye, yo give its i-kana and a small one.
const char *const ySounds[][2] = {
    {"ky", "き"}, {"gy", "ぎ"}, {"sy", "し"}, {"zy", "じ"}, {"jy", "じ"}, {"ty", "ち"},
    {"cy", "ち"}, {"dy", "ぢ"}, {"ny", "に"}, {"hy", "ひ"}, {"by", "び"}, {"py", "ぴ"},
    {"my", "み"}, {"ry", "り"}, {"fy", "ふ"}, {"vy", "ゔ"},
};

struct Spellings {
    QHash<QString, QString> kana;
    int longest = 0;

    Spellings()
    {
        for (const auto &row : table)
            add(QString::fromUtf8(row[0]), QString::fromUtf8(row[1]));
        const std::pair<const char *, const char *> smallY[] = {
            {"a", "ゃ"}, {"u", "ゅ"}, {"e", "ぇ"}, {"o", "ょ"}};
        for (const auto &row : ySounds)
            for (const auto &[vowel, small] : smallY)
                add(QString::fromUtf8(row[0]) + QLatin1String(vowel),
                    QString::fromUtf8(row[1]) + QString::fromUtf8(small));
        add(QStringLiteral("tsa"), QStringLiteral("つぁ"));
    }
    void add(const QString &spelling, const QString &kana)
    {
        this->kana.insert(spelling, kana);
        longest = std::max(longest, int(spelling.size()));
    }
};

const Spellings &spellings()
{
    static const Spellings s;
    return s;
}

bool isConsonant(QChar c)
{
    return c >= u'a' && c <= u'z' && !QStringView(u"aiueon").contains(c);
}

} // namespace

QString fold(const QString &text)
{
    QString folded = text.normalized(QString::NormalizationForm_KC).toCaseFolded();
    for (QChar &c : folded)
        if (c.unicode() >= katakanaFirst && c.unicode() <= katakanaLast)
            c = QChar(c.unicode() - toHiragana);
        else if (c == u'ヴ')
            c = u'ゔ';
    return folded;
}

std::optional<QString> kanaOfRomaji(const QString &folded)
{
    const Spellings &s = spellings();
    QString kana;
    qsizetype at = 0;
    while (at < folded.size()) {
        const QChar c = folded.at(at);
        const QChar next = at + 1 < folded.size() ? folded.at(at + 1) : QChar();
        if (isConsonant(c) && next == c) { // kk, tt, ss: a small tsu before the next kana
            kana += u'っ';
            ++at;
            continue;
        }
        if (c == u't' && next == u'c') { // tch as in matcha
            kana += u'っ';
            ++at;
            continue;
        }
        // Hepburn's nn before a vowel is ん and n (konnichiha, minna); ん before a vowel is n'.
        if (c == u'n' && next == u'n' && at + 2 < folded.size()
            && QStringView(u"aiueoy").contains(folded.at(at + 2))) {
            kana += u'ん';
            ++at;
            continue;
        }
        bool read = false;
        for (qsizetype length = std::min<qsizetype>(s.longest, folded.size() - at); length > 0 && !read; --length)
            if (const auto it = s.kana.constFind(folded.mid(at, length)); it != s.kana.cend()) {
                kana += *it;
                at += length;
                read = true;
            }
        if (read)
            continue;
        // n before a consonant or at the end, as the input methods read it on.
        if (c == u'n' && (next.isNull() || (isConsonant(next) && next != u'y'))) {
            kana += u'ん';
            ++at;
            continue;
        }
        return std::nullopt;
    }
    if (kana.isEmpty())
        return std::nullopt;
    return kana;
}

QString numberDigits(const QString &folded)
{
    QString digits;
    for (const QChar c : folded) {
        if (c.isDigit())
            digits += c;
        else if (!QStringView(u" -()+").contains(c))
            return {};
    }
    return digits;
}

} // namespace searchfold
