// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzfile.h"

#include "text/cp932.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const cp932::Decoded decoded = cp932::decode(bytes);
    (void)cp932::decodeForDisplay(bytes);
    if (!decoded.complete)
        return 0;
    // Text read from a file can always be written back, and then reads the same.
    const cp932::Encoded encoded = cp932::encode(decoded.text);
    if (!encoded.ok)
        fuzzFailure("decoded text cannot be encoded again");
    const cp932::Decoded again = cp932::decode(encoded.bytes);
    if (!again.complete || again.text != decoded.text)
        fuzzFailure("encoded text does not decode to itself");
    return 0;
}
