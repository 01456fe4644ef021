// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// KibanuApp: the ways the program ends, and what each saves first.
#include "kibanuapp.h"

#include "appwindows.h"
#include "board/frmtodo.h"
#include "externaleditor.h"
#include "filereports.h"
#include "phonebook/frmtel.h"
#include "reminding.h"
#include "schedule/frmday.h"
#include "session.h"
#include "text/clock.h"
#include "trayicon.h"
#include "ui/composition.h"
#include "ui/prompter.h"
#include "ui/twips.h"
#include "ui/windows.h"

#include <QCoreApplication>
#include <QUndoStack>

void KibanuApp::commitOpenEdits()
{
    composition::commit();
    if (frmTel *tel = m_windows->madeTelWindow())
        tel->endInPlaceEdits();
}

bool KibanuApp::takeBoardPlace()
{
    const frmTodo *board = m_windows->board();
    if (!board)
        return true;
    Settings &settings = m_session->settings();
    const bool normal = board->isNormalState();
    if (normal) {
        // Twips to pixels and back would lose the stored value's last digits: a value
        // that still gives the window's pixel stays as it was.
        const frmTodo::Place place = board->windowPlace();
        const auto keep = [](int &stored, int now) {
            if (twips(stored) != twips(now))
                stored = now;
        };
        // Where the platform cannot tell the place (Wayland), the stored one stays.
        if (m_platformTellsPlace) {
            keep(settings.left, place.left);
            keep(settings.top, place.top);
        }
        keep(settings.width, place.width);
    }
    return normal;
}

void KibanuApp::quitWithSaving()
{
    if (m_ended || m_session->hasEnded())
        return; // already saved; the tomorrow window may still be open
    commitOpenEdits();
    // What is shown is saved; nothing of it is undone after the quit began.
    m_windows->history().clear();
    const Session::QuitResult result = m_session->quitWithSaving(takeBoardPlace());
    // Saved: from here on only the messages, the sync command and the tomorrow window.
    if (result.ok && m_quittingHook)
        m_quittingHook();
    m_reports->afterSave();
    if (!result.ok)
        return m_reports->saveFailed(result.failed, result.error);
    if (frmTodo *board = m_windows->board())
        board->hide();
    if (m_tray)
        m_tray->setShown(false);
    if (m_reminding)
        m_reminding->stop();
    // After every file is written: the servers get this run's items.
    runSyncCommand();
    // Tomorrow's appointments last; the program ends when their window is closed.
    const QDate today = m_clock->today();
    if (m_noGoodbye || !tomorrowWindow().showLines(m_session->dayLines(today.addDays(1))))
        end();
}

void KibanuApp::quitAsTheSystemAsks()
{
    if (m_ended)
        return;
    if (!m_boardShown || m_session->hasEnded())
        return end(); // nothing to save, or saved already and only the goodbye left
    m_noGoodbye = true;
    quitWithSaving();
    m_noGoodbye = m_ended; // after a failed save, a later quit is the usual one
}

void KibanuApp::quitWithoutSaving()
{
    end();
}

void KibanuApp::editInExternalEditor(DataFile file)
{
    if (m_ended || m_session->hasEnded())
        return;
    const EditorCommand command =
        editorCommand(m_session->settings().editor, m_session->files().path(file));
    const auto cannotStart = [&](const QString &error, const QString &after) {
        m_prompter->inform(QStringLiteral("エディタ「%1」を起動できませんでした。\n%2%3")
                               .arg(command.program, error, after));
    };
    QString error;
    if (!editorFound(command, error))
        return cannotStart(error, QString()); // nothing written: the program goes on as it was
    commitOpenEdits();
    const Session::QuitResult saved = m_session->saveForEditor(file, takeBoardPlace());
    m_reports->afterSave();
    if (!saved.ok)
        return m_reports->saveFailed(saved.failed, saved.error);
    if (!startEditor(command, error))
        return cannotStart(error, QStringLiteral("\n\nデータは保存しました。このまま続けられます。"));
    end();
}

void KibanuApp::end()
{
    m_ended = true;
    m_reports->stop();
    if (m_reminding)
        m_reminding->stop();
    QCoreApplication::exit(0);
}
