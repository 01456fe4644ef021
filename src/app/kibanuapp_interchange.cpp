// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// KibanuApp: the schedule and the phone book written to and read from the files of other
// programs (iCalendar, vCard).
#include "kibanuapp.h"

#include "board/frmtodo.h"
#include "phonebook/phonecards.h"
#include "schedule/schedulecalendar.h"
#include "session.h"
#include "text/clock.h"
#include "text/cp932.h"
#include "text/narrow.h"
#include "ui/prompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTimeZone>

namespace {

const QString calendarFilter = QStringLiteral("iCalendar (*.ics);;すべてのファイル (*)");
const QString cardFilter = QStringLiteral("vCard (*.vcf *.vcard);;すべてのファイル (*)");

QString lines(const QStringList &parts)
{
    return parts.join(QLatin1Char('\n'));
}

} // namespace

QString KibanuApp::chooseFile(bool save, const QString &title, const QString &fileName,
                              const QString &filter)
{
    QString start = m_session->settings().exchangeFolder;
    if (start.isEmpty() || !QFileInfo(start).isDir())
        start = QDir::homePath();
    if (save)
        start = QDir(start).filePath(fileName);
    const QString chosen = m_prompter->askFileName(save ? Prompter::FileUse::Save : Prompter::FileUse::Open,
                                                   title, start, filter);
    // Remembered in pim.ini, which holds CP932 only.
    const QString folder = QFileInfo(chosen).absolutePath();
    if (!chosen.isEmpty() && cp932::encode(folder).ok)
        m_session->settings().exchangeFolder = folder;
    return chosen;
}

bool KibanuApp::writeExchangeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    m_prompter->inform(QStringLiteral("%1 に書き出せませんでした。\n%2")
                           .arg(QDir::toNativeSeparators(path), file.errorString()));
    return false;
}

std::optional<QByteArray> KibanuApp::chooseAndRead(const QString &title, const QString &filter,
                                                   QString &path)
{
    path = chooseFile(false, title, QString(), filter);
    if (path.isEmpty())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_prompter->inform(QStringLiteral("%1 を読めませんでした。\n%2")
                               .arg(QDir::toNativeSeparators(path), file.errorString()));
        return std::nullopt;
    }
    return file.readAll();
}

