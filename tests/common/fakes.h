// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/clock.h"
#include "ui/prompter.h"

#include <QList>
#include <QStringList>

class FakeClock : public Clock {
public:
    explicit FakeClock(QDateTime now) : m_now(std::move(now)) {}
    [[nodiscard]] QDateTime now() const override { return m_now; }
    void set(QDateTime now) { m_now = std::move(now); }

private:
    QDateTime m_now;
};

// Records every message and gives the scripted answers in turn (true when none is left).
class ScriptedPrompter : public Prompter {
public:
    void inform(const QString &text) override { messages.append(text); }
    bool askYesNo(const QString &text) override { return answer(text); }
    bool askOkCancel(const QString &text) override { return answer(text); }
    // The next scripted number, or the value offered when none is left; a scripted
    // nothing is a cancel.
    std::optional<int> askNumber(const QString &text, int value, int, int) override
    {
        messages.append(text);
        return numbers.isEmpty() ? std::optional<int>(value) : numbers.takeFirst();
    }

    QStringList messages;
    QList<bool> answers;
    QList<std::optional<int>> numbers;

private:
    bool answer(const QString &text)
    {
        messages.append(text);
        return answers.isEmpty() ? true : answers.takeFirst();
    }
};
