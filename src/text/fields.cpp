// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fields.h"

#include "narrow.h"

SplitFields splitFields(const QString &line, const QString &separator)
{
    const QString text = narrow(line);
    if (text.isEmpty())
        return {};
    return {text.split(separator, Qt::KeepEmptyParts, Qt::CaseSensitive)};
}
