// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "trayicon.h"

#include "schedule/repeattable.h"
#include "schedule/scheduletable.h"
#include "session.h"
#include "text/clock.h"

#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>

TrayIcon::TrayIcon(Session &session, const Clock &clock, Requests requests)
    : m_session(session), m_clock(clock), m_requests(std::move(requests)),
      m_menu(std::make_unique<QMenu>()), m_available(&QSystemTrayIcon::isSystemTrayAvailable)
{
    m_menu->setObjectName(QStringLiteral("mnuTray"));
    const std::pair<const char *, std::function<void()> Requests::*> items[] = {
        {"ボードを表示", &Requests::board}, {"予定表", &Requests::schedule},
        {"電話帳", &Requests::tel},         {"検索", &Requests::search},
        {"保存して終了", &Requests::quit}};
    for (const auto &item : items) {
        const auto request = item.second;
        if (request == &Requests::quit)
            m_menu->addSeparator();
        // Queued: the menu closes first, and a window it opens is not under it.
        connect(m_menu->addAction(QString::fromUtf8(item.first)), &QAction::triggered, this,
                [this, request] { QTimer::singleShot(0, this, m_requests.*request); });
    }
    // The schedule's list changes with its table, the series with theirs.
    const SortedLines &list = m_session.schedule().list();
    for (auto signal : {&SortedLines::rowsInserted, &SortedLines::rowsRemoved})
        connect(&list, signal, this, &TrayIcon::refreshSoon);
    connect(&list, &SortedLines::modelReset, this, &TrayIcon::refreshSoon);
    connect(&list, &SortedLines::dataChanged, this, &TrayIcon::refreshSoon);
    connect(&m_session.repeats(), &RepeatTable::modelReset, this, &TrayIcon::refreshSoon);
    refresh();
}

TrayIcon::~TrayIcon() = default;

void TrayIcon::makeIcon()
{
    m_icon = std::make_unique<QSystemTrayIcon>(QIcon(QStringLiteral(":/kibanu.svg")));
    m_icon->setContextMenu(m_menu.get());
    m_icon->setToolTip(m_toolTip);
    connect(m_icon.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                    m_requests.board();
            });
}

void TrayIcon::setShown(bool shown)
{
    m_shown = shown;
    if (shown && !m_icon)
        makeIcon();
    if (m_icon)
        m_icon->setVisible(shown);
}

bool TrayIcon::inTray() const
{
    return m_shown && m_available();
}

void TrayIcon::refreshSoon()
{
    // The list changes before the entry beside it: counted once both are done.
    if (!m_refreshDue) {
        m_refreshDue = true;
        QTimer::singleShot(0, this, &TrayIcon::refresh);
    }
}

void TrayIcon::refresh()
{
    m_refreshDue = false;
    const qsizetype count = m_session.dayLines(m_clock.today()).size();
    m_toolTip = QStringLiteral("Kibanu — 今日の予定 %1 件").arg(count);
    if (m_icon)
        m_icon->setToolTip(m_toolTip);
}

void TrayIcon::say(const QString &text)
{
    if (m_icon)
        m_icon->showMessage(QStringLiteral("Kibanu"), text, QSystemTrayIcon::NoIcon);
    emit said(text);
}
