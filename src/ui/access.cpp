// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "access.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QLabel>

#include <algorithm>

namespace a11y {
namespace {

constexpr char WhatProperty[] = "kibanuAccessibleWhat";

class DataLabel : public QAccessibleWidget {
public:
    explicit DataLabel(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        const QString shown = static_cast<const QLabel *>(widget())->text();
        return shown.isEmpty() ? widget()->property(WhatProperty).toString() : shown;
    }
};

QAccessibleInterface *dataLabelFactory(const QString &, QObject *object)
{
    auto *label = qobject_cast<QLabel *>(object);
    if (!label || !label->property(WhatProperty).isValid())
        return nullptr;
    return new DataLabel(label);
}

struct Control {
    QWidget *widget;
    QRect place; // in the window's coordinates
    qsizetype made; // the order of creation
};

// The controls that take Tab; the inside of a control (a list's viewport, a combo box's
// line edit) is the control's own business.
void collect(QWidget &window, QWidget *parent, QList<Control> &controls)
{
    for (QObject *child : parent->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (!w || w->isWindow())
            continue;
        if (w->focusPolicy() & Qt::TabFocus)
            controls.append({w, QRect(w->mapTo(&window, QPoint(0, 0)), w->size()),
                             controls.size()});
        else
            collect(window, w, controls);
    }
}

// Where the controls part into two groups along one axis with nothing across the gap:
// the index of the first control of the second group, or 0.
qsizetype firstAfterGap(QList<Control> &controls, int (QRect::*start)() const,
                        int (QRect::*end)() const)
{
    std::stable_sort(controls.begin(), controls.end(), [&](const Control &a, const Control &b) {
        return (a.place.*start)() < (b.place.*start)();
    });
    int reach = (controls.first().place.*end)();
    for (qsizetype i = 1; i < controls.size(); ++i) {
        if ((controls[i].place.*start)() > reach)
            return i;
        reach = std::max(reach, (controls[i].place.*end)());
    }
    return 0;
}

// Cuts the controls into rows where a gap runs across the whole group, else into columns,
// and reads each part in turn.
void readingOrder(QList<Control> controls, QList<QWidget *> &order)
{
    if (controls.size() > 1) {
        qsizetype cut = firstAfterGap(controls, &QRect::top, &QRect::bottom);
        if (cut == 0)
            cut = firstAfterGap(controls, &QRect::left, &QRect::right);
        if (cut > 0) {
            readingOrder(controls.mid(0, cut), order);
            readingOrder(controls.mid(cut), order);
            return;
        }
    }
    // Controls on top of each other: as they were made.
    std::sort(controls.begin(), controls.end(),
              [](const Control &a, const Control &b) { return a.made < b.made; });
    for (const Control &c : controls)
        order.append(c.widget);
}

} // namespace

void label(QLabel *label, QWidget *box)
{
    label->setBuddy(box);
    const QString name = label->text().remove(QLatin1Char('&'));
    box->setAccessibleName(name);
    // An editable drop-down's text box and pop-up list are what a screen reader lands on:
    // they take the drop-down's name, not a bare "text".
    if (auto *combo = qobject_cast<QComboBox *>(box)) {
        if (QLineEdit *edit = combo->lineEdit())
            edit->setAccessibleName(name);
        combo->view()->setAccessibleName(name);
    }
}

void nameWhenEmpty(QLabel *label, const QString &what)
{
    static const bool installed = [] {
        QAccessible::installFactory(dataLabelFactory);
        return true;
    }();
    Q_UNUSED(installed);
    label->setProperty(WhatProperty, what);
}

void orderTabs(QWidget &window)
{
    QList<Control> controls;
    collect(window, &window, controls);
    QList<QWidget *> order;
    readingOrder(controls, order);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace a11y
