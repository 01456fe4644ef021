// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

class QLineEdit;

// Applies the typed-text rules to a line edit as the user types or pastes.
class TypedTextValidator : public QValidator {
public:
    enum Kind { Plain, Field };
    explicit TypedTextValidator(Kind kind, QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;

    // Makes the box one whose text is stored: the typed-text rules of that kind, no
    // length limit, so a long stored text is never cut when it is opened for editing,
    // and its input method compositions followed, so a save can commit them.
    static void install(QLineEdit *edit, Kind kind);

private:
    Kind m_kind;
};
