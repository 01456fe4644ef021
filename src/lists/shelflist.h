#pragma once

#include "text/textfile.h"

#include <QStringListModel>

// The shelf: postponed to-do texts in the order they were shelved.
class ShelfList : public QStringListModel {
public:
    using QStringListModel::QStringListModel;

    void append(const QString &text);
    void removeAt(int row);
    [[nodiscard]] int count() const { return rowCount(); }
    [[nodiscard]] QString at(int row) const { return index(row).data().toString(); }

    // closet.txt: one item a line, empty lines included.
    TextFileRead loadCloset(const QString &path);
    [[nodiscard]] WriteResult writeCloset(const QString &path) const;
};
