// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileops.h"

namespace fileops {

namespace {

Injector &current()
{
    static Injector injector;
    return injector;
}

} // namespace

void setInjector(Injector injector)
{
    current() = std::move(injector);
}

std::optional<Fault> injected(Op op, Stage stage, const QString &path)
{
    if (const Injector &injector = current())
        return injector(op, stage, path);
    return std::nullopt;
}

} // namespace fileops
