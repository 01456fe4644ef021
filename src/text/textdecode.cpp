// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Data files as text: CP932, or UTF-8 that a desktop editor wrote.
#include "textfile.h"

#include "cp932.h"

#include <QHash>
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

TextFileRead decodeTextFile(const QByteArray &bytes)
{
    TextFileRead result;
    if (const auto utf8 = utf8Text(bytes)) {
        result.text = *utf8;
        result.text = withoutSilentCharacters(result.text);
        result.utf8 = true;
        if (const cp932::Encoded back = cp932::encode(result.text); !back.ok) {
            // Text CP932 cannot hold, from bytes that are whole CP932 without a byte-order
            // mark: CP932 that happens to look like UTF-8, read as such it is the user's.
            if (!bytes.startsWith("\xEF\xBB\xBF") && cp932::decode(bytes).complete)
                return decodeCp932(bytes);
            result.status = TextFileRead::Unreadable;
            result.error = QStringLiteral("UTF-8 の文字「%1」は Shift-JIS で保存できません")
                               .arg(back.failedChar);
            return result;
        }
        result.status = TextFileRead::Ok;
        return result;
    }
    return decodeCp932(bytes);
}
