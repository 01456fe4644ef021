#pragma once

#include "text/textfile.h"

#include <QStringListModel>

// The lines of done.txt as they are shown; removals last for the run only.
class DoneList : public QStringListModel {
public:
    using QStringListModel::QStringListModel;

    // Reads every line, oldest first. Bytes that are not CP932 show as U+FFFD: the list
    // is only shown, never written back.
    TextFileRead loadDone(const QString &path);
    void removeAt(int row) { removeRows(row, 1); }
    [[nodiscard]] QString at(int row) const { return index(row).data().toString(); }
};

// Appends one line to done.txt: the date immediately followed by the text.
WriteResult addToDone(const QString &donePath, const QString &text, const QString &dateText);
