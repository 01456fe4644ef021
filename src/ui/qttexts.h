// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class QTranslator;

namespace qttexts {

// Qt's own texts (the file and print dialogs, standard buttons, a text box's context
// menu) in Japanese, whatever the locale says, like the rest of the program. The
// translation is installed while the returned translator lives; null when the system has
// none (qt6-translations-l10n is missing) and Qt speaks English.
[[nodiscard]] std::unique_ptr<QTranslator> installJapanese();

} // namespace qttexts
