// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qttexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace qttexts {

std::unique_ptr<QTranslator> installJapanese()
{
    auto translator = std::make_unique<QTranslator>();
    // qtbase_ja only: the program uses no other Qt module that has texts of its own but
    // the print support, whose texts are in it too.
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

} // namespace qttexts
