// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/fileops.h"

#include <QStringList>

// Makes the nth file operation fail the way a real device fails, and notes every
// operation it sees.
class FaultPlan {
public:
    enum Kind {
        NoSpace,    // the disk fills up after the first bytes
        IoError,    // the device fails once every byte is written (before the rename)
        Permission, // refused before anything happens
    };

    FaultPlan(int failAt, Kind kind) : m_failAt(failAt), m_kind(kind)
    {
        fileops::setInjector([this](fileops::Op op, fileops::Stage stage, const QString &path) {
            return decide(op, stage, path);
        });
    }
    ~FaultPlan() { fileops::setInjector({}); }
    FaultPlan(const FaultPlan &) = delete;
    FaultPlan &operator=(const FaultPlan &) = delete;

    [[nodiscard]] int operations() const { return m_count; }
    [[nodiscard]] bool failed() const { return !m_failedPath.isEmpty(); }
    [[nodiscard]] const QString &failedPath() const { return m_failedPath; }

private:
    std::optional<fileops::Fault> decide(fileops::Op op, fileops::Stage stage, const QString &path)
    {
        if (stage == fileops::Stage::Start)
            ++m_count;
        if (m_count != m_failAt)
            return std::nullopt;
        // A read has no Written stage: every kind fails it at its start.
        const bool atWritten = m_kind == IoError && op != fileops::Op::Read;
        if ((stage == fileops::Stage::Written) != atWritten)
            return std::nullopt;
        m_failedPath = path;
        switch (m_kind) {
        case NoSpace:
            return fileops::Fault{QStringLiteral("No space left on device"), 7};
        case IoError:
            return fileops::Fault{QStringLiteral("Input/output error"), 0};
        case Permission:
            return fileops::Fault{QStringLiteral("Permission denied"), 0};
        }
        return std::nullopt;
    }

    int m_failAt;
    Kind m_kind;
    int m_count = 0;
    QString m_failedPath;
};
