// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// The one-line entry of a phone type, new or changed.
class dlgTypeEdit : public QDialog {
    Q_OBJECT
public:
    // What OK hands back: the mode and the text, unchanged; the opener stores it.
    using Store = std::function<void(qint16 mode, const QString &type)>;

    dlgTypeEdit(Store store, QWidget *parent);

    static constexpr qint16 NewType = 1;
    static constexpr qint16 ChangeType = 10;
    qint16 mode = NewType;

    void setTypeText(const QString &text);

    void cmdOK_Click();
    void cmdCancel_Click();
    void reject() override; // Escape and the close box

protected:
    void showEvent(QShowEvent *event) override;

private:
    void prepare();

    Store m_store;
    QLabel *lblHelp = nullptr;
    QLineEdit *txtType = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
};
