// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "messageboxprompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

enum class Button { First, Second };

Button ask(const QString &text, const QString &first, const QString &second)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kibanu"), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton *firstButton = box.addButton(first, QMessageBox::AcceptRole);
    QPushButton *secondButton = nullptr;
    if (!second.isEmpty()) {
        secondButton = box.addButton(second, QMessageBox::RejectRole);
        box.setEscapeButton(secondButton);
    }
    box.setDefaultButton(firstButton);
    box.exec();
    return box.clickedButton() == firstButton ? Button::First : Button::Second;
}

} // namespace

void MessageBoxPrompter::inform(const QString &text)
{
    ask(text, QStringLiteral("OK"), {});
}

bool MessageBoxPrompter::askYesNo(const QString &text)
{
    return ask(text, QStringLiteral("はい(&Y)"), QStringLiteral("いいえ(&N)")) == Button::First;
}

bool MessageBoxPrompter::askOkCancel(const QString &text)
{
    return ask(text, QStringLiteral("OK"), QStringLiteral("キャンセル")) == Button::First;
}

Prompter::Answer MessageBoxPrompter::askYesNoCancel(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kibanu"), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton *yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    QPushButton *cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box.setEscapeButton(cancel);
    box.setDefaultButton(cancel); // the safe answer when Enter comes by habit
    box.exec();
    if (box.clickedButton() == yes)
        return Answer::Yes;
    return box.clickedButton() == no ? Answer::No : Answer::Cancel;
}

std::optional<int> MessageBoxPrompter::askNumber(const QString &text, int value, int minimum,
                                                 int maximum)
{
    QInputDialog box(QApplication::activeWindow());
    box.setWindowTitle(QStringLiteral("Kibanu"));
    box.setLabelText(text);
    box.setInputMode(QInputDialog::IntInput);
    box.setIntRange(minimum, maximum);
    box.setIntValue(value);
    box.setOkButtonText(QStringLiteral("OK"));
    box.setCancelButtonText(QStringLiteral("キャンセル"));
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.intValue();
}

std::optional<QString> MessageBoxPrompter::askText(const QString &text, const QString &value)
{
    QInputDialog box(QApplication::activeWindow());
    box.setWindowTitle(QStringLiteral("Kibanu"));
    box.setLabelText(text);
    box.setTextValue(value);
    box.setOkButtonText(QStringLiteral("OK"));
    box.setCancelButtonText(QStringLiteral("キャンセル"));
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

QString MessageBoxPrompter::askFileName(FileUse use, const QString &title, const QString &start,
                                        const QString &filter)
{
    QWidget *parent = QApplication::activeWindow();
    if (use == FileUse::Folder)
        return QFileDialog::getExistingDirectory(parent, title, start);
    return use == FileUse::Open ? QFileDialog::getOpenFileName(parent, title, start, filter)
                                : QFileDialog::getSaveFileName(parent, title, start, filter);
}
