// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The print preview, a module of its own: Qt's print support is loaded only when the user
// prints, never at the start (it would add its load to every start).
#include <QPrintPreviewDialog>
#include <QPrinter>

using PaintPages = void (*)(QPagedPaintDevice *device, void *context);

extern "C" Q_DECL_EXPORT int kibanuPrintPreview(QWidget *parent, const QString *title,
                                                 PaintPages paint, void *context)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer.setDocName(*title);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("印刷プレビュー"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [paint, context](QPrinter *target) { paint(target, context); });
    return preview.exec();
}
