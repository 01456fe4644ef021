// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "phonebook.h"

#include <QString>

// What the phone book's dialogs say when the book refuses what was typed; index is the
// one typed.
[[nodiscard]] QString refusalMessage(Refusal refusal, const QString &index);
