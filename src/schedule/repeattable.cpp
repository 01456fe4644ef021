// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "repeattable.h"

#include "scheduletable.h"
#include "text/jdate.h"
#include "text/typedtext.h"

namespace {

QString fileLine(const repeatitem &item)
{
    return QStringList{item.eventinfo, item.startdate, item.eventtime,
                       item.rule,      item.until,     item.except,
                       item.extra1,    item.extra2,    item.extra3}
        .join(QLatin1Char(','));
}

} // namespace

QString RepeatTable::Row::line() const
{
    return edited ? fileLine(item) : asRead;
}

RepeatTable::Row RepeatTable::rowOf(const QString &line)
{
    // Not narrowed as the older files are: a new file keeps its text as written.
    const QStringList f = line.split(QLatin1Char(','));
    const auto at = [&f](int i) { return f.value(i); };
    Row row{repeatitem{at(0), at(1), at(2), at(3), at(4), at(5), at(6), at(7), at(8)},
            std::nullopt, line, false};
    // More fields than a series has: text of which the program knows nothing.
    if (f.size() <= 9)
        row.series = RepeatSeries::of(row.item);
    return row;
}

void RepeatTable::takeLines(const QString &text)
{
    beginResetModel();
    m_rows.clear();
    LineReader reader(text);
    while (!reader.atEnd())
        m_rows.append(rowOf(reader.readTextLine()));
    m_changed = false;
    endResetModel();
}

TextFileRead RepeatTable::load(const QString &path)
{
    TextFileRead read = readTextFile(path);
    takeLines(read.text);
    return read;
}

void RepeatTable::reload(const QString &text)
{
    takeLines(text);
}

QStringList RepeatTable::unreadableLines() const
{
    QStringList lines;
    for (const Row &row : m_rows)
        if (!row.series && !row.asRead.trimmed().isEmpty()) // an empty line is no news
            lines.append(row.asRead);
    return lines;
}

QStringList RepeatTable::fileLines() const
{
    QStringList lines;
    lines.reserve(m_rows.size());
    for (const Row &row : m_rows)
        lines.append(row.line());
    return lines;
}

int RepeatTable::add(repeatitem item)
{
    item.eventinfo = typedtext::cleanField(item.eventinfo);
    beginResetModel();
    m_rows.append(Row{item, RepeatSeries::of(item), QString(), true});
    m_changed = true;
    endResetModel();
    return count() - 1;
}

void RepeatTable::change(int row, repeatitem item)
{
    item.eventinfo = typedtext::cleanField(item.eventinfo);
    item.uid = m_rows.at(row).item.uid; // the same series, changed: still its item
    beginResetModel();
    m_rows[row] = Row{item, RepeatSeries::of(item), QString(), true};
    m_changed = true;
    endResetModel();
}

void RepeatTable::setUid(int row, const QString &uid)
{
    m_rows[row].item.uid = uid;
}

void RepeatTable::removeAt(int row)
{
    beginResetModel();
    m_rows.removeAt(row);
    m_changed = true;
    endResetModel();
}

void RepeatTable::leaveOut(int row, QDate day)
{
    repeatitem item = at(row);
    if (!item.except.isEmpty())
        item.except += QLatin1Char(';');
    item.except += jdate::fullDate(day);
    change(row, item);
}

std::optional<QDate> RepeatTable::nextDay(int row, QDate from) const
{
    const auto &series = m_rows.at(row).series;
    return series ? series->next(from) : std::nullopt;
}

QString RepeatTable::listLine(int row, QDate today) const
{
    const auto day = nextDay(row, today);
    if (!day)
        return {};
    const repeatitem &item = at(row);
    const QString text = item.eventinfo + QStringLiteral("（")
                         + m_rows.at(row).series->rule.caption() + QStringLiteral("）");
    return scheduleListLine(jdate::fullDate(*day), item.eventtime, text, today);
}

QStringList RepeatTable::reminderLines(QDate day) const
{
    QStringList lines;
    for (const Row &row : m_rows)
        if (row.series && row.series->fallsOn(day))
            lines.append(row.item.eventtime + QStringLiteral("  ") + row.item.eventinfo);
    return lines;
}

int RepeatTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant RepeatTable::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= count())
        return {};
    return m_rows.at(index.row()).line();
}
