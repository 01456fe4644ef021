// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class PhoneTypes;
class QComboBox;
class QString;
class QWidget;

namespace typebox {

// A type box of the phone book dialogs: it offers the program's phone types and takes
// free text, which stays as typed: never completed from the list, never added to it.
QComboBox *create(QWidget *parent, PhoneTypes &types);

// Shows the type: its item when it is one of the types, else the text itself.
void showType(QComboBox *box, const PhoneTypes &types, const QString &type);

} // namespace typebox
