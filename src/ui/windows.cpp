// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows.h"

#include "composition.h"
#include "fonts.h"
#include "prompter.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QWidget>
#include <QWindow>

namespace windows {

namespace {

void showWith(QWidget &window, Qt::WindowModality modality)
{
    if (window.windowModality() != modality) {
        // A window takes a new modality only while it is hidden.
        window.hide();
        window.setWindowModality(modality);
    }
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

bool platformTellsPlace()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void fixSize(QWidget &window, int width, int height)
{
    window.setFixedSize(width, height);
    // Its own font, not the desktop's: GNOME's and KDE's are larger and would clip the
    // captions, and a theme that sets the application's font later does not reach it.
    window.setFont(pGothicFont());
    const Qt::WindowFlags flags = window.windowFlags();
    if (flags & Qt::FramelessWindowHint)
        return;
    Qt::WindowFlags fixed = (flags & ~Qt::WindowMaximizeButtonHint) | Qt::CustomizeWindowHint
                            | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                            | Qt::WindowCloseButtonHint;
    if ((flags & Qt::WindowType_Mask) == Qt::Window)
        fixed |= Qt::WindowMinimizeButtonHint;
    window.setWindowFlags(fixed);
}

void belongTo(QWidget &window, QWidget *owner)
{
    if (!owner)
        return;
    // The native windows exist from here on, so the tie holds from the first show.
    window.winId();
    owner->winId();
    if (QWindow *handle = window.windowHandle())
        handle->setTransientParent(owner->windowHandle());
}

void showModeless(QWidget &window)
{
    showWith(window, Qt::NonModal);
}

void showModal(QWidget &window)
{
    showWith(window, Qt::ApplicationModal);
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption,
                    const QRect &geometry)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    b->setAutoDefault(false);
    return b;
}

bool saveFromWindow(DataFolder &files, DataFile file, Prompter &prompter,
                    const std::function<QStringList()> &lines)
{
    composition::commit();
    if (!files.mayWrite(file))
        return false;
    // No backup: the quit makes those, of the files as they were before this run wrote.
    const WriteResult written = files.save(file, lines(), DataFolder::Backup::No);
    if (!written.ok)
        prompter.inform(QStringLiteral("%1 を保存できませんでした。\n%2")
                            .arg(dataFileName(file), written.error));
    if (const QList<KeptCopy> kept = files.takeKeptCopies(); !kept.isEmpty())
        prompter.inform(keptCopiesMessage(kept));
    return written.ok;
}

} // namespace windows
