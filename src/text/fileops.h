// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <optional>

// Every read and write of a data file asks here first, so that a test can make any one of
// them fail the way a full disk, a failing device or a locked file would.
namespace fileops {

enum class Op { Read, Replace, Append };

// Start: the file is open, nothing is written yet. Written: every byte is in the file (for
// a replacement, in its temporary file, not yet renamed over the old one).
enum class Stage { Start, Written };

struct Fault {
    QString error;             // what the device reported
    qint64 bytesWritten = 0;   // how much of the data reached the file before the fault
};

using Injector = std::function<std::optional<Fault>(Op op, Stage stage, const QString &path)>;

// For tests: an empty injector lets every operation through.
void setInjector(Injector injector);
[[nodiscard]] std::optional<Fault> injected(Op op, Stage stage, const QString &path);

} // namespace fileops
