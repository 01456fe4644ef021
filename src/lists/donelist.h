#pragma once

#include "text/textfile.h"

#include <QStringListModel>

// The lines of done.txt as they are shown; removals last for the run only.
class DoneList : public QStringListModel {
    Q_OBJECT
public:
    using QStringListModel::QStringListModel;

    // Reads every line, oldest first. Bytes that are not CP932 show as U+FFFD: the list
    // is only shown, never written back.
    TextFileRead loadDone(const QString &path);
    void removeAt(int row) { removeRows(row, 1); }
};
