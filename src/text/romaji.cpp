// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "romaji.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <memory>

namespace {

// Made once: building a transliterator parses its rules.
const icu::Transliterator *toAscii()
{
    static const std::unique_ptr<icu::Transliterator> made = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> t(icu::Transliterator::createInstance(
            "Halfwidth-Fullwidth; Katakana-Latin; Hiragana-Latin; Latin-ASCII", UTRANS_FORWARD,
            status));
        return U_SUCCESS(status) ? std::move(t) : nullptr;
    }();
    return made.get();
}

} // namespace

QString romajiIndex(const QString &reading)
{
    icu::UnicodeString text(reinterpret_cast<const UChar *>(reading.utf16()), int32_t(reading.size()));
    if (const icu::Transliterator *t = toAscii())
        t->transliterate(text);
    QString index;
    for (int32_t i = 0; i < text.length(); ++i) {
        const char16_t c = text.charAt(i);
        if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'))
            index.append(QChar(c));
        else if (c >= u'A' && c <= u'Z')
            index.append(QChar(c - u'A' + u'a'));
    }
    return index;
}
