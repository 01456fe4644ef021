// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>
#include <memory>

class Clock;
class QMenu;
class QSystemTrayIcon;
class Session;

// The program's icon in the desktop's tray: today's count of appointments as its tooltip,
// a click for the board, and a menu of the board's main ways.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    // What the click and the menu's items ask for.
    struct Requests {
        std::function<void()> board;
        std::function<void()> schedule;
        std::function<void()> tel;
        std::function<void()> search;
        std::function<void()> quit;
    };
    TrayIcon(Session &session, const Clock &clock, Requests requests);
    ~TrayIcon() override;

    // Shows or removes the icon. Shown where the desktop has no tray yet, it appears
    // once one comes.
    void setShown(bool shown);
    [[nodiscard]] bool isShown() const { return m_shown; }
    // Shown, and the desktop has a tray to hold it: only then can the board hide in it.
    [[nodiscard]] bool inTray() const;
    // Whether the desktop has a tray; Qt's answer unless set.
    void setTrayAvailable(std::function<bool()> available) { m_available = std::move(available); }

    [[nodiscard]] QString toolTip() const { return m_toolTip; }
    [[nodiscard]] QMenu &menu() { return *m_menu; }
    // The count again, as the schedule or the day changed.
    void refresh();
    // A balloon from the icon.
    void say(const QString &text);

signals:
    void said(const QString &text);

private:
    void makeIcon();
    void refreshSoon();

    Session &m_session;
    const Clock &m_clock;
    Requests m_requests;
    std::unique_ptr<QMenu> m_menu;
    std::unique_ptr<QSystemTrayIcon> m_icon;
    std::function<bool()> m_available;
    QString m_toolTip;
    bool m_shown = false;
    bool m_refreshDue = false;
};
