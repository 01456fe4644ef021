// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "typedtextvalidator.h"

#include "composition.h"
#include "text/typedtext.h"

#include <QLineEdit>

#include <limits>

TypedTextValidator::TypedTextValidator(Kind kind, QObject *parent)
    : QValidator(parent), m_kind(kind)
{
}

QValidator::State TypedTextValidator::validate(QString &input, int &pos) const
{
    const auto cleaned = [this](QStringView s) {
        return m_kind == Field ? typedtext::cleanField(s) : typedtext::clean(s);
    };
    const QString out = cleaned(input);
    if (out != input) {
        pos = int(cleaned(QStringView(input).left(pos)).size());
        input = out;
    }
    return Acceptable;
}

void TypedTextValidator::install(QLineEdit *edit, Kind kind)
{
    edit->setValidator(new TypedTextValidator(kind, edit));
    edit->setMaxLength(std::numeric_limits<int>::max());
    composition::follow(edit);
}
