// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicon.h"

#include "ui/firstpaint.h"

#include <QApplication>
#include <QIcon>

namespace appicon {

void setNow()
{
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kibanu.svg")));
}

void setAfterFirstPaint()
{
    firstpaint::then(nullptr, &setNow);
}

} // namespace appicon
