// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The search window and the places it opens.
#include "appwindows.h"

#include "board/frmtodo.h"
#include "board/todoboard.h"
#include "lists/donelist.h"
#include "lists/frmdone.h"
#include "lists/frmtrash.h"
#include "lists/shelflist.h"
#include "phonebook/frmtel.h"
#include "phonebook/phonebook.h"
#include "schedule/frmschedule.h"
#include "schedule/repeattable.h"
#include "schedule/scheduletable.h"
#include "search/frmsearch.h"
#include "search/readings.h"
#include "search/searchsources.h"
#include "session.h"
#include "text/clock.h"
#include "ui/prompter.h"
#include "ui/windows.h"

#include <QThread>

frmSearch &AppWindows::searchWindow()
{
    if (!m_search) {
        m_searchModel = std::make_unique<SearchModel>();
        m_search = std::make_unique<frmSearch>(*m_searchModel, true);
        windows::belongTo(*m_search, m_todo.get());
        connect(m_search.get(), &frmSearch::openRequested, this, &AppWindows::openFound);
        connect(m_search.get(), &frmSearch::activated, this, &AppWindows::fillSearch);
        // The dictionary takes a tenth of a second: read on the first search only (the
        // start reads none), beside the window, which finds what is written meanwhile.
        m_readingsLoad.reset(QThread::create([this] { m_readings = std::make_unique<Readings>(); }));
        connect(m_readingsLoad.get(), &QThread::finished, this, [this] {
            m_searchModel->setReadings(m_readings.get());
            m_search->setReadingsOn(m_readings->isOn());
        });
        m_readingsLoad->start();
    }
    return *m_search;
}

void AppWindows::showSearch()
{
    frmSearch &window = searchWindow();
    fillSearch();
    windows::showModeless(window);
}

// done.txt is read again only when it changed; the other places are in memory.
void AppWindows::fillSearch()
{
    const QString donePath = m_session.files().path(DataFile::Done);
    if (const auto now = fileIdentity(donePath); now != m_searchedDone || !now) {
        DoneList done;
        (void)done.loadDone(donePath);
        m_searchedDone = now;
        m_searchModel->setItems(SearchPlace::Done, searchsources::done(done.stringList(), m_clock.today()));
    }
    const QDate today = m_clock.today();
    m_searchModel->setItems(SearchPlace::Board, searchsources::board(m_session.board()));
    m_searchModel->setItems(SearchPlace::Shelf, searchsources::shelf(m_session.shelf()));
    m_searchModel->setItems(SearchPlace::Schedule,
                            searchsources::schedule(m_session.schedule(), m_session.repeats(), today));
    m_searchModel->setItems(SearchPlace::PhoneBook, searchsources::phoneBook(m_session.phoneBook()));
}

void AppWindows::openFound(const SearchItem &item)
{
    if (openFoundIn(item))
        return;
    m_prompter.inform(QStringLiteral("この項目はもうありません"));
    m_searchedDone.reset(); // read again, whatever its stamp says
    fillSearch();
}

// Each place is checked to hold the item as it was found, then shown as its button shows it.
bool AppWindows::openFoundIn(const SearchItem &item)
{
    const int at = item.position;
    switch (item.place) {
    case SearchPlace::Board:
        if (!TodoBoard::isSlot(at) || m_session.board().text(at) != item.line)
            return false;
        m_todo->showSlot(at);
        return true;
    case SearchPlace::Shelf:
        windows::showModeless(trashWindow()); // which may read closet.txt again
        if (at >= m_session.shelf().count() || m_session.shelf().at(at) != item.line)
            return false;
        trashWindow().showRow(at);
        return true;
    case SearchPlace::Done: {
        const auto row = doneWindow().rowOf(item.line, at);
        if (!row)
            return false;
        doneWindow().showRow(*row);
        windows::showModeless(doneWindow());
        return true;
    }
    case SearchPlace::Schedule:
        return openFoundInSchedule(item);
    case SearchPlace::PhoneBook:
        if (at >= m_session.phoneBook().ntphone()
            || searchsources::phoneLine(m_session.phoneBook().at(at)) != item.line)
            return false;
        windows::showModeless(telWindow());
        telWindow().showEntry(at);
        return true;
    }
    return false;
}

bool AppWindows::openFoundInSchedule(const SearchItem &item)
{
    const QDate today = m_clock.today();
    const int at = item.position;
    const RepeatTable &series = m_session.repeats();
    const ScheduleTable &table = m_session.schedule();
    const bool there = item.series ? at < series.count() && series.listLine(at, today) == item.line
                                   : at < table.ntschedule()
                                         && scheduleListLine(table.at(at).eventdate, table.at(at).eventtime,
                                                             table.at(at).eventinfo, today)
                                                == item.line;
    if (!there)
        return false;
    windows::showModeless(scheduleWindow());
    if (item.series)
        scheduleWindow().selectSeries(at);
    else
        scheduleWindow().selectEntry(at);
    return true;
}
