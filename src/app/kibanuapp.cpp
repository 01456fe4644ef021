#include "kibanuapp.h"

#include "board/frmtodo.h"
#include "board/shelflist.h"
#include "board/todoboard.h"
#include "clock.h"
#include "lists/frmdone.h"
#include "lists/frmtrash.h"
#include "phonebook/frmtel.h"
#include "phonebook/phonebook.h"
#include "prompter.h"
#include "schedule/frmschedule.h"
#include "schedule/scheduletable.h"
#include "text/jdate.h"

#include <QCoreApplication>

namespace {

template <class Window>
Window &createdOnFirstUse(std::unique_ptr<Window> &window, KibanuApp &app)
{
    if (!window)
        window = std::make_unique<Window>(app);
    return *window;
}

} // namespace

KibanuApp::KibanuApp(const QString &programFolder, std::unique_ptr<Clock> clock,
                     std::unique_ptr<Prompter> prompter)
    : m_folder(programFolder), m_clock(std::move(clock)), m_prompter(std::move(prompter)),
      m_board(std::make_unique<TodoBoard>()), m_shelf(std::make_unique<ShelfList>()),
      m_schedule(std::make_unique<ScheduleTable>()), m_phoneBook(std::make_unique<PhoneBook>())
{
}

KibanuApp::~KibanuApp() = default;

frmSchedule &KibanuApp::scheduleWindow()
{
    return createdOnFirstUse(m_scheduleWindow, *this);
}

frmTel &KibanuApp::telWindow()
{
    return createdOnFirstUse(m_telWindow, *this);
}

frmDone &KibanuApp::doneWindow()
{
    return createdOnFirstUse(m_doneWindow, *this);
}

frmTrash &KibanuApp::trashWindow()
{
    return createdOnFirstUse(m_trashWindow, *this);
}

void KibanuApp::start()
{
    m_todo = std::make_unique<frmTodo>(*this);
    m_todo->Form_Load();
}

QString KibanuApp::path(DataFile file) const
{
    return QDir(m_folder).filePath(dataFileName(file));
}

bool KibanuApp::mayWrite(DataFile file) const
{
    return !m_unreadable.contains(file);
}

void KibanuApp::noteRead(DataFile file, const TextFileRead &read)
{
    if (read.status != TextFileRead::Unreadable)
        return;
    m_unreadable.append(file);
    m_unreadableReasons.append(QStringLiteral("%1：%2").arg(dataFileName(file), read.error));
}

void KibanuApp::loadAll()
{
    noteRead(DataFile::Todo, m_board->loadTodoList(path(DataFile::Todo)));
    noteRead(DataFile::Closet, m_shelf->loadCloset(path(DataFile::Closet)));
    noteRead(DataFile::Schedule,
             m_schedule->loadSchedule(path(DataFile::Schedule), m_clock->today()));
    noteRead(DataFile::Tel, m_phoneBook->loadPhoneBook(path(DataFile::Tel)));
}

void KibanuApp::reportUnreadable()
{
    if (m_unreadableReasons.isEmpty())
        return;
    m_prompter->inform(QStringLiteral("次のファイルを最後まで読み込めませんでした。\n%1\n\n"
                                      "内容を守るため、これらのファイルは今回保存しません。")
                           .arg(m_unreadableReasons.join(QLatin1Char('\n'))));
}

bool KibanuApp::saveOrTell(DataFile file, const WriteResult &result)
{
    if (result.ok)
        return true;
    m_prompter->inform(QStringLiteral("%1 を保存できませんでした。\n%2\n\n"
                                      "終了を取り消します。データはまだ失われていません。")
                           .arg(dataFileName(file), result.error));
    return false;
}

bool KibanuApp::saveFromWindow(DataFile file, const std::function<WriteResult()> &write)
{
    if (!mayWrite(file))
        return false;
    const WriteResult written = write();
    if (!written.ok)
        m_prompter->inform(QStringLiteral("%1 を保存できませんでした。\n%2")
                               .arg(dataFileName(file), written.error));
    return written.ok;
}

bool KibanuApp::quitWithSaving()
{
    if (m_ended)
        return true;
    const QDate today = m_clock->today();
    const QString donePath = path(DataFile::Done);
    if (!saveOrTell(DataFile::Done, m_board->commitForQuit(jdate::shortDate(today), donePath)))
        return false;
    if (mayWrite(DataFile::Todo)
        && !saveOrTell(DataFile::Todo, m_board->writeTodoList(path(DataFile::Todo))))
        return false;
    if (mayWrite(DataFile::Closet)
        && !saveOrTell(DataFile::Closet, m_shelf->writeCloset(path(DataFile::Closet))))
        return false;
    if (mayWrite(DataFile::Schedule)
        && !saveOrTell(DataFile::Schedule,
                       m_schedule->writeForQuit(path(DataFile::Schedule), donePath, today)))
        return false;
    if (mayWrite(DataFile::Tel)
        && !saveOrTell(DataFile::Tel, m_phoneBook->writePhoneBook(path(DataFile::Tel))))
        return false;
    m_ended = true;
    QCoreApplication::exit(0);
    return true;
}
