// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "composition.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPointer>

namespace composition {
namespace {

// One input method composes in one box at a time.
struct State {
    QPointer<QLineEdit> box;
    QString preedit;
    quint64 commits = 0; // texts committed into followed boxes so far
};

State &state()
{
    static State s;
    return s;
}

class Follower : public QObject {
public:
    explicit Follower(QLineEdit *box) : QObject(box), m_box(box) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_box || event->type() != QEvent::InputMethod)
            return false;
        const auto *im = static_cast<QInputMethodEvent *>(event);
        State &s = state();
        if (!im->commitString().isEmpty())
            ++s.commits;
        if (!im->preeditString().isEmpty()) {
            s.box = m_box;
            s.preedit = im->preeditString();
        } else if (s.box == m_box) {
            s.box = nullptr;
            s.preedit.clear();
        }
        return false;
    }

private:
    QLineEdit *m_box;
};

} // namespace

void follow(QLineEdit *box)
{
    box->installEventFilter(new Follower(box));
}

void commit()
{
    State &s = state();
    const QPointer<QLineEdit> box = s.box;
    const QString shown = s.preedit;
    const quint64 commits = s.commits;
    QGuiApplication::inputMethod()->commit();
    if (!box || shown.isEmpty() || s.commits != commits)
        return;
    // Some input methods (fcitx5) commit only when they are reset; others drop the text.
    QGuiApplication::inputMethod()->reset();
    if (s.commits != commits || !box)
        return;
    s.box = nullptr;
    s.preedit.clear();
    QInputMethodEvent event;
    event.setCommitString(shown);
    QCoreApplication::sendEvent(box, &event);
}

void asksLatin(QLineEdit *box)
{
    box->setInputMethodHints(Qt::ImhHiddenText | Qt::ImhLatinOnly | Qt::ImhNoPredictiveText
                             | Qt::ImhNoAutoUppercase | Qt::ImhSensitiveData);
}

void prefersNumbers(QLineEdit *box)
{
    box->setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhPreferLatin | Qt::ImhNoPredictiveText
                             | Qt::ImhNoAutoUppercase);
}

} // namespace composition
