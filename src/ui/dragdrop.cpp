// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dragdrop.h"

#include "pictures.h"

#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QWidget>

#include <memory>

namespace dragdrop {
namespace {

const QString mimeType = QStringLiteral("application/x-kibanu-drag");

Runner &runner()
{
    static Runner r;
    return r;
}

class SourceFilter : public QObject {
public:
    SourceFilter(QWidget *source, std::function<std::optional<Payload>()> makePayload)
        : QObject(source), m_source(source), m_makePayload(std::move(makePayload))
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
            return false;
        if (static_cast<QMouseEvent *>(event)->button() != Qt::RightButton)
            return false;
        if (const auto payload = m_makePayload())
            start(m_source, *payload);
        return true;
    }

private:
    QWidget *m_source;
    std::function<std::optional<Payload>()> m_makePayload;
};

} // namespace

QMimeData *encode(const Payload &payload)
{
    auto *mime = new QMimeData;
    mime->setData(mimeType,
                  (payload.tag + QLatin1Char('\n') + QString::number(payload.index)).toUtf8());
    return mime;
}

std::optional<Payload> decode(const QMimeData *mime)
{
    if (!mime || !mime->hasFormat(mimeType))
        return std::nullopt;
    const QStringList parts = QString::fromUtf8(mime->data(mimeType)).split(QLatin1Char('\n'));
    if (parts.size() != 2)
        return std::nullopt;
    return Payload{parts.at(0), parts.at(1).toInt()};
}

void setRunner(Runner r)
{
    runner() = std::move(r);
}

void start(QWidget *source, const Payload &payload)
{
    if (runner()) {
        const std::unique_ptr<QMimeData> mime(encode(payload));
        runner()(source, *mime);
        return;
    }
    auto *drag = new QDrag(source);
    drag->setMimeData(encode(payload));
    drag->setDragCursor(pictures::whitePage(), Qt::IgnoreAction);
    drag->setDragCursor(pictures::blackPage(), Qt::MoveAction);
    drag->exec(Qt::MoveAction);
}

void installSource(QWidget *source, std::function<std::optional<Payload>()> makePayload)
{
    source->installEventFilter(new SourceFilter(source, std::move(makePayload)));
}

Target::Target(QWidget *widget, QStringList tags, Handler enter, std::function<void()> leave,
               Handler drop)
    : QObject(widget), m_tags(std::move(tags)), m_enter(std::move(enter)),
      m_leave(std::move(leave)), m_drop(std::move(drop))
{
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
}

void Target::setAcceptance(std::function<bool(const Payload &)> accepts)
{
    m_accepts = std::move(accepts);
}

bool Target::takes(const std::optional<Payload> &payload) const
{
    return payload && m_tags.contains(payload->tag) && (!m_accepts || m_accepts(*payload));
}

bool Target::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *e = static_cast<QDropEvent *>(event);
        const auto payload = decode(e->mimeData());
        if (!takes(payload)) {
            e->ignore();
            return true;
        }
        e->setDropAction(Qt::MoveAction);
        e->accept();
        if (event->type() == QEvent::DragEnter)
            m_enter(*payload);
        return true;
    }
    case QEvent::DragLeave:
        m_leave();
        return true;
    case QEvent::Drop: {
        auto *e = static_cast<QDropEvent *>(event);
        const auto payload = decode(e->mimeData());
        if (takes(payload)) {
            e->setDropAction(Qt::MoveAction);
            e->accept();
            m_drop(*payload);
        }
        return true;
    }
    default:
        return false;
    }
}

} // namespace dragdrop
