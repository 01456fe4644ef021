#include "frmdone.h"

#include "app/kibanuapp.h"
#include "app/prompter.h"
#include "board/twips.h"
#include "donelist.h"
#include "listview.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>

namespace {
constexpr int KeyDelete = 46;
}

frmDone::frmDone(KibanuApp &app) : m_app(app), m_lines(std::make_unique<DoneList>())
{
    setObjectName(QStringLiteral("frmDone"));
    setWindowTitle(QStringLiteral("何をしたか"));
    setFixedSize(twips(6720), twips(4800));

    // Tens of thousands of lines: one item height for all keeps showing and scrolling instant.
    lstDone = listview::createList(this, "lstDone", twipsRect(120, 120, 6480, 3855), m_lines.get());
    lstDone->setLayoutMode(QListView::Batched);
    listview::onDeleteKey(lstDone, [this] { lstDone_KeyDown(KeyDelete); });

    listview::createFooter(this, cmdClose, lblHint);
    connect(cmdClose, &QPushButton::clicked, this, &frmDone::cmdClose_Click);
}

frmDone::~frmDone() = default;

void frmDone::Form_Load()
{
    m_lines->loadDone(m_app.path(DataFile::Done));
    m_loaded = true;
}

void frmDone::Form_Paint()
{
    const int count = m_lines->rowCount();
    if (count == 0) {
        lstDone->clearSelection();
        return;
    }
    const QModelIndex last = m_lines->index(count - 1);
    lstDone->setCurrentIndex(last);
    lstDone->scrollTo(last);
}

void frmDone::lstDone_KeyDown(int keyCode)
{
    const int row = listview::selectedRow(lstDone);
    if (keyCode != KeyDelete || row < 0)
        return;
    if (m_app.prompter().askOkCancel(m_lines->index(row).data().toString()
                                     + QStringLiteral("を削除します")))
        m_lines->removeAt(row);
}

void frmDone::cmdClose_Click()
{
    hide();
}

bool frmDone::event(QEvent *event)
{
    if (event->type() == QEvent::Show && !m_loaded)
        Form_Load();
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
        Form_Paint();
    return handled;
}

void frmDone::closeEvent(QCloseEvent *event)
{
    // The close box only hides: the list keeps this run's removals.
    event->accept();
}
