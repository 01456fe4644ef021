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
struct Composing {
    QPointer<QLineEdit> box;
    QString preedit;
};

Composing &current()
{
    static Composing composing;
    return composing;
}

class Follower : public QObject {
public:
    explicit Follower(QLineEdit *box) : QObject(box), m_box(box) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_box || event->type() != QEvent::InputMethod)
            return false;
        const QString preedit = static_cast<QInputMethodEvent *>(event)->preeditString();
        Composing &composing = current();
        if (!preedit.isEmpty())
            composing = {m_box, preedit};
        else if (composing.box == m_box)
            composing = {};
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
    QGuiApplication::inputMethod()->commit();
    const Composing composing = current();
    if (!composing.box || composing.preedit.isEmpty())
        return;
    QInputMethodEvent event;
    event.setCommitString(composing.preedit);
    QCoreApplication::sendEvent(composing.box, &event);
    current() = {};
    QGuiApplication::inputMethod()->reset();
}

} // namespace composition
