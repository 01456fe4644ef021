#include "listview.h"

#include <QAbstractItemView>
#include <QKeyEvent>

namespace listview {
namespace {

class DeleteKeyFilter : public QObject {
public:
    DeleteKeyFilter(QObject *parent, std::function<void()> handler)
        : QObject(parent), m_handler(std::move(handler))
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress
            || static_cast<QKeyEvent *>(event)->key() != Qt::Key_Delete)
            return false;
        m_handler();
        return true;
    }

private:
    std::function<void()> m_handler;
};

} // namespace

int selectedRow(const QAbstractItemView *view)
{
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void clearSelection(QAbstractItemView *view)
{
    view->clearSelection();
    view->setCurrentIndex(QModelIndex());
}

void onDeleteKey(QAbstractItemView *view, std::function<void()> handler)
{
    view->installEventFilter(new DeleteKeyFilter(view, std::move(handler)));
}

} // namespace listview
