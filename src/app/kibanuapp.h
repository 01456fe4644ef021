// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class AppWindows;
class Clock;
class FileReports;
class FolderWatch;
class InterchangeActions;
class LoginStart;
class Prompter;
class Reminding;
class Session;
class TrayIcon;
class dlgSync;
class frmADDphone;
class frmAbout;
class frmDone;
class frmHelp;
class frmSchedule;
class frmStartup;
class frmTel;
class frmTodo;
class frmToday;
class frmTomorrow;
class frmTrash;
class frmTypeEdit;
enum class DataFile;
enum class Interchange;

// The composition root and the program's life: the session, the clock and the prompter;
// the windows (AppWindows), the start from the sync command to the board, the ways the
// program ends, and what the board asks of the application (the editor, the interchange,
// the help, the backup folder).
class KibanuApp : public QObject {
public:
    KibanuApp(const QString &dataFolder, std::unique_ptr<Clock> clock,
              std::unique_ptr<Prompter> prompter);
    ~KibanuApp() override;

    // Whether the start skips the start-up window and shows the board at once; it is
    // shown unless this is set before start().
    void setSkipStartup(bool skip) { m_skipStartup = skip; }
    // The bus whose notification service shows the reminders, instead of the desktop's
    // session bus; nothing for none. Before start().
    void setNotificationBus(std::optional<QDBusConnection> bus);
    // Whether the platform tells where the board is (Wayland does not): the quit stores its
    // place only then. The platform's own answer unless set.
    void setPlatformTellsPlace(bool tells) { m_platformTellsPlace = tells; }
    // The autostart entry of ｵﾌﾟｼｮﾝ → ログイン時に起動する; the user's own unless set.
    void setLoginStart(const LoginStart &start);
    // Whether the desktop has a tray; Qt's answer unless set. Before start().
    void setTrayAvailable(std::function<bool()> available);

    // The start: the board's first steps, the loaders of todo.txt, closet.txt and
    // schedule.txt, today's appointments (the start waits until their window is closed),
    // the loaders of type.txt and tel.txt, the start-up window or the board at once, and
    // with the board the start's reports on the data files.
    void start();

    // Saves everything and ends the program; after a failed save the user is told and
    // the program goes on with every datum in memory.
    void quitWithSaving();
    // Called once the quit has saved and only its last steps are left (the sync command,
    // the tomorrow window): a later start must wait for this run to end.
    void setQuittingHook(std::function<void()> hook) { m_quittingHook = std::move(hook); }
    // The system asks the program to end (a logout, a shutdown, kill): the quit with saving
    // without the tomorrow window, which nobody would see; before the board has been
    // shown nothing can have changed, and the program just ends.
    void quitAsTheSystemAsks();
    // Ends the program at once; nothing is written, not even pim.ini.
    void quitWithoutSaving();
    // Saves as a quit does, but leaves the file as it is on disk unless this run changed
    // it, hands it to the external editor and ends, so the editor's changes are never
    // overwritten. When the editor cannot be started, or a save fails, says so and goes
    // on.
    void editInExternalEditor(DataFile file);
    // True once the program has been told to end.
    [[nodiscard]] bool hasEnded() const { return m_ended; }

    [[nodiscard]] Session &session() { return *m_session; }
    [[nodiscard]] AppWindows &windows() { return *m_windows; }
    // The windows, as AppWindows makes them.
    [[nodiscard]] frmTodo *todoWindow();
    [[nodiscard]] frmSchedule &scheduleWindow();
    [[nodiscard]] frmTel &telWindow();
    [[nodiscard]] frmDone &doneWindow();
    [[nodiscard]] frmTrash &trashWindow();
    [[nodiscard]] frmTypeEdit &typeEditWindow();
    [[nodiscard]] frmToday &todayWindow();
    // Its close ends the program.
    [[nodiscard]] frmTomorrow &tomorrowWindow();
    [[nodiscard]] frmADDphone &addPhoneDialog();
    [[nodiscard]] frmHelp *helpWindow();
    [[nodiscard]] dlgSync *syncDialog();
    // The About box while it is loaded (shown or hidden by 閉じる), otherwise null.
    [[nodiscard]] frmAbout *aboutWindow();
    // The start-up window while it plays, otherwise null.
    [[nodiscard]] frmStartup *startupWindow() { return m_startupWindow.get(); }

