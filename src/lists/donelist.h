// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/readahead.h"
#include "text/textfile.h"

#include <QAbstractListModel>
#include <QDate>

#include <optional>

// The lines of done.txt as they are shown; removals last for the run only.
class DoneList : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    // Starts reading the file on another thread for the loadDone of the same path that
    // follows, so that a window can be built while years of lines are read.
    void readAhead(const QString &path);
    // Reads every line, oldest first. Bytes that are not CP932 show as U+FFFD: the list
    // is only shown, never written back. The text is not returned. A read ahead is taken
    // when the file has not changed since.
    TextFileRead loadDone(const QString &path);
    void removeAt(int row) { removeRows(row, 1); }
    [[nodiscard]] QString at(int row) const { return index(row).data().toString(); }
    // Every line as shown.
    [[nodiscard]] QStringList stringList() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool removeRows(int row, int count, const QModelIndex &parent = {}) override;

private:
    // The file cut into lines, ready to be shown.
    struct Read {
        TextFileRead status;
        bool keepsBytes = false;
        QByteArray bytes;
        qsizetype lineCount = 0;
        QList<qsizetype> blockStarts;
        QStringList lines;
    };
    static Read cut(const FileBytes &file);
    void show(Read read);
    // The row in the file of a row of the list, past the rows removed before it.
    [[nodiscard]] qsizetype fileRow(int row) const;
    [[nodiscard]] QByteArray lineBytes(qsizetype fileRow) const;

    // Years of done lines: a CP932 file keeps its bytes, and a line is decoded when it is
    // shown, as decoding, or only checking, the whole text takes far longer than showing
    // the window, and the text four times the memory. Only where every 64th line starts
    // is kept: a table of every line would be fresh memory the opening pays for page by
    // page. A UTF-8 file is decoded.
    bool m_keepsBytes = false;
    QByteArray m_bytes;
    qsizetype m_lineCount = 0;
    QList<qsizetype> m_blockStarts;
    QList<qsizetype> m_removedFileRows; // ascending
    QStringList m_lines;
    ReadAhead<Read> m_ahead;
};

// Appends one line to done.txt: the date immediately followed by the text.
WriteResult addToDone(const QString &donePath, const QString &text, const QString &dateText);

// A done line as addToDone writes it: the date ("2026/12/11", or "97/12/25" from older
// versions) directly followed by the text. Nothing when it does not begin with a date.
struct DoneLine {
    QDate date;
    QString dateText;
    QString text; // without the blanks after the date
};
[[nodiscard]] std::optional<DoneLine> splitDoneLine(const QString &line, QDate today);
