// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The file dialog and the files of other programs, and the schedule in iCalendar.
#include "interchangeactions.h"

#include "board/frmtodo.h"
#include "interchangetexts.h"
#include "schedule/schedulecalendar.h"
#include "session.h"
#include "text/clock.h"
#include "text/cp932.h"
#include "text/textfile.h"
#include "ui/prompter.h"

#include <QDir>
#include <QFileInfo>
#include <QTimeZone>

InterchangeActions::InterchangeActions(Session &session, Prompter &prompter, const Clock &clock)
    : m_session(session), m_prompter(prompter), m_clock(clock)
{
}

QString InterchangeActions::chooseFile(bool save, const QString &title, const QString &fileName,
                              const QString &filter)
{
    QString start = m_session.settings().exchangeFolder;
    if (start.isEmpty() || !QFileInfo(start).isDir())
        start = QDir::homePath();
    if (save)
        start = QDir(start).filePath(fileName);
    QString chosen = m_prompter.askFileName(save ? Prompter::FileUse::Save : Prompter::FileUse::Open,
                                                   title, start, filter);
    // Remembered in pim.ini, which holds CP932 only.
    const QString folder = QFileInfo(chosen).absolutePath();
    if (!chosen.isEmpty() && cp932::encode(folder).ok)
        m_session.settings().exchangeFolder = folder;
    return chosen;
}

bool InterchangeActions::writeExchangeFile(const QString &path, const QByteArray &bytes)
{
    // As every data file: whole, and a failed flush is a failure, not a cut-off file.
    const WriteResult written = replaceFileBytes(path, bytes);
    if (written.ok)
        return true;
    m_prompter.inform(QStringLiteral("%1 に書き出せませんでした。\n%2")
                           .arg(QDir::toNativeSeparators(path), written.error));
    return false;
}

std::optional<QByteArray> InterchangeActions::chooseAndRead(const QString &title, const QString &filter,
                                                   QString &path)
{
    path = chooseFile(false, title, QString(), filter);
    if (path.isEmpty())
        return std::nullopt;
    // A read cut short is no file to take part of: nothing is added.
    const FileBytes file = readFileBytes(path);
    if (!file.exists || !file.ok) {
        m_prompter.inform(QStringLiteral("%1 を読めませんでした。\n%2")
                               .arg(QDir::toNativeSeparators(path),
                                    file.exists ? file.error : QStringLiteral("ファイルがありません。")));
        return std::nullopt;
    }
    return file.bytes;
}

bool InterchangeActions::mayTake(const QString &path, const QString &error, const QStringList &replaced)
{
    if (!error.isEmpty()) {
        m_prompter.inform(QStringLiteral("%1 は読み込めませんでした。\n%2\n\n何も追加していません。")
                               .arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    if (replaced.isEmpty())
        return true;
    QStringList shown = replaced;
    shown.removeDuplicates();
    return m_prompter.askOkCancel(
        QStringLiteral("次の文字は Shift-JIS（CP932）のファイルに保存できないため、「？」に置き換えて読み込みます。\n%1\n\n"
                       "よろしいですか？")
            .arg(shown.join(QStringLiteral(" "))));
}

void InterchangeActions::run(Interchange what)
{
    switch (what) {
    case Interchange::ExportSchedule:
        return exportSchedule();
    case Interchange::ImportSchedule:
        return importSchedule();
    case Interchange::ExportPhoneBook:
        return exportPhoneBook();
    case Interchange::ImportPhoneBook:
        return importPhoneBook();
    }
}

void InterchangeActions::exportSchedule()
{
    const QString path = chooseFile(true, QStringLiteral("予定表を書き出す (iCalendar)"),
                                    QStringLiteral("schedule.ics"), interchangetexts::calendarFilter());
    if (path.isEmpty())
        return;
    const ScheduleTable &table = m_session.schedule();
    const schedulecalendar::Written out = schedulecalendar::write(
        table, m_clock.today(), QTimeZone::systemTimeZone(), m_clock.now(), &m_session.repeats());
    if (!writeExchangeFile(path, out.bytes))
        return;
    QStringList told{QStringLiteral("%1 件の予定を書き出しました。\n%2")
                         .arg(table.ntschedule() - out.unreadable)
                         .arg(QDir::toNativeSeparators(path))};
    if (out.series > 0)
        told.append(QStringLiteral("繰り返しの予定 %1 件は、繰り返しのまま書き出しました。").arg(out.series));
    if (out.unreadable > 0)
        told.append(QStringLiteral("%1 件は日付か時刻が読めないため書き出しませんでした。").arg(out.unreadable));
    m_prompter.inform(interchangetexts::lines(told));
}

namespace {

// What the calendar holds that the schedule does not take, each named.
QStringList leftOutOfCalendar(const schedulecalendar::ReadResult &read)
{
    QStringList told;
    if (read.cancelled > 0)
        told.append(QStringLiteral("中止の予定 %1 件は読み込みませんでした。").arg(read.cancelled));
    if (read.notEvents > 0)
        told.append(QStringLiteral("予定ではない項目（ToDo やメモ）%1 件は読み込みませんでした。")
                        .arg(read.notEvents));
    if (!read.limited.isEmpty())
        told.append(QStringLiteral("次の繰り返しは 1 日 1 件、100 件までを読み込み、残りは読み込みませんでした: 「%1」")
                        .arg(read.limited.join(QStringLiteral("」「"))));
    return told;
}

} // namespace

void InterchangeActions::importSchedule()
{
    QString path;
    const std::optional<QByteArray> bytes =
        chooseAndRead(QStringLiteral("予定表に読み込む (iCalendar)"), interchangetexts::calendarFilter(), path);
    if (!bytes)
        return;
    const QDate today = m_clock.today();
    const schedulecalendar::ReadResult read =
        schedulecalendar::read(*bytes, today, QTimeZone::systemTimeZone(), true);
    if (!mayTake(path, read.error, read.replaced))
        return;
    const schedulecalendar::Added added =
        schedulecalendar::addAll(m_session.schedule(), read.items, today);
    const schedulecalendar::Added series =
        schedulecalendar::addAllSeries(m_session.repeats(), read.series);
    QStringList told{QStringLiteral("%1 件を読み込みました。").arg(added.added)};
    if (series.added + series.same > 0)
        told.append(QStringLiteral("繰り返しの予定 %1 件を、繰り返しとして読み込みました（同じもの %2 件）。")
                        .arg(series.added)
                        .arg(series.same));
    if (added.same > 0)
        told.append(QStringLiteral("%1 件は同じ予定がありました。").arg(added.same));
    if (read.unreadable > 0)
        told.append(QStringLiteral("%1 件は開始の日時が読めないため読み込みませんでした。").arg(read.unreadable));
    told.append(leftOutOfCalendar(read));
    if (added.leftOut > 0)
        told.append(QStringLiteral("予定表がいっぱい（%1 件）になったため、%2 件は読み込めませんでした。")
                        .arg(ScheduleTable::Capacity)
                        .arg(added.leftOut));
    m_prompter.inform(interchangetexts::lines(told));
}