    // Where the help file is; beside the data files unless set.
    void setHelpFile(const QString &path) { m_helpFile = path; }
    // The help window at the part that describes the window of that name.
    void showHelp(const QString &anchor);
    // Opens backup/ in the desktop's file manager.
    void openBackupFolder();
    // The watch on the data folder, once the start has read every file.
    [[nodiscard]] FolderWatch *folderWatch() { return m_watch.get(); }
    // The tray icon, once the start has read every file.
    [[nodiscard]] TrayIcon *trayIcon() { return m_tray.get(); }
    // The reminders of appointments, once the start has read every file.
    [[nodiscard]] Reminding *reminding() { return m_reminding.get(); }

    // ｵﾌﾟｼｮﾝ → 同期の設定: the dialog, whose choice pim.ini takes at the quit and the next
    // start uses.
    void showSyncSettings();
    // How long the sync command may run; for tests.
    void setSyncTimeLimit(int ms) { m_syncLimitMs = ms; }

    // ﾌｧｲﾙ → 予定表を書き出す … 電話帳に読み込む (InterchangeActions).
    void exchange(Interchange what);

    // Shows the About box, not modal: the open one brought forward, or a new one.
    void showAbout();
    // A later start on this data folder: the board comes to the front (shown,
    // un-minimised, raised, active), and with it the start-up window or a modal window
    // that stands over it.
    void bringForward();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // What the board asks of the application rather than of another window.
    void connectBoardRequests(frmTodo &board);
    // What the user sees in a box is what a save stores: compositions of input methods
    // and the phone book's open edits are committed (the board's are the session's).
    void commitOpenEdits();
    // The board's place into the settings; true when its place counts.
    bool takeBoardPlace();
    // Starts following the files that other programs change while this one runs.
    void watchFolder();
    // Starts announcing appointments at their time, as the options say.
    void startReminders();
    // The start after the today window: pim.ini, then the start-up window or the board.
    void continueStart();
    // The start after the first window is painted: the phone book's files, the watch, the
    // reminders, and the start's reports once the board shows.
    void finishStart();
    void showBoard();
    // The icon in the tray, as the options say; its requests go to the board.
    void followTray();
    // A request of the tray's menu, made only while the board is up and no modal window
    // waits; otherwise the window in front comes forward.
    void fromTray(const std::function<void()> &request);
    // The board's close box: the board hides in the tray where the options and the
    // desktop allow it (said the first time), otherwise the quit with saving.
    void closeBox();
    void end();
    // The sync command of the start's settings, if any; a failure is said, and the
    // program goes on with the files it has.
    void runSyncCommand();

    QString m_dataFolder;
    QString m_helpFile;
    std::unique_ptr<Clock> m_clock;
    std::unique_ptr<Prompter> m_prompter;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<FileReports> m_reports;
    std::unique_ptr<AppWindows> m_windows;
    std::unique_ptr<frmStartup> m_startupWindow;
    std::unique_ptr<FolderWatch> m_watch;
    std::unique_ptr<Reminding> m_reminding;
    std::unique_ptr<InterchangeActions> m_interchange;
    std::function<void()> m_quittingHook;
    std::unique_ptr<LoginStart> m_loginStart;
    std::unique_ptr<TrayIcon> m_tray;
    std::function<bool()> m_trayAvailable;
    QString m_syncCommand;
    int m_syncLimitMs;
    bool m_platformTellsPlace;
    bool m_busChosen = false;
    std::optional<QDBusConnection> m_notificationBus;
    bool m_skipStartup = false;
    bool m_startFinished = false;
    bool m_boardShown = false;
    bool m_boardInTray = false;
    bool m_toldTray = false;
    bool m_noGoodbye = false; // the quit shows no tomorrow window
    bool m_ended = false;
};
