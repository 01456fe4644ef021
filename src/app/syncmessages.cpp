// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "syncmessages.h"

#include "phonebook/phonebook.h"
#include "schedule/scheduletable.h"
#include "sync/syncreport.h"

#include <QDir>

namespace {

QString listOf(const QStringList &names)
{
    return names.join(QLatin1Char('\n'));
}

QString reasonOf(const SkippedItem &skipped)
{
    switch (skipped.why) {
    case SkipReason::None: return {};
    case SkipReason::Unreadable: return skipped.detail;
    case SkipReason::NotOneEvent: return QStringLiteral("予定がちょうど一つではありません");
    case SkipReason::DateUnreadable: return QStringLiteral("日時を読めません");
    case SkipReason::NotOneCard: return QStringLiteral("カードがちょうど一枚ではありません");
    case SkipReason::NoUid: return QStringLiteral("UID がありません");
    case SkipReason::NameNotUid: return QStringLiteral("ファイル名が UID と違います");
    case SkipReason::SameUid:
        return QStringLiteral("UID が %1 と同じです").arg(skipped.sharing.join(u'、'));
    }
    return {};
}

QString skippedList(const QList<SkippedItem> &skipped)
{
    QStringList lines;
    for (const SkippedItem &s : skipped)
        lines.append(s.file + QStringLiteral("（") + reasonOf(s) + QStringLiteral("）"));
    return listOf(lines);
}

// The words of one table's messages: its items are appointments or cards.
struct TableTexts {
    QString skipped;
    QString doubled;
    QString leftOut; // with the table's capacity
    int capacity = 0;
    QString keptHere;
};

TableTexts textsOf(SyncKind kind)
{
    if (kind == SyncKind::Calendar)
        return {QStringLiteral("同期フォルダの次の予定は読み込みませんでした。\n%1"),
                QStringLiteral("次の予定は、ここでも同期先でも変更されていたため、両方を残しました"
                               "（同期先の版をもう一件として加えました）。\n%1"),
                QStringLiteral("予定表がいっぱい（%1 件）のため、同期フォルダの次の予定を加えられませんでした。\n%2"),
                ScheduleTable::Capacity,
                QStringLiteral("次の予定は日付か時刻が読めないため、同期フォルダに書き出していません"
                               "（この予定表にだけあります）。\n%1")};
    return {QStringLiteral("同期フォルダの次のカードは読み込みませんでした。\n%1"),
            QStringLiteral("次の電話帳の項目は、ここでも同期先でも変更されていたため、両方を残しました"
                           "（同期先の版をもう一件として加えました）。\n%1"),
            QStringLiteral("電話帳がいっぱい（%1 件）のため、同期フォルダの次のカードを加えられませんでした。\n%2"),
            PhoneBook::Capacity,
            QStringLiteral("次の電話帳の項目は、同期フォルダに書き出せませんでした（この電話帳にだけあります）。\n%1")};
}

QStringList tableMessages(const TableReport &table)
{
    if (!table.missingFolder.isEmpty())
        return {QStringLiteral("同期フォルダに %1 がありません。この同期は行いません。")
                    .arg(QDir::toNativeSeparators(table.missingFolder))};
    const TableTexts texts = textsOf(table.kind);
    QStringList messages;
    if (!table.skipped.isEmpty())
        messages.append(texts.skipped.arg(skippedList(table.skipped)));
    if (!table.doubled.isEmpty())
        messages.append(texts.doubled.arg(listOf(table.doubled)));
    if (!table.leftOut.isEmpty())
        messages.append(texts.leftOut.arg(texts.capacity).arg(listOf(table.leftOut)));
    if (!table.keptHere.isEmpty())
        messages.append(texts.keptHere.arg(listOf(table.keptHere)));
    if (!table.pairsLeftOut.isEmpty())
        messages.append(QStringLiteral("1 項目 %1 組を超えるため、次の番号は電話帳に入れていません"
                                       "（同期フォルダのカードには残っています）。\n%2")
                            .arg(phoneentry::MaxPairs)
                            .arg(listOf(table.pairsLeftOut)));
    if (!table.notDeleted.isEmpty())
        messages.append(QStringLiteral("同期フォルダの次の項目は読めなかったため、今回は削除していません。"
                                       "次の終了時にもう一度削除します。\n%1")
                            .arg(listOf(table.notDeleted)));
    return messages;
}

QString stateMessage(const StateProblem &problem)
{
    QString cause;
    switch (problem.why) {
    case StateProblem::Why::Unreadable: cause = problem.detail; break;
    case StateProblem::Why::NotAState:
        cause = QStringLiteral("同期の記録 (%1) の形が違います。").arg(problem.path);
        break;
    case StateProblem::Why::BadLine:
        cause = QStringLiteral("同期の記録 (%1) の %2 行目が読めません。").arg(problem.path).arg(problem.line);
        break;
    }
    return QStringLiteral("同期の記録を読めませんでした。\n%1\n\n"
                          "同期フォルダの項目を新しいものとして照らし合わせます。")
        .arg(cause);
}

QString failureText(const SyncFailure &failure)
{
    const QString notWritten = QStringLiteral("同期フォルダに書き込めませんでした。\n%1");
    switch (failure.why) {
    case SyncFailure::Why::NoFolder:
        return QStringLiteral("同期フォルダ %1 がありません。").arg(QDir::toNativeSeparators(failure.path));
    case SyncFailure::Why::FolderUnreadable:
        return QStringLiteral("同期フォルダ %1 を読めません。").arg(QDir::toNativeSeparators(failure.path));
    case SyncFailure::Why::NotMade:
        return notWritten.arg(QStringLiteral("%1 を作れません。").arg(QDir::toNativeSeparators(failure.path)));
    case SyncFailure::Why::ItemNotWritten:
        return notWritten.arg(failure.path + QStringLiteral("（") + failure.detail + QStringLiteral("）"));
    case SyncFailure::Why::ItemNotDeleted:
        return notWritten.arg(failure.path + QStringLiteral("（削除できません）"));
    case SyncFailure::Why::StateNotWritten:
        return QStringLiteral("同期の記録を書き込めませんでした。\n%1").arg(failure.detail);
    }
    return {};
}

} // namespace

QStringList syncMessages(const SyncReport &report)
{
    QStringList messages;
    if (report.state)
        messages.append(stateMessage(*report.state));
    for (const TableReport &table : report.tables)
        messages += tableMessages(table);
    if (report.failure)
        messages.append(failureText(*report.failure)
                        + QStringLiteral("\n\n今回は同期を行いません。データのファイルはいつも通り保存します。"));
    return messages;
}
