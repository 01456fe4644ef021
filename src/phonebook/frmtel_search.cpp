// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// frmTel: the search box that steps through the indexes, and 検索 by name and keyword.
#include "frmtel.h"

#include "text/narrow.h"
#include "ui/prompter.h"

#include <QLineEdit>

void frmTel::txtTel_Change()
{
    m_keptSelection.reset();
    const int count = m_book.ntphone();
    if (count == 0)
        return;
    const QString text = txtTel->text();
    const int last = count - 1;
    if (text.size() < m_previousLength)
        m_searchPos = 0;
    m_searchPos = std::min(m_searchPos, last);
    select(m_searchPos);
    // Code units, not the list's collation: an index "before" the text is skipped.
    const auto before = [&] { return m_book.at(m_searchPos).index < text; };
    // Selecting every row on the way down, each refilling the grid, leaves the list where
    // selecting the first row after the start and then the last one does: a row below
    // the view scrolls it only until that row stands at its bottom.
    const auto stepTo = [&](int from) {
        if (m_searchPos > from)
            select(from + 1);
        if (m_searchPos > from + 1)
            select(m_searchPos);
    };
    for (int pass = 0; pass < 2; ++pass) {
        const int from = m_searchPos;
        while (m_searchPos < last && before())
            ++m_searchPos;
        stepTo(from);
        if (!before()) {
            select(m_searchPos);
            lstIndex_Click();
            if (m_searchPos == last)
                m_searchPos = 0;
            break;
        }
        if (pass == 0)
            m_searchPos = 0;
    }
    m_previousLength = int(text.size());
}

void frmTel::setSearchText(const QString &text)
{
    // A whole new text, not one typed on from the last: the stepping starts at the top,
    // or an earlier search past this index would leave another entry selected.
    m_searchPos = 0;
    if (txtTel->text() == text)
        txtTel_Change(); // no change to run it, but the selection may have moved meanwhile
    else
        txtTel->setText(text);
}

void frmTel::showEntry(int pos)
{
    select(pos);
    m_keptSelection = pos;
    lstIndex_Click();
}

void frmTel::cmdFind_Click()
{
    for (;;) {
        txtTel->setText(narrow(txtTel->text()));
        if (const auto found = m_book.findText(txtTel->text(), m_nextFind)) {
            select(*found);
            m_keptSelection = *found;
            m_nextFind = *found + 1;
            return;
        }
        if (m_nextFind == 0) {
            m_prompter.inform(QStringLiteral("このキーワードは見つかりませんでした"));
            return;
        }
        if (!m_prompter.askYesNo(QStringLiteral(
                "このキーワードはこれ以上見つかりませんでした。もう一度最初から探しますか？")))
            return;
        m_nextFind = 0;
    }
}
