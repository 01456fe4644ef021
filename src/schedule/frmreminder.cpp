// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmreminder.h"

#include "text/clock.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

frmReminder::frmReminder(const Clock &clock)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      m_clock(clock)
{
    m_minute.setSingleShot(true);
    connect(&m_minute, &QTimer::timeout, this, &frmReminder::showLines);
    setObjectName(QStringLiteral("frmReminder"));
    setWindowTitle(QStringLiteral("予定のお知らせ"));
    // Someone typing in a slot keeps the keyboard; the quit is never held up by it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(pGothicFont());

    lblReminder = new QLabel(this);
    lblReminder->setObjectName(QStringLiteral("lblReminder"));
    lblReminder->setWordWrap(true);
    lblReminder->setTextFormat(Qt::PlainText);
    lblReminder->setTextInteractionFlags(Qt::NoTextInteraction);
    cmdLater = new QPushButton(QStringLiteral("5分後"), this);
    cmdLater->setObjectName(QStringLiteral("cmdLater"));
    cmdLater->setAccessibleName(QStringLiteral("5分後にもう一度"));
    cmdClose = new QPushButton(QStringLiteral("閉じる"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAccessibleName(QStringLiteral("閉じる"));
    // No control takes the keyboard, even where the desktop activates a new window: a
    // slot being edited would take that for its focus going elsewhere and end the edit.
    // The window's keys stand in for Tab: "5" for 5分後, Escape to close.
    for (QPushButton *b : {cmdLater, cmdClose}) {
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(cmdLater, &QPushButton::clicked, this, &frmReminder::cmdLater_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmReminder::cmdClose_Click);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdLater);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblReminder);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    lblReminder->setFixedWidth(twips(4500));
}

frmReminder::~frmReminder() = default;

void frmReminder::announce(const Reminders::Announcement &announcement)
{
    m_shown.append(announcement);
    showLines();
    const bool wasVisible = isVisible();
    show();
    if (!wasVisible)
        place();
    raise(); // above the others, but not made active
}

void frmReminder::showLines()
{
    const QDateTime now = m_clock.now();
    QStringList lines;
    for (const Reminders::Announcement &a : std::as_const(m_shown))
        lines.append(a.line + QStringLiteral("　（") + Reminders::bodyAt(a.start, now)
                     + QStringLiteral("）"));
    lblReminder->setText(lines.join(QLatin1Char('\n')));
    lblReminder->setAccessibleName(lblReminder->text());
    // The lines change at whole minutes before and after each appointment's moment.
    const qint64 intoMinute = (now.time().second() * 1000 + now.time().msec()) % 60000;
    if (!m_shown.isEmpty())
        m_minute.start(int(60000 - intoMinute));
}

void frmReminder::place()
{
    // Where desktop notifications appear: the bottom right of the screen's free area.
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    adjustSize();
    const QRect free = screen->availableGeometry();
    const QSize size = frameGeometry().size();
    move(free.right() - size.width() - twips(300), free.bottom() - size.height() - twips(300));
}

void frmReminder::cmdClose_Click()
{
    m_shown.clear();
    m_minute.stop();
    hide();
}

void frmReminder::cmdLater_Click()
{
    const QList<Reminders::Announcement> later = m_shown;
    cmdClose_Click();
    emit snoozeRequested(later);
}

void frmReminder::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        cmdClose_Click();
    else if (event->key() == Qt::Key_5)
        cmdLater_Click();
    else
        QWidget::keyPressEvent(event);
}

void frmReminder::closeEvent(QCloseEvent *event)
{
    cmdClose_Click();
    event->accept();
}
