// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filereports.h"

#include "session.h"
#include "ui/prompter.h"

#include <QMetaObject>

FileReports::FileReports(Session &session, Prompter &prompter)
    : m_session(session), m_prompter(prompter)
{
}

void FileReports::syncMessages()
{
    for (const QString &message : m_session.takeSyncMessages())
        m_prompter.inform(message);
}

void FileReports::movedToShelf()
{
    if (const int moved = m_session.takeMovedToShelf(); moved > 0)
        m_prompter.inform(QStringLiteral("%1 の 15 行目以降の %2 件をたな上げに移しました。")
                              .arg(dataFileName(DataFile::Todo))
                              .arg(moved));
}

void FileReports::formats()
{
    // One box for both: a file an editor on Linux saved is often UTF-8 with LF alone.
    QStringList said;
    if (const QStringList &utf8 = m_session.files().utf8Files(); !utf8.isEmpty())
        said.append(QStringLiteral("次のファイルは UTF-8 で保存されていました。\n%1\n\n"
                                   "終了時に Shift-JIS（CP932）で保存します。")
                        .arg(utf8.join(QLatin1Char('\n'))));
    if (const QStringList &lineFeeds = m_session.files().lineFeedFiles(); !lineFeeds.isEmpty())
        said.append(QStringLiteral("次のファイルは行の終わりが LF だけで保存されていました。\n%1\n\n"
                                   "終了時に行の終わりを CR LF にして保存します。")
                        .arg(lineFeeds.join(QLatin1Char('\n'))));
    if (!said.isEmpty())
        m_prompter.inform(said.join(QStringLiteral("\n\n")));
}

void FileReports::unreadableSeries()
{
    const QStringList lines = m_session.repeats().unreadableLines();
    // A file not read whole is told of as such; its cut last line is no news.
    if (lines.isEmpty() || !m_session.files().mayWrite(DataFile::Repeat))
        return;
    m_prompter.inform(QStringLiteral("%1 の次の行は繰り返しの予定として読めません。\n%2\n\n"
                                     "予定表には出しませんが、ファイルにはそのまま残します。")
                          .arg(dataFileName(DataFile::Repeat), lines.join(QLatin1Char('\n'))));
}

void FileReports::atStart()
{
    syncMessages();
    movedToShelf();
    formats();
    unreadableSeries();
    if (const QStringList copies = m_session.conflictCopies(); !copies.isEmpty())
        m_prompter.inform(QStringLiteral("次のファイルは、同期ソフトなどが二つの版を残した競合コピーです。\n%1\n\n"
                                         "内容を見比べ、必要なら手で元のファイルに合わせてから、"
                                         "コピーを削除してください。")
                              .arg(copies.join(QLatin1Char('\n'))));
    const QStringList &reasons = m_session.files().unreadableReasons();
    if (reasons.isEmpty())
        return;
    m_prompter.inform(QStringLiteral("次のファイルを最後まで読み込めないか、Shift-JIS で保存できません。\n%1\n\n"
                                     "内容を守るため、これらのファイルは今回上書きしません。"
                                     "この起動中に変えた内容は、終了時に同じフォルダの別のファイル"
                                     "（名前.unsaved-日時.txt）に保存します。")
                          .arg(reasons.join(QLatin1Char('\n'))));
}

void FileReports::followBarredTables()
{
    if (m_session.files().unreadableReasons().isEmpty())
        return; // every file may be written: nothing to follow
    // Told once the change is complete: a change may take several steps.
    m_session.onTableChange([this](DataFile file) {
        QMetaObject::invokeMethod(this, [this, file] { barredChange(file); }, Qt::QueuedConnection);
    });
}

void FileReports::barredChange(DataFile file)
{
    if (m_stopped || m_session.hasEnded() || m_toldBarred.contains(file)
        || !m_session.changedWhileBarred(file))
        return;
    m_toldBarred.append(file);
    const QString name = dataFileName(file);
    const QString stem = name.section(QLatin1Char('.'), 0, 0);
    m_prompter.inform(QStringLiteral("%1 は読み込めなかったため、この変更は %1 に保存されません。\n"
                                     "終了時に、この起動中の内容を %2.unsaved-（日時）.txt として"
                                     "同じフォルダに保存します。%1 はそのまま残ります。")
                          .arg(name, stem));
}

void FileReports::afterSave()
{
    DataFolder &files = m_session.files();
    const QStringList failed = files.takeBackupFailures();
    if (!failed.isEmpty() && !m_toldBackupFailure) {
        m_toldBackupFailure = true; // a full disk would fail every file: once is enough
        m_prompter.inform(QStringLiteral("バックアップを作れませんでした。\n%1\n\n"
                                         "データのファイルは保存を続けます。")
                              .arg(failed.join(QLatin1Char('\n'))));
    }
    if (const QList<KeptCopy> kept = files.takeKeptCopies(); !kept.isEmpty())
        m_prompter.inform(keptCopiesMessage(kept));
    if (const QList<SavedAside> aside = files.takeSavedAside(); !aside.isEmpty())
        m_prompter.inform(savedAsideMessage(aside));
    syncMessages();
}

void FileReports::saveFailed(DataFile file, const QString &error)
{
    m_prompter.inform(QStringLiteral("%1 を保存できませんでした。\n%2\n\n"
                                     "終了を取り消します。データはまだ失われていません。")
                          .arg(dataFileName(file), error));
}
