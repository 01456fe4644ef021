#pragma once

#include <QValidator>

class QLineEdit;

// Applies the typed-text rules to a line edit as the user types or pastes.
class TypedTextValidator : public QValidator {
    Q_OBJECT
public:
    enum Kind { Plain, Field };
    explicit TypedTextValidator(Kind kind, QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;

    // Installs a validator of that kind on the box.
    static void install(QLineEdit *edit, Kind kind);

private:
    Kind m_kind;
};
