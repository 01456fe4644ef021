// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What the file dialog offers for each kind of file, and how a message's parts are joined.
namespace interchangetexts {

inline QString calendarFilter()
{
    return QStringLiteral("iCalendar (*.ics);;すべてのファイル (*)");
}

inline QString cardFilter()
{
    return QStringLiteral("vCard (*.vcf *.vcard);;すべてのファイル (*)");
}

inline QString lines(const QStringList &parts)
{
    return parts.join(QLatin1Char('\n'));
}

} // namespace interchangetexts
