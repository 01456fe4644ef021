// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "narrow.h"

#include <iterator>

namespace {

// ICU's Fullwidth-Halfwidth transform, limited to what has a half-width form in CP932
// (ICU would also map arrows, box drawings and ￥￠￡￢ to characters the data files cannot
// hold). As a table: creating the transliterator loads ICU's whole transform registry,
// which cost the start more than all the narrowing itself. The test of narrowing holds
// every character of the set against ICU.

// ァ (U+30A1) to ヶ (U+30F6); the voiced ones become two characters, and those without a
// half-width form stay as they are (null), as ICU leaves them.
constexpr char16_t FirstKana = 0x30A1;
constexpr const char16_t *halfwidthKana[] = {
    u"ｧ", u"ｱ", u"ｨ", u"ｲ", u"ｩ", u"ｳ", u"ｪ", u"ｴ", u"ｫ", u"ｵ",
    u"ｶ", u"ｶﾞ", u"ｷ", u"ｷﾞ", u"ｸ", u"ｸﾞ", u"ｹ", u"ｹﾞ", u"ｺ", u"ｺﾞ",
    u"ｻ", u"ｻﾞ", u"ｼ", u"ｼﾞ", u"ｽ", u"ｽﾞ", u"ｾ", u"ｾﾞ", u"ｿ", u"ｿﾞ",
    u"ﾀ", u"ﾀﾞ", u"ﾁ", u"ﾁﾞ", u"ｯ", u"ﾂ", u"ﾂﾞ", u"ﾃ", u"ﾃﾞ", u"ﾄ",
    u"ﾄﾞ", u"ﾅ", u"ﾆ", u"ﾇ", u"ﾈ", u"ﾉ", u"ﾊ", u"ﾊﾞ", u"ﾊﾟ", u"ﾋ",
    u"ﾋﾞ", u"ﾋﾟ", u"ﾌ", u"ﾌﾞ", u"ﾌﾟ", u"ﾍ", u"ﾍﾞ", u"ﾍﾟ", u"ﾎ", u"ﾎﾞ",
    u"ﾎﾟ", u"ﾏ", u"ﾐ", u"ﾑ", u"ﾒ", u"ﾓ", u"ｬ", u"ﾔ", u"ｭ", u"ﾕ",
    u"ｮ", u"ﾖ", u"ﾗ", u"ﾘ", u"ﾙ", u"ﾚ", u"ﾛ", nullptr, u"ﾜ", nullptr,
    nullptr, u"ｦ", u"ﾝ", u"ｳﾞ", nullptr, nullptr,
};
static_assert(std::size(halfwidthKana) == 0x30F6 - FirstKana + 1);

char16_t narrowedSign(char16_t c)
{
    switch (c) {
    case 0x3000: return u' ';
    case 0x3001: return u'､';
    case 0x3002: return u'｡';
    case 0x300C: return u'｢';
    case 0x300D: return u'｣';
    case 0x30FB: return u'･';
    case 0x30FC: return u'ｰ';
    default: return 0;
    }
}

} // namespace

QString narrow(const QString &text)
{
    QString out;
    qsizetype copied = 0; // the text before this index is in out
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        char16_t single = 0;
        const char16_t *kana = nullptr;
        if (c >= 0xFF01 && c <= 0xFF5E)
            single = char16_t(c - 0xFEE0); // full-width ASCII
        else if (c >= FirstKana && c < FirstKana + std::size(halfwidthKana))
            kana = halfwidthKana[c - FirstKana];
        else
            single = narrowedSign(c);
        if (!single && !kana)
            continue;
        if (copied == 0)
            out.reserve(text.size() + 8);
        out.append(QStringView(text).mid(copied, i - copied));
        if (kana)
            out.append(QStringView(kana));
        else
            out.append(QChar(single));
        copied = i + 1;
    }
    if (copied == 0)
        return text; // nothing to narrow: the text is shared, not copied
    out.append(QStringView(text).mid(copied));
    return out;
}

bool sameOnceLoaded(const QString &text, const QString &entry)
{
    return entry == text || entry == narrow(text);
}
