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

#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

QString suggestedName(PrintChoice::What what)
{
    static const char *const names[] = {"予定表.pdf", "電話帳.pdf", "やった事.pdf", "ボード.pdf"};
    return QDir::home().filePath(QString::fromUtf8(names[what]));
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
    const PrintDocument doc = printDocument(choice);
    if (toPdf) {
        const QString path = m_prompter.askFileName(Prompter::FileUse::Save,
                                                    QStringLiteral("PDFに書き出す"),
                                                    suggestedName(choice.what),
                                                    QStringLiteral("PDF (*.pdf)"));
        if (!path.isEmpty() && printpages::writePdf(doc, path) == 0)
            m_prompter.inform(QStringLiteral("%1 に書き出せませんでした。").arg(path));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer.setDocName(doc.title);
    QPrintPreviewDialog preview(&printer, m_todo.get());
    preview.setWindowTitle(QStringLiteral("印刷プレビュー"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
            [&doc](QPrinter *target) { (void)printpages::render(doc, *target); });
    preview.exec();
}
