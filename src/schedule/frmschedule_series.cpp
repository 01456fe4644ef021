// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// frmSchedule: the series of repeat.txt, made, changed and deleted in the window.
#include "frmschedule.h"

#include "repeattable.h"
#include "scheduletable.h"
#include "text/clock.h"
#include "text/jdate.h"
#include "ui/listview.h"
#include "ui/prompter.h"

#include <QListView>

#include <optional>

namespace {

// A date as typed, stored as repeat.txt holds it (yyyy/m/d); a date without a year gets
// the one it means, as a new entry's does.
QString seriesDate(const QString &typed, QDate today)
{
    const auto date = jdate::parseDate(jdate::dateForNewEntry(typed, today), today);
    return date ? jdate::fullDate(*date) : typed;
}

} // namespace

bool frmSchedule::storeAsSeries(qint16 mode, const QString &date, const QString &time,
                                const QString &event, const dlgSchedule::Repetition &repeat)
{
    // The sync does not carry series yet: the server's event would go.
    if (mode == dlgSchedule::ChangeEntry && selectedIndex() >= 0
        && !m_table.at(selectedIndex()).uid.isEmpty()) {
        m_prompter.inform(QStringLiteral("サーバーと同期している予定は、繰り返しの予定にできません。\n"
                                         "繰り返しの予定は、まだ同期されません。"));
        return false;
    }
    // A single entry made a series leaves schedule.txt for repeat.txt, its extra fields
    // with it.
    std::optional<scheduleitem> was;
    if (mode == dlgSchedule::ChangeEntry && selectedIndex() >= 0) {
        was = m_table.at(selectedIndex());
        m_table.removeAt(selectedIndex());
    }
    return addSeries(date, time, event, repeat, was ? &*was : nullptr);
}

void frmSchedule::openSeries(int row)
{
    const repeatitem &item = m_series.at(row);
    m_editingSeries = row;
    // The day shown: a date left as it is keeps the series' own start.
    m_editingDay = m_series.nextDay(row, m_clock.today()).value_or(QDate());
    dialog().showWith(dlgSchedule::ChangeSeries, jdate::fullDate(m_editingDay), item.eventtime,
                      item.eventinfo, {item.rule, item.until});
}

bool frmSchedule::addSeries(const QString &date, const QString &time, const QString &event,
                            const dlgSchedule::Repetition &repeat, const scheduleitem *extras)
{
    const QDate today = m_clock.today();
    repeatitem item{event, seriesDate(date, today), time, repeat.rule};
    if (extras) {
        item.extra1 = extras->extra1;
        item.extra2 = extras->extra2;
        item.extra3 = extras->extra3;
    }
    if (!repeat.until.isEmpty())
        item.until = seriesDate(repeat.until, today);
    const int row = m_series.add(item);
    // From the entry dialog's change: the single entry it was is gone with the same step.
    recordSeries(extras ? QStringLiteral("繰り返しの予定にする") : QStringLiteral("繰り返しの予定の追加"),
                 std::nullopt, m_series.at(row),
                 extras ? std::optional<scheduleitem>(*extras) : std::nullopt, std::nullopt);
    listview::clearSelection(lstSchedule);
    return true;
}

bool frmSchedule::storeSeries(qint16 mode, const QString &date, const QString &time,
                              const QString &event, const dlgSchedule::Repetition &repeat)
{
    const int row = m_editingSeries;
    if (row < 0 || row >= m_series.count()) { // read again from the disk meanwhile
        m_prompter.inform(QStringLiteral("この繰り返しの予定は、もうありません。"));
        return true;
    }
    if (mode == dlgSchedule::DeleteSeries)
        return deleteSeries(row, m_editingDay);
    if (mode == dlgSchedule::ThisDayOnly || repeat.rule.isEmpty()) {
        // The day (or, with しない, the series) becomes a single appointment, its extra
        // fields kept.
        const repeatitem was = m_series.at(row);
        scheduleitem single{event, jdate::dateForNewEntry(date, m_clock.today()), time,
                            was.extra1, was.extra2, was.extra3};
        // The day stays part of the series' item in a sync folder, as its changed occurrence.
        if (mode == dlgSchedule::ThisDayOnly)
            single.uid = was.uid;
        const auto pos = m_table.add(single, m_clock.today());
        if (!pos) {
            m_prompter.inform(fullMessage());
            return false;
        }
        if (mode == dlgSchedule::ThisDayOnly)
            m_series.leaveOut(row, m_editingDay);
        else
            m_series.removeAt(row);
        const bool dayOnly = mode == dlgSchedule::ThisDayOnly;
        recordSeries(dayOnly ? QStringLiteral("この日だけ変更") : QStringLiteral("繰り返しをやめる"), was,
                     dayOnly ? std::optional<repeatitem>(m_series.at(row)) : std::nullopt,
                     std::nullopt, m_table.at(*pos));
        listview::clearSelection(lstSchedule);
        return true;
    }
    const repeatitem before = m_series.at(row);
    repeatitem item = before;
    // The day shown left as it was keeps the series' start; a new rule counts from it.
    if (date != jdate::fullDate(m_editingDay) || repeat.rule != item.rule)
        item.startdate = seriesDate(date, m_clock.today());
    item.eventtime = time;
    item.eventinfo = event;
    item.rule = repeat.rule;
    item.until = repeat.until.isEmpty() ? QString() : seriesDate(repeat.until, m_clock.today());
    m_series.change(row, item);
    recordSeries(QStringLiteral("繰り返しの予定の変更"), before, m_series.at(row), std::nullopt,
                 std::nullopt);
    listview::clearSelection(lstSchedule);
    return true;
}

bool frmSchedule::deleteSeries(int row, QDate day)
{
    const repeatitem before = m_series.at(row);
    switch (m_prompter.askYesNoCancel(QStringLiteral("この繰り返しの予定をすべて削除しますか？"))) {
    case Prompter::Answer::Yes:
        m_series.removeAt(row);
        recordSeries(QStringLiteral("繰り返しの予定の削除"), before, std::nullopt, std::nullopt,
                     std::nullopt);
        break;
    case Prompter::Answer::No: // only the day shown
        if (day.isValid()) {
            m_series.leaveOut(row, day);
            recordSeries(QStringLiteral("この日を除く"), before, m_series.at(row), std::nullopt,
                         std::nullopt);
        }
        break;
    case Prompter::Answer::Cancel:
        return false;
    }
    listview::clearSelection(lstSchedule);
    return true;
}
