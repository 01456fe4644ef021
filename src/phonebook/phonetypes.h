// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/textfile.h"

#include <QStringListModel>

#include <optional>

// The program's one list of phone types, in the user's order; the first is the default.
// The type boxes of the phone book dialogs show it.
class PhoneTypes : public QStringListModel {
public:
    using QStringListModel::QStringListModel;

    // The position of the first type equal to the text (case counts), or -1.
    [[nodiscard]] qint16 whichtype(const QString &phonetype) const;

    // type.txt: one type a line, empty lines included.
    TextFileRead loadPhoneTypes(const QString &path);
};

// The type editor's working copy. Each change answers the row to select afterwards, or
// nothing when the change does not apply.
class PhoneTypeDraft : public QStringListModel {
public:
    using QStringListModel::QStringListModel;

    std::optional<int> moveUp(int selected);
    std::optional<int> moveDown(int selected);
    // The first type is the default: it cannot be deleted in place.
    [[nodiscard]] bool mayDelete(int selected) const;
    void remove(int selected);
    // In front of the selected type, or at the end when nothing (-1) is selected.
    void insertBefore(int selected, const QString &type);
    void replace(int selected, const QString &type);

private:
    [[nodiscard]] bool isRow(int row) const { return row >= 0 && row < rowCount(); }
};
