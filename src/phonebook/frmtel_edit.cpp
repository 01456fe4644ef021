// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// frmTel: repaint triggers, keys, and the in-place name and keyword edits.
#include "frmtel.h"

#include "text/narrow.h"
#include "ui/keys.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>

bool frmTel::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    // Showing or activating the window repaints it: the search box selects afresh.
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
        Form_Paint();
    return handled;
}

bool frmTel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == lblName)
            lblName_DblClick();
        else if (watched == lblKeyword)
            lblKeyword_DblClick();
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const int ascii = keys::asciiOf(key);
        if (watched == txtTel && ascii == keys::Tab) {
            lstIndex->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (watched == txtName) {
            txtName_KeyPress(ascii);
            return ascii != 0;
        }
        if (watched == txtKeyword) {
            txtKeyword_KeyPress(ascii);
            return ascii != 0;
        }
        return false;
    }
    if (event->type() == QEvent::FocusOut && !m_hider.isHiding()
        && focus::isLostFocus(static_cast<QFocusEvent *>(event))) {
        if (watched == txtName && txtName->isVisible())
            txtName_LostFocus();
        else if (watched == txtKeyword && txtKeyword->isVisible())
            txtKeyword_LostFocus();
    }
    return false;
}

void frmTel::hideQuietly(QLineEdit *box, QLabel *label)
{
    label->setText(box->text());
    m_hider.setVisible(box, false);
    label->show();
}

void frmTel::storeName()
{
    if (const auto pos = m_nameEntry ? m_book.find(*m_nameEntry) : std::nullopt) {
        const phoneentry before = m_book.at(*pos);
        m_book.setName(*pos, lblName->text());
        if (m_book.at(*pos).name != before.name)
            record(QStringLiteral("名前の変更"), before, m_book.at(*pos));
    }
}

void frmTel::storeKeyword()
{
    if (const auto pos = m_keywordEntry ? m_book.find(*m_keywordEntry) : std::nullopt) {
        const phoneentry before = m_book.at(*pos);
        m_book.setKeys(*pos, lblKeyword->text());
        if (m_book.at(*pos).keys != before.keys)
            record(QStringLiteral("キーワードの変更"), before, m_book.at(*pos));
    }
}

std::optional<QString> frmTel::beginInPlaceEdit(QLabel *label, QLineEdit *box)
{
    const int pos = selectedIndex();
    box->setText(label->text());
    label->hide();
    box->show();
    box->setFocus(Qt::OtherFocusReason);
    disablechange();
    // Without a selection there is no entry to store into.
    return pos >= 0 ? std::optional(m_book.at(pos).index) : std::nullopt;
}

void frmTel::lblName_DblClick()
{
    m_nameEntry = beginInPlaceEdit(lblName, txtName);
}

void frmTel::txtName_KeyPress(int keyAscii)
{
    if (keyAscii == keys::Enter || keyAscii == keys::Tab)
        hideQuietly(txtName, lblName);
    storeName();
    enablechange();
    if (keyAscii == keys::Tab)
        lblKeyword_DblClick();
}

void frmTel::txtName_LostFocus()
{
    hideQuietly(txtName, lblName);
    storeName();
    // Leaving the box by a click ends the edit as Enter does.
    enablechange();
}

void frmTel::lblKeyword_DblClick()
{
    m_keywordEntry = beginInPlaceEdit(lblKeyword, txtKeyword);
}

void frmTel::txtKeyword_KeyPress(int keyAscii)
{
    if (keyAscii == keys::Enter || keyAscii == keys::Tab)
        txtKeyword_LostFocus();
    storeKeyword();
    if (keyAscii == keys::Tab)
        txtTel->setFocus(Qt::TabFocusReason);
}

void frmTel::endInPlaceEdits()
{
    // Shown in a window that may itself be hidden.
    if (!txtName->isHidden())
        txtName_LostFocus();
    if (!txtKeyword->isHidden())
        txtKeyword_LostFocus();
}

void frmTel::txtKeyword_LostFocus()
{
    hideQuietly(txtKeyword, lblKeyword);
    lblKeyword->setText(narrow(lblKeyword->text()));
    storeKeyword();
    enablechange();
}
