// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The reader's working parts, shared by its date and time halves.

#include <QDate>
#include <QString>
#include <QTime>

#include <initializer_list>
#include <optional>

namespace datewords::detail {

// None: no such word here (the scanner is where it was). Bad: a word was begun that cannot
// be resolved, so the whole text is not understood.
enum class Got { None, Ok, Bad };

template <class T>
struct Parsed {
    Got got = Got::None;
    T value{};
};

template <class T>
Parsed<T> ok(T value)
{
    return {Got::Ok, value};
}

// Walks the text with digits, signs and blanks narrowed; every character stays one
// character, so positions are those of the text as typed.
class Scanner {
public:
    explicit Scanner(const QString &typed);

    [[nodiscard]] qsizetype pos() const { return m_pos; }
    void reset(qsizetype pos) { m_pos = pos; }
    [[nodiscard]] bool atEnd() const { return m_pos >= m_text.size(); }
    [[nodiscard]] QChar peek() const { return atEnd() ? QChar() : m_text.at(m_pos); }
    [[nodiscard]] bool startsWith(QStringView word) const;

    // Steps over the word when it comes next.
    bool take(QStringView word);
    // The index of the word taken, or -1.
    int takeOneOf(std::initializer_list<QStringView> words);
    // 12, １２, 十二, 二〇二七: a number, or nothing (the scanner stays).
    std::optional<int> number();
    void skipBlanks();
    // Blanks, and の, に, から, まで, は or 、 with the blanks after it; true when there
    // was one of these.
    bool particle();
    // Whether a word ends here: not inside a longer hiragana word (あすか is no あす).
    [[nodiscard]] bool wordEnds() const;
    // Stricter, for one-kanji words (朝, 夜): only the end, a blank, a particle or a range
    // mark may follow, so 朝会 and 夜勤 stay words of their own.
    [[nodiscard]] bool standsAlone() const;

private:
    QString m_text;
    qsizetype m_pos = 0;
};

// The two halves of the reader.
Parsed<QDate> readDatePart(Scanner &s, QDate today);
Parsed<QTime> readTimePart(Scanner &s);

} // namespace datewords::detail
