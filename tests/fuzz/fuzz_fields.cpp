// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzfile.h"

#include "text/cp932.h"
#include "text/fields.h"
#include "text/narrow.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString line =
        cp932::decodeForDisplay(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const QString narrowed = narrow(line);
    for (const QString &separator : {QStringLiteral(","), QStringLiteral("\t")}) {
        const SplitFields split = splitFields(line, separator);
        // Cutting drops nothing but the separators.
        if ((split.count() == 0) != narrowed.isEmpty()
            || (split.count() > 0 && split.fields.join(separator) != narrowed))
            fuzzFailure("the fields do not make the narrowed line again");
        if (!split.at(split.count()).isEmpty())
            fuzzFailure("a field beyond the count is not empty");
    }
    return 0;
}
