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
    // The next scripted choice; a cancel when none is left.
    Answer askYesNoCancel(const QString &text) override
    {
        messages.append(text);
        return choices.isEmpty() ? Answer::Cancel : choices.takeFirst();
    }
    // The next scripted number, or the value offered when none is left; a scripted
    // nothing is a cancel.
    std::optional<int> askNumber(const QString &text, int value, int, int) override
    {
        messages.append(text);
        return numbers.isEmpty() ? std::optional<int>(value) : numbers.takeFirst();
    }

    // The next scripted text; a cancel when none is left, so a question asked again and
    // again cannot hold a test up.
    std::optional<QString> askText(const QString &text, const QString &) override
    {
        messages.append(text);
        return texts.isEmpty() ? std::nullopt : texts.takeFirst();
    }
    // The next scripted file, or a cancel.
    QString askFileName(FileUse, const QString &title, const QString &start, const QString &) override
    {
        messages.append(title);
        fileStarts.append(start);
        return files.isEmpty() ? QString() : files.takeFirst();
    }

    QStringList messages;
    QList<bool> answers;
    QList<Answer> choices;
    QList<std::optional<int>> numbers;
    QList<std::optional<QString>> texts;
    QStringList files;
    QStringList fileStarts; // where each file dialog began

private:
    bool answer(const QString &text)
    {
        messages.append(text);
        return answers.isEmpty() ? true : answers.takeFirst();
    }
};
