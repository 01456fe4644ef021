// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys.h"

#include <QKeyEvent>

namespace keys {

int asciiOf(const QKeyEvent *key)
{
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        return Enter;
    if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier)
        return Tab;
    return 0;
}

} // namespace keys
