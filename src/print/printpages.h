// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPagedPaintDevice;
class QString;
struct PrintDocument;

namespace printpages {

// Lays the document out on the device's pages (a printer's or a PDF's): its title at the
// top of each page, "1 / 3" at the foot, long texts wrapped, a block moved whole to the
// next page when it fits on one. Returns the number of pages, 0 when nothing could be
// painted.
int render(const PrintDocument &doc, QPagedPaintDevice &device);

// The document as a PDF file of A4 portrait pages with 15 mm margins, its fonts embedded.
// The number of pages, 0 when the file could not be written.
int writePdf(const PrintDocument &doc, const QString &path);

} // namespace printpages
