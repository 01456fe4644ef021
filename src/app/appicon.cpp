// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicon.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QTimer>
#include <QWidget>

namespace appicon {

namespace {

class FirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow()) {
            qApp->removeEventFilter(this);
            // After this paint and the rest of its frame.
            QTimer::singleShot(0, qApp, [] { setNow(); });
            deleteLater();
        }
        return false;
    }
};

} // namespace

void setNow()
{
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kibanu.svg")));
}

void setAfterFirstPaint()
{
    qApp->installEventFilter(new FirstPaint(qApp));
}

} // namespace appicon
