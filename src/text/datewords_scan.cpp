// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "datewords_scan.h"

#include <unicode/uchar.h>

#include <limits>

namespace datewords::detail {
namespace {

QChar narrowed(QChar c)
{
    const char16_t u = c.unicode();
    if (u == u'\u301C' || u == u'\uFF5E') // 〜 as input methods type it, ～ as CP932 has it
        return QLatin1Char('~');
    if (u >= 0xFF01 && u <= 0xFF5D)
        return QChar(char16_t(u - 0xFEE0));
    if (u == u'\u3000' || u == u'\t')
        return QLatin1Char(' ');
    return c;
}

bool isHiragana(QChar c)
{
    return c.unicode() >= 0x3041 && c.unicode() <= 0x309F;
}

// A kanji numeral's value: 0 to 9 for the digits (〇 included), 10, 100 or 1000 for the
// units, -1 for anything else. ICU knows the values; only these make dates.
int kanjiValue(QChar c)
{
    if (!u_hasBinaryProperty(c.unicode(), UCHAR_IDEOGRAPHIC))
        return -1;
    const double value = u_getNumericValue(c.unicode());
    if (value == U_NO_NUMERIC_VALUE)
        return -1;
    const int n = int(value);
    if (double(n) != value)
        return -1;
    return (n >= 0 && n <= 9) || n == 10 || n == 100 || n == 1000 ? n : -1;
}

const std::initializer_list<QStringView> &particles()
{
    static const std::initializer_list<QStringView> words{u"から", u"まで", u"の", u"に",
                                                          u"、", u","};
    return words;
}

// は before a word in kana is the word's own (明日はいしゃ is 歯医者, not 医者).
bool topicAt(QStringView text)
{
    return text.startsWith(u'は') && (text.size() == 1 || !isHiragana(text.at(1)));
}

} // namespace

Scanner::Scanner(const QString &typed) : m_text(typed)
{
    for (QChar &c : m_text)
        c = narrowed(c);
}

bool Scanner::startsWith(QStringView word) const
{
    return QStringView(m_text).mid(m_pos).startsWith(word);
}

bool Scanner::take(QStringView word)
{
    if (!startsWith(word))
        return false;
    m_pos += word.size();
    return true;
}

int Scanner::takeOneOf(std::initializer_list<QStringView> words)
{
    int index = 0;
    for (const QStringView word : words) {
        if (take(word))
            return index;
        ++index;
    }
    return -1;
}

std::optional<int> Scanner::number()
{
    constexpr int tooLarge = std::numeric_limits<int>::max() / 10 - 10;
    qsizetype at = m_pos;
    if (at < m_text.size() && m_text.at(at).isDigit() && m_text.at(at).unicode() < 0x80) {
        int n = 0;
        for (; at < m_text.size() && m_text.at(at) >= u'0' && m_text.at(at) <= u'9'; ++at)
            n = n < tooLarge ? n * 10 + (m_text.at(at).unicode() - u'0') : tooLarge;
        m_pos = at;
        return n;
    }
    // 二十五 is 2 tens and 5; 二〇二七 is read digit by digit.
    int total = 0;
    int digits = 0;
    for (; at < m_text.size(); ++at) {
        const int v = kanjiValue(m_text.at(at));
        if (v < 0)
            break;
        if (v <= 9) {
            digits = digits < tooLarge ? digits * 10 + v : tooLarge;
        } else {
            total += (digits == 0 ? 1 : digits) * v;
            digits = 0;
        }
    }
    if (at == m_pos)
        return std::nullopt;
    m_pos = at;
    return total + digits;
}

void Scanner::skipBlanks()
{
    while (!atEnd() && m_text.at(m_pos) == QLatin1Char(' '))
        ++m_pos;
}

bool Scanner::particle()
{
    skipBlanks();
    const bool topic = topicAt(QStringView(m_text).mid(m_pos));
    if (topic)
        ++m_pos;
    if (!topic && takeOneOf(particles()) < 0)
        return false;
    skipBlanks();
    return true;
}

bool Scanner::wordEnds() const
{
    if (atEnd() || !isHiragana(peek()) || topicAt(QStringView(m_text).mid(m_pos)))
        return true;
    for (const QStringView word : particles())
        if (startsWith(word))
            return true;
    return false;
}

bool Scanner::standsAlone() const
{
    if (atEnd() || peek() == QLatin1Char(' ') || peek() == QLatin1Char('~')
        || topicAt(QStringView(m_text).mid(m_pos)))
        return true;
    for (const QStringView word : particles())
        if (startsWith(word))
            return true;
    return false;
}

} // namespace datewords::detail
