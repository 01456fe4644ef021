// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmhelp.h"

#include "ui/twips.h"
#include "ui/windows.h"

#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

frmHelp::frmHelp()
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Kibanuﾍﾙﾌﾟ"));
    resize(twips(9000), twips(9000));
    txtHelp = new QTextBrowser(this);
    txtHelp->setObjectName(QStringLiteral("txtHelp"));
    txtHelp->setAccessibleName(QStringLiteral("ヘルプ"));
    txtHelp->setOpenExternalLinks(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(txtHelp);
}

bool frmHelp::showHelp(const QString &path, const QString &anchor)
{
    if (m_loaded != path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        // Its pictures stand beside it.
        txtHelp->setSearchPaths({QFileInfo(path).absolutePath()});
        txtHelp->setHtml(QString::fromUtf8(file.readAll()));
        m_loaded = path;
    }
    if (!anchor.isEmpty())
        txtHelp->scrollToAnchor(anchor);
    windows::showModeless(*this);
    return true;
}