bool KibanuApp::mayTake(const QString &path, const QString &error, const QStringList &replaced)
{
    if (!error.isEmpty()) {
        m_prompter->inform(QStringLiteral("%1 は読み込めませんでした。\n%2\n\n何も追加していません。")
                               .arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    if (replaced.isEmpty())
        return true;
    QStringList shown = replaced;
    shown.removeDuplicates();
    return m_prompter->askOkCancel(
        QStringLiteral("次の文字は Shift-JIS（CP932）のファイルに保存できないため、「？」に置き換えて読み込みます。\n%1\n\n"
                       "よろしいですか？")
            .arg(shown.join(QStringLiteral(" "))));
}

void KibanuApp::exchange(Interchange what)
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

void KibanuApp::exportSchedule()
{
    const QString path = chooseFile(true, QStringLiteral("予定表を書き出す (iCalendar)"),
                                    QStringLiteral("schedule.ics"), calendarFilter);
    if (path.isEmpty())
        return;
    const ScheduleTable &table = m_session->schedule();
    const schedulecalendar::Written out = schedulecalendar::write(
        table, m_clock->today(), QTimeZone::systemTimeZone(), m_clock->now());
    if (!writeExchangeFile(path, out.bytes))
        return;
    QStringList told{QStringLiteral("%1 件の予定を書き出しました。\n%2")
                         .arg(table.ntschedule() - out.unreadable)
                         .arg(QDir::toNativeSeparators(path))};
    if (out.unreadable > 0)
        told.append(QStringLiteral("%1 件は日付か時刻が読めないため書き出しませんでした。").arg(out.unreadable));
    m_prompter->inform(lines(told));
}

void KibanuApp::importSchedule()
{
    QString path;
    const std::optional<QByteArray> bytes =
        chooseAndRead(QStringLiteral("予定表に読み込む (iCalendar)"), calendarFilter, path);
    if (!bytes)
        return;
    const QDate today = m_clock->today();
    const schedulecalendar::ReadResult read =
        schedulecalendar::read(*bytes, today, QTimeZone::systemTimeZone());
    if (!mayTake(path, read.error, read.replaced))
        return;
    const schedulecalendar::Added added =
        schedulecalendar::addAll(m_session->schedule(), read.items, today);
    QStringList told{QStringLiteral("%1 件を読み込みました。").arg(added.added)};
    if (added.same > 0)
        told.append(QStringLiteral("%1 件は同じ予定がありました。").arg(added.same));
    if (read.unreadable > 0)
        told.append(QStringLiteral("%1 件は開始の日時が読めないため読み込みませんでした。").arg(read.unreadable));
    if (added.leftOut > 0)
        told.append(QStringLiteral("予定表がいっぱい（%1 件）になったため、%2 件は読み込めませんでした。")
                        .arg(ScheduleTable::Capacity)
                        .arg(added.leftOut));
    m_prompter->inform(lines(told));
}

void KibanuApp::exportPhoneBook()
{
    const QString path = chooseFile(true, QStringLiteral("電話帳を書き出す (vCard)"),
                                    QStringLiteral("tel.vcf"), cardFilter);
    if (path.isEmpty())
        return;
    const PhoneBook &book = m_session->phoneBook();
    if (!writeExchangeFile(path, phonecards::write(book)))
        return;
    m_prompter->inform(QStringLiteral("%1 件を書き出しました。\n%2")
                           .arg(book.ntphone())
                           .arg(QDir::toNativeSeparators(path)));
}

void KibanuApp::importPhoneBook()
{
    QString path;
    const std::optional<QByteArray> bytes =
        chooseAndRead(QStringLiteral("電話帳に読み込む (vCard)"), cardFilter, path);
    if (!bytes)
        return;
    const phonecards::ReadResult read = phonecards::read(*bytes);
    if (!mayTake(path, read.error, read.replaced))
        return;
    PhoneBook &book = m_session->phoneBook();
    int added = 0;
    int joined = 0;
    int skipped = 0;
    int leftOut = 0;
    QStringList leftOutPairs;
    for (qsizetype k = 0; k < read.entries.size(); ++k) {
        phoneentry entry = read.entries.at(k).entry;
        leftOutPairs += read.entries.at(k).leftOutPairs;
        const QString &cardName = read.entries.at(k).cardName;
        // An index the phone book takes: typed by the user where the card gives none.
        QString index = entry.index;
        QString problem;
        while (index.isEmpty() || !isIndexText(narrow(index))) {
            const std::optional<QString> typed = m_prompter->askText(
                problem + QStringLiteral("「%1」の index（ローマ字と数字）を入力してください。\n"
                                         "キャンセルすると、このカードは読み込みません。")
                              .arg(cardName),
                index);
            if (!typed) {
                index.clear();
                break;
            }
            index = typed->trimmed();
            problem = QStringLiteral("indexはalphabetと数字のみです。\n");
        }
        if (index.isEmpty()) {
            ++skipped;
            continue;
        }
        entry.index = index;
        if (const std::optional<int> pos = book.find(index)) {
            // An entry is never replaced: the card's pairs may join it.
            if (!m_prompter->askYesNo(QStringLiteral("index「%1」は電話帳にあります（%2）。\n"
                                                     "カード「%3」の番号をこの項目に加えますか？")
                                          .arg(index, book.at(*pos).name, cardName))) {
                ++skipped;
                continue;
            }
            for (int j = 0; j < entry.numphone; ++j)
                if (!book.setPair(*pos, phoneentry::MaxPairs, entry.phonetype.at(j), entry.phonenumber.at(j)))
                    leftOutPairs.append(entry.phonetype.at(j) + u' ' + entry.phonenumber.at(j));
            ++joined;
            continue;
        }
        if (book.isFull()) {
            leftOut = int(read.entries.size() - k);
            break;
        }
        book.add(entry);
        ++added;
    }
    QStringList told{QStringLiteral("%1 件を読み込みました。").arg(added)};
    if (joined > 0)
        told.append(QStringLiteral("%1 件は同じ index の項目に番号を加えました。").arg(joined));
    if (skipped > 0)
        told.append(QStringLiteral("%1 件は読み込みませんでした。").arg(skipped));
    if (leftOut > 0)
        told.append(QStringLiteral("電話帳がいっぱい（%1 件）になったため、%2 件は読み込めませんでした。")
                        .arg(PhoneBook::Capacity)
                        .arg(leftOut));
    if (!leftOutPairs.isEmpty())
        told.append(QStringLiteral("1 項目 %1 組を超えるため、次の番号は読み込みませんでした。\n%2")
                        .arg(phoneentry::MaxPairs)
                        .arg(lines(leftOutPairs)));
    m_prompter->inform(lines(told));
}
