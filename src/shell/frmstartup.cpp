// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmstartup.h"

#include "artwork.h"
#include "ui/access.h"
#include "ui/fonts.h"
#include "ui/twips.h"
#include "ui/windows.h"

#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace {

QLabel *pictureLabel(QWidget *parent, const char *name, const QPixmap &picture, QPoint at)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setPixmap(picture);
    label->setGeometry(QRect(at, picture.deviceIndependentSize().toSize()));
    return label;
}

} // namespace

frmStartup::frmStartup()
    : imgtodo1(artwork::todoFrame(1)), imgtodo2(artwork::todoFrame(2)),
      imgtodo3(artwork::todoFrame(3))
{
    setObjectName(QStringLiteral("frmStartup"));
    setWindowTitle(QStringLiteral("Kibanu"));
    windows::fixSize(*this, twips(5100), twips(2160));
    move(screen()->availableGeometry().center() - rect().center());
    imgTodo = pictureLabel(this, "imgTodo", imgtodo1, {twips(360), twips(240)});
    imgLogo = pictureLabel(this, "imgLogo", artwork::logo(), {twips(2160), twips(600)});
    imgLogo->hide();
    a11y::nameWhenEmpty(imgTodo, QStringLiteral("用件に印をつける鉛筆"));
    a11y::nameWhenEmpty(imgLogo, QStringLiteral("Kibanu"));
    lblVersion = new QLabel(QStringLiteral("version 2.0 for Windows95/NT"), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setGeometry(twipsRect(2160, 1200, 2820, 255));
    lblVersion->setFont(pGothicFont());
    lblVersion->hide();

    tmrStartup = new QTimer(this);
    tmrStartup->setObjectName(QStringLiteral("tmrStartup"));
    tmrStartup->setInterval(200);
    connect(tmrStartup, &QTimer::timeout, this, &frmStartup::tmrStartup_Timer);
    tmrStartup->start();
}

void frmStartup::tmrStartup_Timer()
{
    const int n = m_tick;
    if (n <= 11) {
        const QPixmap *cycle[] = {&imgtodo1, &imgtodo2, &imgtodo3, &imgtodo2};
        imgTodo->setPixmap(*cycle[n % 4]);
    } else if (n <= 15) {
        imgTodo->setPixmap(imgtodo2);
    } else if (n <= 19) {
        imgLogo->show();
        lblVersion->show();
    } else {
        close();
        return;
    }
    ++m_tick;
}

void frmStartup::closeEvent(QCloseEvent *event)
{
    // The close box ends the animation early; the board must come all the same, and only
    // once, even when the window system's close request comes after the last tick.
    event->accept();
    if (m_done)
        return;
    m_done = true;
    tmrStartup->stop();
    emit boardRequested();
}
