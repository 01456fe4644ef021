// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmschedule.h"

#include "repeattable.h"
#include "scheduletable.h"
#include "text/clock.h"
#include "store/datafolder.h"
#include "text/jdate.h"
#include "ui/access.h"
#include "ui/dragdrop.h"
#include "ui/fonts.h"
#include "ui/keys.h"
#include "ui/listview.h"
#include "ui/prompter.h"
#include "ui/twips.h"
#include "ui/windows.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

frmSchedule::frmSchedule(ScheduleTable &table, RepeatTable &series, DataFolder &files,
                         const Clock &clock, Prompter &prompter)
    : m_table(table), m_series(series),
      m_list(std::make_unique<ScheduleList>(table, series, [&clock] { return clock.today(); })),
      m_files(files), m_clock(clock), m_prompter(prompter)
{
    setObjectName(QStringLiteral("frmSchedule"));
    setWindowTitle(QStringLiteral("予定表"));
    windows::fixSize(*this, twips(6735), twips(4815));
    createControls();
    Form_Load();
}

frmSchedule::~frmSchedule() = default;

void frmSchedule::createControls()
{
    auto *frame = new QGroupBox(QStringLiteral("日付"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(twipsRect(120, 0, 1335, 615));
    lblDate = new QLabel(frame);
    lblDate->setObjectName(QStringLiteral("lblDate"));
    lblDate->setGeometry(twipsRect(120, 255, 1095, 255));
    lblDate->setAlignment(Qt::AlignCenter);

    cmdNew = new QPushButton(QStringLiteral("新規"), this);
    cmdNew->setObjectName(QStringLiteral("cmdNew"));
    cmdNew->setGeometry(twipsRect(1680, 150, 1095, 405));
    cmdClose = new QPushButton(QStringLiteral("閉じる"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(twipsRect(2880, 150, 1095, 405));

    lstSchedule = listview::createList(this, "lstSchedule", twipsRect(120, 720, 5535, 3615),
                                       m_list.get());
    lstSchedule->setFont(gothicFont()); // fixed pitch: the date and time columns line up
    lstSchedule->setAccessibleName(QStringLiteral("予定表"));
    listview::onDeleteKey(lstSchedule, [this] { lstSchedule_KeyDown(keys::Delete); });
    dragdrop::installSource(lstSchedule->viewport(),
                            [] { return dragdrop::Payload{dragdrop::ScheduleBox, -1}; });

    cmdTrashBox = listview::createTrashBox(
        this, {dragdrop::ScheduleBox},
        [this](const dragdrop::Payload &p) { cmdTrashBox_DragEnter(p.tag); },
        [this] { cmdTrashBox_DragLeave(); },
        [this](const dragdrop::Payload &p) { cmdTrashBox_DragDrop(p.tag); });

    lblHint = new QLabel(this);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->setGeometry(twipsRect(120, 4440, 5535, 255));
    a11y::nameWhenEmpty(lblHint, QStringLiteral("ヒント"));

    connect(cmdNew, &QPushButton::clicked, this, &frmSchedule::cmdNew_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmSchedule::cmdClose_Click);
    // A double click anywhere on the list opens the selected entry, not only on an item.
    lstSchedule->viewport()->installEventFilter(this);
    a11y::orderTabs(*this);
}

void frmSchedule::Form_Load()
{
    lblDate->setText(jdate::shortDate(m_clock.today()));
    m_list->followDay(); // a series whose day has passed moves to its next
}

QString frmSchedule::fullMessage()
{
    return QStringLiteral("予定表がいっぱいです（%1 件）。\n予定を削除してから追加して下さい。")
        .arg(ScheduleTable::Capacity);
}

bool frmSchedule::additemdatetime(const QString &eventdate, const QString &eventtime,
                                  const QString &eventinfo)
{
    const QDate today = m_clock.today();
    if (const auto pos = m_table.add(jdate::dateForNewEntry(eventdate, today), eventtime, eventinfo, today)) {
        record(QStringLiteral("予定の追加"), std::nullopt, m_table.at(*pos));
        return true;
    }
    m_prompter.inform(fullMessage());
    return false;
}

bool frmSchedule::additemdate(const QString &eventdate, const QString &eventinfo)
{
    return additemdatetime(eventdate, QString(), eventinfo);
}

int frmSchedule::selectedIndex() const
{
    const ScheduleList::Entry entry = selectedEntry();
    return entry.series ? -1 : entry.index;
}

ScheduleList::Entry frmSchedule::selectedEntry() const
{
    return m_list->entryAt(listview::selectedRow(lstSchedule));
}

void frmSchedule::selectSeries(int row)
{
    const QModelIndex index = lstSchedule->model()->index(m_list->rowOf({true, row}), 0);
    lstSchedule->setCurrentIndex(index);
    lstSchedule->scrollTo(index);
}

void frmSchedule::selectEntry(int pos)
{
    const QModelIndex index = lstSchedule->model()->index(m_list->rowOf({false, pos}), 0);
    lstSchedule->setCurrentIndex(index);
    lstSchedule->scrollTo(index);
}

dlgSchedule &frmSchedule::dialog()
{
    if (!m_dialog) {
        m_dialog = new dlgSchedule(
            m_clock, m_prompter,
            [this](qint16 mode, const QString &date, const QString &time, const QString &event,
                   const dlgSchedule::Repetition &repeat) {
                return storeTyped(mode, date, time, event, repeat);
            },
            this);
        m_dialog->setNaturalDates(m_naturalDates);
    }
    return *m_dialog;
}

void frmSchedule::setNaturalDates(bool on)
{
    m_naturalDates = on;
    if (m_dialog)
        m_dialog->setNaturalDates(on);
}

bool frmSchedule::storeTyped(qint16 mode, const QString &date, const QString &time,
                             const QString &event, const dlgSchedule::Repetition &repeat)
{
    if (mode != dlgSchedule::NewEntry && mode != dlgSchedule::ChangeEntry)
        return storeSeries(mode, date, time, event, repeat);
    if (!repeat.rule.isEmpty())
        return storeAsSeries(mode, date, time, event, repeat);
    if (mode != dlgSchedule::ChangeEntry || selectedIndex() < 0)
        return additemdatetime(date, time, event);
    return changeEntry(date, time, event);
}

void frmSchedule::cmdNew_Click()
{
    const QDateTime now = m_clock.now();
    dialog().showWith(dlgSchedule::NewEntry, jdate::shortDate(now.date()),
                      jdate::formatHhMm(now.time()), QString());
}

void frmSchedule::cmdClose_Click()
{
    hide();
}

void frmSchedule::lstSchedule_DblClick()
{
    if (const ScheduleList::Entry entry = selectedEntry(); entry.series)
        return openSeries(entry.index);
    const int pos = selectedIndex();
    if (pos < 0)
        return;
    const scheduleitem &item = m_table.at(pos);
    dialog().showWith(dlgSchedule::ChangeEntry, item.eventdate, item.eventtime, item.eventinfo);
}

void frmSchedule::lstSchedule_KeyDown(int keyCode)
{
    if (const ScheduleList::Entry entry = selectedEntry(); keyCode == keys::Delete && entry.series) {
        deleteSeries(entry.index, m_series.nextDay(entry.index, m_clock.today()).value_or(QDate()));
        return;
    }
    const int pos = selectedIndex();
    if (keyCode != keys::Delete || pos < 0)
        return;
    if (m_prompter.askOkCancel(m_table.at(pos).eventinfo
                                     + QStringLiteral("を削除します。よろしいですか？")))
        removeEntry(pos);
}

void frmSchedule::cmdTrashBox_DragEnter(const QString &tag)
{
    if (tag == dragdrop::ScheduleBox)
        lblHint->setText(QStringLiteral("予定を捨てます"));
}

void frmSchedule::cmdTrashBox_DragLeave()
{
    lblHint->clear();
}

void frmSchedule::cmdTrashBox_DragDrop(const QString &tag)
{
    if (tag == dragdrop::ScheduleBox) {
        const int pos = selectedIndex();
        if (const ScheduleList::Entry entry = selectedEntry(); entry.series)
            deleteSeries(entry.index, m_series.nextDay(entry.index, m_clock.today()).value_or(QDate()));
        else if (pos >= 0)
            removeEntry(pos);
        else
            m_prompter.inform(
                QStringLiteral("予定を削除するには、まず左ボタンで削除予定を選択して下さい"));
    }
    lblHint->clear();
}

void frmSchedule::showEvent(QShowEvent *event)
{
    Form_Load();
    QWidget::showEvent(event);
}

bool frmSchedule::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lstSchedule->viewport() && event->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        lstSchedule_DblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmSchedule::closeEvent(QCloseEvent *event)
{
    // The close box unloads the window, which writes schedule.txt.
    windows::saveFromWindow(m_files, DataFile::Schedule, m_prompter,
                            [this] { return m_table.fileLines(); });
    if (m_series.changedThisRun())
        windows::saveFromWindow(m_files, DataFile::Repeat, m_prompter,
                                [this] { return m_series.fileLines(); });
    event->accept();
}
