// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/textfile.h"

#include <QStringListModel>

// The shelf: postponed to-do texts in the order they were shelved.
class ShelfList : public QStringListModel {
public:
    explicit ShelfList(QObject *parent = nullptr);

    void append(const QString &text);
    void removeAt(int row);
    [[nodiscard]] int count() const { return rowCount(); }
    [[nodiscard]] QString at(int row) const { return index(row).data().toString(); }

    // closet.txt: one item a line, empty lines included.
    TextFileRead loadCloset(const QString &path);
    // closet.txt read again after the window wrote it. When it cannot be read, or is gone
    // (another program took it away), the shelf stays as it is: it is what was just
    // written, and what the quit will write.
    TextFileRead reloadCloset(const QString &path);
    // The lines of closet.txt as read, whole: the shelf is them, unchanged since.
    void takeLines(const QStringList &lines);

    // Whether the shelf changed since closet.txt was last read.
    [[nodiscard]] bool changedThisRun() const { return m_changed; }

private:
    bool m_changed = false;
};
