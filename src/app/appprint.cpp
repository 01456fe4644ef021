// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// AppWindows: ﾌｧｲﾙ → 印刷 and PDFに書き出す.
#include "appwindows.h"

#include "board/frmtodo.h"
#include "lists/donelist.h"
#include "phonebook/frmtel.h"
#include "print/dlgprint.h"
#include "print/printcontent.h"
#include "print/printpages.h"
#include "session.h"
#include "store/datafolder.h"
#include "text/clock.h"
#include "ui/prompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace {

QString suggestedName(PrintChoice::What what)
{
    static const char *const names[] = {"予定表.pdf", "電話帳.pdf", "やった事.pdf", "ボード.pdf"};
    return QDir::home().filePath(QString::fromUtf8(names[what]));
}

using Preview = int (*)(QWidget *parent, const QString *title,
                       void (*paint)(QPagedPaintDevice *, void *), void *context);

// The print preview module, beside the program or where the package puts it; loaded at
// the first print and kept.
Preview previewModule()
{
    static const Preview found = [] {
        QStringList places{QCoreApplication::applicationDirPath()};
#ifdef KIBANU_PRINT_MODULE_DIR
        places.append(QStringLiteral(KIBANU_PRINT_MODULE_DIR));
#endif
        for (const QString &place : places) {
            QLibrary module(QDir(place).filePath(QStringLiteral("kibanu-print")));
            if (auto f = reinterpret_cast<Preview>(module.resolve("kibanuPrintPreview")))
                return f; // the library stays loaded
        }
        return Preview{};
    }();
    return found;
}

} // namespace

int AppWindows::selectedPhoneEntry() const
{
    return m_tel && m_tel->isVisible() ? m_tel->selectedIndex() : -1;
}

PrintDocument AppWindows::printDocument(const PrintChoice &c)
{
    const QDate today = m_clock.today();
    switch (c.what) {
    case PrintChoice::Schedule:
        return printcontent::schedule(m_session.schedule(), m_session.repeats(), c.from, c.days, today);
    case PrintChoice::PhoneBook:
        return printcontent::phoneBook(m_session.phoneBook(), c.onlySelected ? selectedPhoneEntry() : -1,
                                       today);
    case PrintChoice::Done: {
        // done.txt as it is now: the lines of this run are written at once.
        DoneList done;
        (void)done.loadDone(m_session.files().path(DataFile::Done));
        return printcontent::done(done.stringList(), c.from, c.to, today);
    }
    case PrintChoice::Board:
        break;
    }
    return printcontent::board(m_session.board(), today);
}

void AppWindows::print(bool toPdf)
{
    dlgPrint choose(m_clock.today(), selectedPhoneEntry() >= 0, m_todo.get());
    if (choose.exec() != QDialog::Accepted)
        return;
    const PrintChoice choice = choose.choice();
    PrintDocument doc = printDocument(choice);
    if (toPdf) {
        const QString path = m_prompter.askFileName(Prompter::FileUse::Save,
                                                    QStringLiteral("PDFに書き出す"),
                                                    suggestedName(choice.what),
                                                    QStringLiteral("PDF (*.pdf)"));
        if (!path.isEmpty() && printpages::writePdf(doc, path) == 0)
            m_prompter.inform(QStringLiteral("%1 に書き出せませんでした。").arg(path));
        return;
    }
    const auto preview = previewModule();
    if (!preview) {
        m_prompter.inform(QStringLiteral("印刷プレビューを開けませんでした（kibanu-print が見つかりません）。\n"
                                         "「PDFに書き出す」は使えます。"));
        return;
    }
    const auto paint = [](QPagedPaintDevice *device, void *document) {
        (void)printpages::render(*static_cast<const PrintDocument *>(document), *device);
    };
    const QString job = printcontent::jobName(doc.title);
    preview(m_todo.get(), &job, paint, &doc);
}
