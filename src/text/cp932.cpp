// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cp932.h"

#include <unicode/ucnv.h>

#include <algorithm>
#include <memory>

namespace cp932 {
namespace {

struct ConverterCloser {
    void operator()(UConverter *c) const { ucnv_close(c); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

// ibm-943_P15A-2003 is ICU's table for Windows code page 932 (0x5C is the backslash,
// NEC and IBM extensions and the user-defined area included).
ConverterPtr openStrict()
{
    UErrorCode status = U_ZERO_ERROR;
    ConverterPtr conv(ucnv_open("ibm-943_P15A-2003", &status));
    if (U_FAILURE(status))
        qFatal("CP932 converter not available: %s", u_errorName(status));
    ucnv_setToUCallBack(conv.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    ucnv_setFromUCallBack(conv.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                          &status);
    ucnv_setFallback(conv.get(), false);
    return conv;
}

UConverter *converter()
{
    // One per thread: a converter keeps state, and loaders may read ahead on another.
    thread_local ConverterPtr conv = openStrict();
    ucnv_reset(conv.get());
    return conv.get();
}

} // namespace

Decoded decode(const QByteArray &bytes)
{
    UConverter *conv = converter();
    Decoded result;
    QString out(bytes.size() + 1, Qt::Uninitialized);
    auto *target = reinterpret_cast<UChar *>(out.data());
    const char *source = bytes.constData();
    const char *sourceEnd = source + bytes.size();
    UErrorCode status = U_ZERO_ERROR;
    // flush = true: a lead byte cut off at the end of the file is a fault too.
    ucnv_toUnicode(conv, &target, target + out.size(), &source, sourceEnd, nullptr, true,
                   &status);
    out.truncate(target - reinterpret_cast<UChar *>(out.data()));
    if (U_FAILURE(status)) {
        result.complete = false;
        // The source pointer stands after the faulty bytes; report where they began.
        int8_t len = 8;
        char invalid[8];
        UErrorCode ignored = U_ZERO_ERROR;
        ucnv_getInvalidChars(conv, invalid, &len, &ignored);
        result.errorLength = U_SUCCESS(ignored) ? len : 0;
        result.errorOffset = (source - bytes.constData()) - result.errorLength;
    }
    result.text = out;
    return result;
}

QString decodeForDisplay(const QByteArray &bytes)
{
    QString text;
    qsizetype pos = 0;
    for (;;) {
        const Decoded part = decode(bytes.mid(pos));
        text += part.text;
        if (part.complete)
            return text;
        text += QChar(QChar::ReplacementCharacter);
        pos += part.errorOffset + std::max<qsizetype>(1, part.errorLength);
    }
}

Encoded encode(QStringView text)
{
    UConverter *conv = converter();
    Encoded result;
    QByteArray out(text.size() * 2 + 1, Qt::Uninitialized);
    char *target = out.data();
    const auto *source = reinterpret_cast<const UChar *>(text.utf16());
    const UChar *sourceEnd = source + text.size();
    UErrorCode status = U_ZERO_ERROR;
    ucnv_fromUnicode(conv, &target, out.data() + out.size(), &source, sourceEnd, nullptr, true,
                     &status);
    if (U_FAILURE(status)) {
        result.ok = false;
        UChar bad[4];
        int8_t len = 4;
        UErrorCode ignored = U_ZERO_ERROR;
        ucnv_getInvalidUChars(conv, bad, &len, &ignored);
        if (U_SUCCESS(ignored))
            result.failedChar = QString::fromUtf16(reinterpret_cast<const char16_t *>(bad), len);
        return result;
    }
    out.truncate(target - out.data());
    result.bytes = out;
    return result;
}

bool canEncode(char32_t codePoint)
{
    const char32_t one[1] = {codePoint};
    return encode(QString::fromUcs4(one, 1)).ok;
}

} // namespace cp932
