// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the reader takes a file's bytes apart; only the vcard files include it.
#include "vcard.h"

#include <optional>

namespace vcard::detail {

// The content lines: folded lines joined, and the soft line breaks of quoted-printable;
// blank lines left out.
QList<QByteArray> logicalLines(const QByteArray &bytes);
QByteArray fromQuotedPrintable(const QByteArray &encoded);
// The value's bytes as text of its charset (UTF-8 when none is named); nothing when they
// are not.
std::optional<QString> decodeText(const QByteArray &bytes, const QString &charset);
// The parameter list after the name: "TYPE=a,b", "CHARSET=x", a bare "CELL"; values may
// be quoted (4.0), and a quoted one may hold ";" and ":".
QList<std::pair<QString, QString>> parseParams(const QString &text);
// Where the name and parameters end: the first ":" outside quotes; -1 without one.
qsizetype valueStart(const QByteArray &line);

} // namespace vcard::detail
