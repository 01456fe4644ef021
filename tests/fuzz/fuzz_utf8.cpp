// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzfile.h"

#include "text/cp932.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const TextFileRead read = decodeTextFile(bytes);
    // The reader takes only UTF-8 by the rule for UTF-8 (and whole CP932 for CP932 where
    // the UTF-8 text would be one CP932 cannot hold).
    if (read.utf8 && !utf8Text(bytes))
        fuzzFailure("the file reader took for UTF-8 what the rule does not");
    // A file read as UTF-8 and saved in CP932 must not be taken for UTF-8 next time, or
    // its text would change from one start to the next.
    // (Unless its CP932 bytes look like Japanese UTF-8 themselves, which no reader can
    // tell without a byte-order mark; real text holds kana.)
    const QByteArray saved = cp932::encode(read.text).bytes;
    if (read.status == TextFileRead::Ok && read.utf8 && !utf8Text(saved)) {
        const TextFileRead again = decodeTextFile(saved);
        if (again.status != TextFileRead::Ok || again.text != read.text)
            fuzzFailure("UTF-8 text saved in CP932 reads differently");
    }
    return 0;
}
