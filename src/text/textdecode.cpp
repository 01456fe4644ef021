// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Data files as text: CP932, or UTF-8 that a desktop editor wrote.
#include "textfile.h"

#include "cp932.h"

#include <QHash>
#include <QStringList>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace {

// Kana, kanji, CJK and full-width forms, and the symbols Japanese text uses beside them.
// All lie above U+2000: UTF-8 gives them three bytes, whereas CP932 half-width katakana
// pairs can look like two-byte UTF-8.
bool isJapanese(char32_t c)
{
    static constexpr std::pair<char32_t, char32_t> ranges[] = {
        {0x2010, 0x206F}, {0x2100, 0x22FF}, {0x2460, 0x24FF}, {0x2500, 0x27BF},
        {0x3000, 0x30FF}, {0x31F0, 0x31FF}, {0x3200, 0x33FF}, {0x3400, 0x4DBF},
        {0x4E00, 0x9FFF}, {0xF900, 0xFAFF}, {0xFE30, 0xFE4F}, {0xFF00, 0xFFEF},
    };
    return std::any_of(std::begin(ranges), std::end(ranges),
                       [c](const auto &r) { return c >= r.first && c <= r.second; });
}

// Whether the bytes can be UTF-8 made of ASCII and three- or four-byte characters only.
// Stops at the first byte that cannot: a CP932 file is told at its first Japanese
// character, without decoding the rest.
bool mayBeJapaneseUtf8(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char lead = p[i];
        const int length = lead < 0x80 ? 1 : lead >= 0xE0 && lead <= 0xF4 ? (lead < 0xF0 ? 3 : 4) : 0;
        if (length == 0 || i + length > n)
            return false;
        for (int k = 1; k < length; ++k)
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

// The CP932 encoder drops invisible format characters (a stray byte-order mark, zero-width
// spaces, joiners) without a word: they go when the text is read, so that what is shown is
// what is saved.
QString withoutSilentCharacters(const QString &text)
{
    QHash<char32_t, bool> silent;
    QString kept;
    kept.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (c >= 0x80) {
            auto known = silent.constFind(c);
            if (known == silent.constEnd()) {
                const cp932::Encoded encoded = cp932::encode(QString::fromUcs4(&c, 1));
                known = silent.insert(c, encoded.ok && encoded.bytes.isEmpty());
            }
            if (*known)
                continue;
        }
        kept.append(QString::fromUcs4(&c, 1));
    }
    return kept;
}

TextFileRead decodeCp932(const QByteArray &bytes)
{
    TextFileRead result;
    const cp932::Decoded decoded = cp932::decode(bytes);
    result.text = decoded.text;
    if (!decoded.complete) {
        result.status = TextFileRead::Unreadable;
        result.error = QStringLiteral("%1 バイト目に Shift-JIS でない文字があります")
                           .arg(decoded.errorOffset + 1);
        return result;
    }
    result.status = TextFileRead::Ok;
    return result;
}

} // namespace

std::optional<QString> utf8Text(const QByteArray &bytes)
{
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    if (!bom && !mayBeJapaneseUtf8(bytes))
        return std::nullopt;
    const QByteArray body = bom ? bytes.mid(3) : bytes;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(body);
    if (decoder.hasError())
        return std::nullopt;
    if (bom)
        return text;
    bool anyJapanese = false;
    for (const char32_t c : text.toUcs4()) {
        if (c < 0x80)
            continue;
        if (!isJapanese(c))
            return std::nullopt;
        anyJapanese = true;
    }
    return anyJapanese ? std::optional(text) : std::nullopt;
}

namespace {

// The characters of the text that CP932 cannot hold, with the lines they are on, for the
// user to find them: the first few.
QString unsavableCharacters(const QString &text)
{
    constexpr int MostNamed = 5;
    QHash<char32_t, bool> unsavable;
    QStringList named;
    int line = 1;
    const QList<uint> chars = text.toUcs4();
    for (qsizetype i = 0; i < chars.size() && named.size() < MostNamed; ++i) {
        const char32_t c = chars[i];
        if (c == U'\n' || (c == U'\r' && (i + 1 == chars.size() || chars[i + 1] != U'\n')))
            ++line;
        if (c < 0x80)
            continue;
        auto known = unsavable.constFind(c);
        if (known == unsavable.constEnd())
            known = unsavable.insert(c, !cp932::encode(QString::fromUcs4(&c, 1)).ok);
        if (*known)
            named.append(QStringLiteral("%1 行目の「%2」").arg(line).arg(QString::fromUcs4(&c, 1)));
    }
    return named.join(QStringLiteral("、"));
}

// A UTF-8 file's text: whole, even where CP932 cannot hold it, so that the run shows what
// the file holds; such a file is not saved over.
TextFileRead fromUtf8(const QString &decoded)
{
    TextFileRead result;
    result.text = withoutSilentCharacters(decoded);
    result.utf8 = true;
    result.status = TextFileRead::Ok;
    if (!cp932::encode(result.text).ok) {
        result.status = TextFileRead::Unreadable;
        result.error = unsavableCharacters(result.text) + QStringLiteral("は Shift-JIS で保存できません");
    }
    return result;
}

// Any UTF-8 at all, strictly decoded.
std::optional<QString> anyUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
    return decoder.hasError() ? std::nullopt : std::optional(text);
}

TextFileRead decodeEitherEncoding(const QByteArray &bytes)
{
    if (const auto utf8 = utf8Text(bytes)) {
        TextFileRead read = fromUtf8(*utf8);
        // Text CP932 cannot hold, from bytes that are whole CP932 without a byte-order
        // mark: CP932 that happens to look like UTF-8, read as such it is the user's.
        if (read.status != TextFileRead::Ok && !bytes.startsWith("\xEF\xBB\xBF")
            && cp932::decode(bytes).complete)
            return decodeCp932(bytes);
        return read;
    }
    TextFileRead cp932 = decodeCp932(bytes);
    if (cp932.status == TextFileRead::Ok)
        return cp932;
    // Not CP932, but UTF-8 all the same: with characters beyond Japanese (an emoji, 𠮷).
    if (const auto utf8 = anyUtf8(bytes))
        return fromUtf8(*utf8);
    return cp932;
}

} // namespace

TextFileRead decodeTextFile(const QByteArray &bytes)
{
    TextFileRead result = decodeEitherEncoding(bytes);
    result.loneLineFeeds = result.status == TextFileRead::Ok && hasLoneLineFeeds(result.text);
    return result;
}
