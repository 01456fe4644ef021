// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fonts.h"
#include "ui/textdelegate.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Two equal tables side by side in one window, the first drawn by the style alone: what
// the second draws must not differ by a pixel, however its lines change.
struct Tables {
    Tables()
    {
        window.resize(420, 200);
        for (int i = 0; i < 2; ++i) {
            auto *t = new QTableWidget(5, 2, &window);
            t->setGeometry(i * 210, 0, 200, 200);
            t->setFont(pGothicFont());
            t->verticalHeader()->hide();
            t->setColumnWidth(0, 60);
            t->horizontalHeader()->setStretchLastSection(true);
            t->setSelectionBehavior(QAbstractItemView::SelectRows);
            t->setWordWrap(false);
            tables[i] = t;
        }
        textdelegate::install(tables[1]);
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
    }
    void set(int row, int column, const QString &text)
    {
        for (QTableWidget *t : tables) {
            if (!t->item(row, column))
                t->setItem(row, column, new QTableWidgetItem);
            t->item(row, column)->setText(text);
        }
    }
    // As the user sees it: in the active window, with the focus frame on the current line.
    static QImage image(QWidget *w)
    {
        QApplication::setActiveWindow(w->window());
        w->setFocus();
        QImage image(w->size(), QImage::Format_RGB32);
        w->render(&image);
        return image;
    }
    template <typename F>
    void both(F f)
    {
        for (QTableWidget *t : tables)
            f(t);
    }
    [[nodiscard]] bool same() const
    {
        return image(tables[0]) == image(tables[1]);
    }
    QWidget window;
    QTableWidget *tables[2] = {};
};

} // namespace

TEST(TextDelegate, drawsLinesAsTheStyleDoesAfterTheirTextsWidthsAndSelectionChange)
{
    Tables t;
    t.set(0, 0, QStringLiteral("携帯"));
    t.set(0, 1, QStringLiteral("090-1234-5678"));
    t.set(1, 0, QStringLiteral("とても長い種類の名前です"));
    t.set(1, 1, QStringLiteral("03-1111-2222 内線 345 ＡＢＣ"));
    t.set(2, 1, QString());
    t.both([](QTableWidget *w) {
        w->item(0, 0)->setBackground(w->palette().button());
        w->selectRow(1);
    });
    ASSERT_TRUE(t.same());

    // A line drawn once and then changed is drawn anew, not from what it was.
    t.set(0, 1, QStringLiteral("0120-00-0000"));
    t.set(1, 0, QStringLiteral("自宅"));
    ASSERT_TRUE(t.same());

    // A narrower column elides again, and the old text is not reused in the old width.
    t.both([](QTableWidget *w) { w->setColumnWidth(0, 30); });
    t.set(1, 0, QStringLiteral("とても長い種類の名前です"));
    EXPECT_TRUE(t.same());
    t.both([](QTableWidget *w) { w->selectRow(0); });
    EXPECT_TRUE(t.same());

    // A table that wraps its lines still wraps one too wide.
    t.both([](QTableWidget *w) {
        w->setWordWrap(true);
        w->verticalHeader()->setDefaultSectionSize(40);
    });
    EXPECT_TRUE(t.same());
    t.both([](QTableWidget *w) {
        w->clearSelection();
        w->setEnabled(false);
    });
    EXPECT_TRUE(t.same());

    // Lines of one column in one width, each with a text of its own.
    t.both([](QTableWidget *w) {
        w->setEnabled(true);
        w->setColumnCount(1);
    });
    for (int row = 0; row < 5; ++row)
        t.set(row, 0, QStringLiteral("行%1").arg(row));
    EXPECT_TRUE(t.same());
}
