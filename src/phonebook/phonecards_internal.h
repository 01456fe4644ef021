// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the writing, reading and patching of cards share; only the phonecards files
// include it.
#include "phonecards.h"

namespace vcard {
struct Property;
}

namespace phonecards::detail {

// The parameter that holds a pair's type text exactly as the entry has it.
inline const QString kibanuType = QStringLiteral("X-KIBANU-TYPE");

// FN and N from the entry's name.
QByteArray nameLines(const phoneentry &e);
// NOTE with the keyword; nothing without one.
QByteArray keysLine(const phoneentry &e);
// Each pair as TEL, EMAIL, URL or NOTE, in the entry's order.
QByteArray pairLines(const phoneentry &e);

// Whether the property holds one of the entry's pairs rather than the keyword.
bool isPair(const vcard::Property &p);

} // namespace phonecards::detail
