// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "phonebook.h"

#include "text/fields.h"
#include "text/narrow.h"
#include "text/typedtext.h"

#include <QSet>

#include <algorithm>
#include <cmath>

namespace {

// The kinds of number recur on every line: each entry takes the one copy kept in `kinds`
// (shared, as QString shares), not a copy per field of its own.
QString sharedKind(QSet<QString> &kinds, const QString &kind)
{
    const auto found = kinds.constFind(kind);
    if (found != kinds.cend())
        return *found;
    kinds.insert(kind);
    return kind;
}

phoneentry entryFromLine(const QString &line, QSet<QString> &kinds)
{
    const SplitFields f = splitFields(line, QStringLiteral(","));
    phoneentry e;
    e.index = f.at(0);
    e.name = f.at(1);
    e.keys = f.at(2);
    const int pairs = PhoneBook::pairCount(f.count());
    e.numphone = qint16(std::min(pairs, phoneentry::MaxPairs));
    for (int j = 0; j < e.numphone; ++j) {
        e.phonetype[j] = sharedKind(kinds, f.at(3 + 2 * j));
        e.phonenumber[j] = f.at(4 + 2 * j);
    }
    if (pairs > phoneentry::MaxPairs) {
        // Too many pairs (a name that held a full-width comma, say): the rest of the
        // line rides on the last number, commas and all, and is saved back as it was.
        const int lastNumber = 4 + 2 * (phoneentry::MaxPairs - 1);
        e.phonenumber[phoneentry::MaxPairs - 1] =
            f.fields.mid(lastNumber).join(QLatin1Char(','));
    }
    return e;
}

QString fileLine(const phoneentry &e)
{
    QStringList fields{e.index, e.name, e.keys};
    for (int j = 0; j < e.numphone; ++j)
        fields << e.phonetype[j] << e.phonenumber[j];
    return fields.join(QLatin1Char(','));
}

phoneentry cleaned(phoneentry e)
{
    e.index = typedtext::cleanField(e.index);
    e.name = typedtext::cleanField(e.name);
    e.keys = typedtext::cleanField(e.keys);
    e.numphone = qint16(std::clamp<int>(e.numphone, 0, phoneentry::MaxPairs));
    for (int j = 0; j < phoneentry::MaxPairs; ++j) {
        e.phonetype[j] = typedtext::cleanField(e.phonetype[j]);
        e.phonenumber[j] = typedtext::cleanField(e.phonenumber[j]);
    }
    return e;
}

} // namespace

bool isIndexText(const QString &narrowed)
{
    return std::all_of(narrowed.cbegin(), narrowed.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9');
    });
}

int PhoneBook::pairCount(int fieldCount)
{
    const long pairs = std::lrint((fieldCount - 3) / 2.0); // the default rounding: to even
    return std::max(0, int(pairs));
}

std::optional<int> PhoneBook::find(const QString &index) const
{
    // ＡＢＣ is read back as ABC: typed full-width, an index is the same as its narrow form.
    const QString wanted = narrow(index);
    for (int i = 0; i < ntphone(); ++i)
        if (narrow(m_table.row(i).index) == wanted)
            return i;
    return std::nullopt;
}

int PhoneBook::insertSorted(const phoneentry &entry)
{
    const int pos = m_table.insert(entry, entry.index);
    markChanged();
    return pos;
}

std::optional<int> PhoneBook::add(const phoneentry &entry)
{
    const phoneentry clean = cleaned(entry);
    if (const auto pos = find(clean.index)) {
        phoneentry &entry = m_table.row(*pos);
        const QString kept = entry.index; // the list shows this one
        const QString uid = entry.uid;    // still the same person's card
        entry = clean;
        entry.index = kept;
        entry.uid = uid;
        markChanged();
        return pos;
    }
    if (isFull())
        return std::nullopt;
    return insertSorted(clean);
}

int PhoneBook::changethis(int pos, const QString &newindex)
{
    phoneentry entry = m_table.row(pos);
    m_table.removeAt(pos);
    entry.index = typedtext::cleanField(newindex);
    return insertSorted(entry);
}

void PhoneBook::setUid(int pos, const QString &uid)
{
    m_table.row(pos).uid = uid; // no change of tel.txt
}

void PhoneBook::deleteIndex(int pos)
{
    m_table.removeAt(pos);
    markChanged();
}

void PhoneBook::setField(QString &field, const QString &typed)
{
    const QString clean = typedtext::cleanField(typed);
    if (field == clean)
        return; // the box was left as it was
    field = clean;
    markChanged();
}

void PhoneBook::setName(int pos, const QString &name)
{
    setField(m_table.row(pos).name, name);
}

void PhoneBook::setKeys(int pos, const QString &keys)
{
    setField(m_table.row(pos).keys, keys);
}

std::optional<int> PhoneBook::setPair(int pos, int pair, const QString &type,
                                      const QString &number)
{
    phoneentry &e = m_table.row(pos);
    if (pair >= e.numphone) {
        if (e.numphone >= phoneentry::MaxPairs)
            return std::nullopt;
        pair = e.numphone++;
        markChanged();
    }
    setField(e.phonetype[pair], type);
    setField(e.phonenumber[pair], number);
    return pair;
}

void PhoneBook::deletePair(int pos, int pair)
{
    phoneentry &e = m_table.row(pos);
    if (pair < 0 || pair >= e.numphone)
        return;
    --e.numphone;
    for (int k = pair; k < e.numphone; ++k) {
        e.phonetype[k] = e.phonetype[k + 1];
        e.phonenumber[k] = e.phonenumber[k + 1];
    }
    e.phonetype[e.numphone].clear();
    e.phonenumber[e.numphone].clear();
    markChanged();
}

bool PhoneBook::isIndexOfAnother(const QString &index, int pos) const
{
    const QString wanted = narrow(index);
    for (int i = 0; i < ntphone(); ++i)
        if (i != pos && narrow(m_table.row(i).index) == wanted)
            return true;
    return false;
}

PhoneBook::Read PhoneBook::cut(const FileBytes &file)
{
    Read read{textFileRead(file), {}, {}};
    LineReader reader(read.text.text);
    const qsizetype lines = reader.mostLines();
    read.rows.reserve(lines);
    read.lines.reserve(lines);
    QSet<QString> kinds;
    while (!reader.atEnd()) {
        read.rows.append(entryFromLine(reader.readTextLine(), kinds));
        read.lines.append(read.rows.constLast().index);
    }
    return read;
}

TextFileRead PhoneBook::loadPhoneBook(const QString &path)
{
    Read read = cut(readFileBytes(path));
    m_table.insertAll(std::move(read.rows), read.lines);
    return read.text;
}

TextFileRead PhoneBook::reload(const FileBytes &file)
{
    Read read = cut(file);
    m_table.replaceAll(std::move(read.rows), read.lines);
    m_changed = false;
    return read.text;
}

QStringList PhoneBook::fileLines() const
{
    QStringList lines;
    for (const phoneentry &e : m_table.rows())
        lines.append(fileLine(e));
    return lines;
}

void PhoneBook::markChanged()
{
    m_changed = true;
    if (m_changeHook)
        m_changeHook();
}
