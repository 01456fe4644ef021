// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "syncstate.h"

#include "text/textfile.h"

#include <QUrl>

namespace syncstate {

namespace {

const QByteArray header = "KIBANU-SYNC-STATE 1";

// UIDs and file names may hold any character: kept percent-encoded, one record a line.
QByteArray line(const char *kind, const syncmerge::Record &r)
{
    return QByteArray(kind) + '\t' + QUrl::toPercentEncoding(r.uid) + '\t'
           + QUrl::toPercentEncoding(r.file) + '\t' + r.itemHash.toHex() + '\t'
           + r.entryHash.toHex() + '\t' + r.keyA.toHex() + '\t' + r.keyB.toHex() + '\t'
           + (r.rule ? "R" : r.spans ? "D" : r.series ? "S" : "-") + '\t' + r.stamp + '\n';
}

} // namespace

QByteArray bytes(const State &state)
{
    QByteArray out = header + '\n';
    for (const syncmerge::Record &r : state.calendar)
        out += line("calendar", r);
    for (const syncmerge::Record &r : state.contacts)
        out += line("contacts", r);
    return out;
}

ReadResult read(const QString &path)
{
    ReadResult result;
    const FileBytes file = readFileBytes(path);
    if (!file.exists)
        return result;
    if (!file.ok) {
        result.problem = StateProblem{StateProblem::Why::Unreadable, path, 0, file.error};
        return result;
    }
    const QList<QByteArray> lines = file.bytes.split('\n');
    if (lines.value(0) != header) {
        result.problem = StateProblem{StateProblem::Why::NotAState, path, 0, {}};
        return result;
    }
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines.at(i).isEmpty())
            continue;
        const QList<QByteArray> f = lines.at(i).split('\t');
        if (f.size() != 9 || (f.at(0) != "calendar" && f.at(0) != "contacts")) {
            result.problem = StateProblem{StateProblem::Why::BadLine, path, int(i + 1), {}};
            result.state = {};
            return result;
        }
        syncmerge::Record r{QUrl::fromPercentEncoding(f.at(1)),
                            QUrl::fromPercentEncoding(f.at(2)),
                            QByteArray::fromHex(f.at(3)),
                            QByteArray::fromHex(f.at(4)),
                            QByteArray::fromHex(f.at(5)),
                            QByteArray::fromHex(f.at(6)),
                            f.at(7) == "S" || f.at(7) == "D",
                            f.at(8),
                            f.at(7) == "D",
                            f.at(7) == "R"};
        (f.at(0) == "calendar" ? result.state.calendar : result.state.contacts).append(r);
    }
    return result;
}

} // namespace syncstate
