// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "classifier.h"

#include "jdate.h"

#include <algorithm>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isLetter(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// First character a digit, nothing but digits and the separator, and the counts in range.
bool hasShape(const QString &text, QChar separator, int separators, int minDigits,
              int maxDigits)
{
    if (text.isEmpty() || !isDigit(text.front()))
        return false;
    int digits = 0;
    int seps = 0;
    for (QChar c : text) {
        if (isDigit(c))
            ++digits;
        else if (c == separator)
            ++seps;
        else
            return false;
    }
    return seps == separators && digits >= minDigits && digits <= maxDigits;
}

} // namespace

bool isDateText(const QString &text, QDate today)
{
    const bool candidate = hasShape(text, u'/', 1, 2, 4) || hasShape(text, u'/', 2, 4, 8);
    return candidate && jdate::parseDate(text, today).has_value();
}

bool isTimeText(const QString &text)
{
    return hasShape(text, u':', 1, 3, 4) && jdate::parseTime(text).has_value();
}

qint16 phoneNumberKind(const QString &text)
{
    int digits = 0;
    int hyphens = 0;
    int bracket = 0; // 0 none, 1 after "(", 2 after the matching ")"
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (isDigit(c))
            ++digits;
        else if (c == u'-' && i > 0)
            ++hyphens;
        else if (c == u'(')
            bracket = 1;
        else if (c == u')' && bracket == 1)
            bracket = 2;
        else
            break;
    }
    qint16 kind = PhoneNone;
    if (hyphens == 1 && digits >= 5 && digits <= 8)
        kind = PhoneShortNumber;
    if (hyphens == 2 && digits >= 9 && digits <= 10)
        kind = PhoneFullNumber;
    if (bracket == 2 && digits >= 6 && digits <= 8)
        kind = PhoneShortNumber;
    if (bracket == 2 && digits >= 9 && digits <= 10)
        kind = PhoneFullNumber;
    // The bracket state, not a count, takes part in the sum.
    if (digits + hyphens + bracket == text.size())
        kind = PhoneDigitsOnly;
    if (kind == PhoneNone)
        return kind;
    if (text.startsWith(u"080") || text.startsWith(u"030"))
        return PhoneMobile;
    if (text.startsWith(u"050") || text.startsWith(u"060"))
        return PhoneService;
    return kind;
}

bool isLettersOnly(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), isLetter);
}

qint16 classifyText(const QString &text, QDate today)
{
    qint16 code = TextNone;
    if (isDateText(text, today))
        code = TextDate;
    if (isTimeText(text))
        code = TextTime;
    if (phoneNumberKind(text) != PhoneNone)
        code = TextPhone;
    if (isLettersOnly(text))
        code = TextLetters;
    return code;
}
