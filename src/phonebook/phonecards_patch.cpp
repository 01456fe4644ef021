// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A card of the sync folder changed in place: what a phone keeps in it stays as it wrote it.
#include "phonecards_internal.h"

#include "text/narrow.h"
#include "text/vcard.h"

#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace phonecards {

using namespace detail;

namespace {

// A line read, written back as it was: folded anew when it is UTF-8.
QByteArray rawLine(const vcard::Property &p)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(p.raw);
    if (utf8.hasError())
        return p.raw + "\r\n";
    return vcard::line(text);
}

bool samePairs(const phoneentry &a, const phoneentry &b)
{
    if (a.numphone != b.numphone)
        return false;
    for (int j = 0; j < std::clamp<int>(a.numphone, 0, phoneentry::MaxPairs); ++j)
        if (!sameOnceLoaded(a.phonetype.at(j), b.phonetype.at(j))
            || !sameOnceLoaded(a.phonenumber.at(j), b.phonenumber.at(j)))
            return false;
    return true;
}

// What the entry changed against what the card reads as.
struct Changes {
    bool name = false;
    bool index = false;
    bool keys = false;
    bool pairs = false;
};

// The card's own lines, those that hold what changed written anew, and which of the
// rewritten groups found a line of theirs to stand in.
struct Rewritten {
    QByteArray lines;
    bool nameDone = false;
    bool keysDone = false;
    bool pairsDone = false;
};

// The name's and the index's lines as they become; nothing for a line that stays.
std::optional<QByteArray> identityLine(const vcard::Property &p, const phoneentry &before,
                                       const phoneentry &after, const Changes &changed,
                                       Rewritten &out)
{
    const QString &n = p.name;
    if (changed.name && (n == u"FN" || n == u"N")) {
        const bool first = !out.nameDone;
        out.nameDone = true;
        return first ? nameLines(after) : QByteArray();
    }
    if (changed.name && n == u"X-KIBANU-NAME")
        return vcard::line(QStringLiteral("X-KIBANU-NAME:") + vcard::escape(after.name));
    if (changed.index && n == u"X-KIBANU-INDEX")
        return vcard::line(QStringLiteral("X-KIBANU-INDEX:") + vcard::escape(after.index));
    // This program's own copies of the index follow it; a phone's nickname stays.
    if (changed.index && (n == u"NICKNAME" || n == u"SORT-STRING") && p.text() == before.index)
        return vcard::line(n + u':' + vcard::escape(after.index));
    return std::nullopt;
}

// Each rewritten group goes where its first line was.
Rewritten rewrite(const vcard::Card &c, const phoneentry &before, const phoneentry &after,
                  const Changes &changed)
{
    Rewritten out;
    bool keysSeen = false;
    int pairsSeen = 0;
    for (const vcard::Property &p : c.properties) {
        if (const auto line = identityLine(p, before, after, changed, out)) {
            out.lines += *line;
            continue;
        }
        // Pairs beyond an entry's were never in it: they stay in the card as they were.
        if (isPair(p) && pairsSeen++ < phoneentry::MaxPairs) {
            if (changed.pairs) {
                if (!out.pairsDone)
                    out.lines += pairLines(after);
                out.pairsDone = true;
                continue;
            }
        } else if (p.name == u"NOTE" && !keysSeen) {
            keysSeen = true; // the keyword's note: the first one that is no pair
            if (changed.keys) {
                out.lines += keysLine(after);
                out.keysDone = true;
                continue;
            }
        }
        out.lines += rawLine(p);
    }
    return out;
}

} // namespace

QByteArray patch(const QByteArray &original, const phoneentry &after)
{
    const vcard::ReadResult cards = vcard::read(original);
    const ReadResult read = phonecards::read(original);
    if (!cards.error.isEmpty() || cards.cards.size() != 1 || read.entries.size() != 1)
        return {};
    const vcard::Card &c = cards.cards.first();
    const phoneentry &before = read.entries.first().entry;
    // Only what the user changed: the loaders' narrowing of a text is no change.
    const Changes changed{!sameOnceLoaded(before.name, after.name),
                          !sameOnceLoaded(before.index, after.index),
                          !sameOnceLoaded(before.keys, after.keys), !samePairs(before, after)};
    const Rewritten kept = rewrite(c, before, after, changed);
    // A group that had no line goes before the end.
    QByteArray atEnd;
    if (changed.name && !kept.nameDone)
        atEnd += nameLines(after);
    if (changed.index && !c.first(QStringLiteral("X-KIBANU-INDEX")))
        atEnd += vcard::line(QStringLiteral("X-KIBANU-INDEX:") + vcard::escape(after.index));
    if (changed.keys && !kept.keysDone)
        atEnd += keysLine(after);
    if (changed.pairs && !kept.pairsDone)
        atEnd += pairLines(after);
    return vcard::line(QStringLiteral("BEGIN:VCARD")) + kept.lines + atEnd
           + vcard::line(QStringLiteral("END:VCARD"));
}

} // namespace phonecards
