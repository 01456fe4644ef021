// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dlgschedule.h"

#include "entrytexts.h"
#include "repeatrule.h"
#include "text/classifier.h"
#include "text/clock.h"
#include "text/jdate.h"
#include "ui/access.h"
#include "ui/composition.h"
#include "ui/fonts.h"
#include "ui/prompter.h"
#include "ui/twips.h"
#include "ui/typedtextvalidator.h"
#include "ui/windows.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLineEdit *addField(QDialog *dialog, const char *name, const QString &caption, const char *labelName,
                    int top)
{
    auto *label = new QLabel(caption, dialog);
    label->setObjectName(QLatin1String(labelName));
    label->setGeometry(twipsRect(120, top + 30, 615, 255));
    auto *box = new QLineEdit(dialog);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(twipsRect(840, top, 3855, 315));
    box->setFont(pGothicFont());
    a11y::label(label, box);
    return box;
}

QPushButton *addButton(QDialog *dialog, const char *name, const QString &caption, int left,
                       int width = 1095, int top = 2940)
{
    return windows::button(dialog, name, caption, twipsRect(left, top, width, 375));
}

// The choices of 繰り返し, the nth weekday's named by the date when it is known.
const QStringList &plainRules()
{
    static const QStringList rules{QString(),              QStringLiteral("毎日"),
                                   QStringLiteral("平日"), QStringLiteral("毎週"),
                                   QStringLiteral("隔週"), QStringLiteral("毎月"),
                                   QStringLiteral("毎月第N曜"), QStringLiteral("毎年")};
    return rules;
}
constexpr int nthChoice = 6;

// Beside a box: what its text was read as.
QLabel *readLabel(QDialog *dialog, const char *name, int top)
{
    auto *label = new QLabel(dialog);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(twipsRect(3015, top + 30, 1680, 255));
    label->hide();
    return label;
}

} // namespace

dlgSchedule::dlgSchedule(const Clock &clock, Prompter &prompter, Store store, QWidget *parent)
    : QDialog(parent), m_clock(clock), m_prompter(prompter), m_store(std::move(store))
{
    setObjectName(QStringLiteral("dlgSchedule"));
    setWindowTitle(QStringLiteral("予定の編集"));
    windows::fixSize(*this, twips(4920), twips(3510));
    txtDate = addField(this, "txtDate", QStringLiteral("日付"), "lblDate", 120);
    txtTime = addField(this, "txtTime", QStringLiteral("時間"), "lblTime", 540);
    txtEvent = addField(this, "txtEvent", QStringLiteral("用件"), "lblEvent", 960);
    TypedTextValidator::install(txtDate, TypedTextValidator::Field);
    TypedTextValidator::install(txtTime, TypedTextValidator::Field);
    TypedTextValidator::install(txtEvent, TypedTextValidator::Field);
    createRepeatControls();
    lblDateRead = readLabel(this, "lblDateRead", 120);
    lblTimeRead = readLabel(this, "lblTimeRead", 540);
    connect(txtTime, &QLineEdit::textChanged, this, &dlgSchedule::txtTime_Change);
    lblHint = new QLabel(this);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->setGeometry(twipsRect(120, 2220, 4575, 255));
    a11y::nameWhenEmpty(lblHint, QStringLiteral("ヒント"));
    cmdThisDay = addButton(this, "cmdThisDay", QStringLiteral("この日だけ変更"), 120, 1575, 2520);
    cmdDelete = addButton(this, "cmdDelete", QStringLiteral("削除"), 1800, 1095, 2520);
    cmdOK = addButton(this, "cmdOK", QStringLiteral("OK"), 2160);
    cmdCancel = addButton(this, "cmdCancel", QStringLiteral("キャンセル"), 3360);
    connect(cmdOK, &QPushButton::clicked, this, &dlgSchedule::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &dlgSchedule::cmdCancel_Click);
    connect(cmdThisDay, &QPushButton::clicked, this, &dlgSchedule::cmdThisDay_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &dlgSchedule::cmdDelete_Click);
    connect(txtEvent, &QLineEdit::textChanged, this, &dlgSchedule::txtEvent_Change);
    a11y::orderTabs(*this);
}

void dlgSchedule::createRepeatControls()
{
    auto *label = new QLabel(QStringLiteral("繰り返し"), this);
    label->setObjectName(QStringLiteral("lblRepeat"));
    label->setGeometry(twipsRect(60, 1410, 780, 255));
    cboRepeat = new QComboBox(this);
    cboRepeat->setObjectName(QStringLiteral("cboRepeat"));
    cboRepeat->setGeometry(twipsRect(840, 1380, 2055, 315));
    cboRepeat->setFont(pGothicFont());
    for (const QString &rule : plainRules())
        cboRepeat->addItem(rule.isEmpty() ? QStringLiteral("しない") : rule, rule);
    a11y::label(label, cboRepeat);
    txtUntil = addField(this, "txtUntil", QStringLiteral("終わり"), "lblUntil", 1800);
    TypedTextValidator::install(txtUntil, TypedTextValidator::Field);
    connect(txtDate, &QLineEdit::textChanged, this, &dlgSchedule::txtDate_Change);
}

void dlgSchedule::setNaturalDates(bool on)
{
    m_naturalDates = on;
    // The boxes make room for what they were read as.
    for (QLineEdit *box : {txtDate, txtTime})
        box->resize(twips(on ? 2055 : 3855), box->height());
    lblDateRead->setVisible(on);
    lblTimeRead->setVisible(on);
    txtDate_Change();
    txtTime_Change();
}

void dlgSchedule::txtTime_Change()
{
    lblTimeRead->setText(entrytexts::saidTime(txtTime->text(), m_naturalDates));
}

QString dlgSchedule::storedDate() const
{
    return entrytexts::storedDate(txtDate->text(), m_naturalDates, m_clock.today());
}

QString dlgSchedule::storedTime() const
{
    return entrytexts::storedTime(txtTime->text(), m_naturalDates);
}

void dlgSchedule::txtDate_Change()
{
    const QDate today = m_clock.today();
    const auto date = entrytexts::dateOf(txtDate->text(), m_naturalDates, today);
    lblDateRead->setText(entrytexts::saidDate(txtDate->text(), m_naturalDates, today));
    const RepeatRule nth = date ? RepeatRule::monthlyNthOf(*date) : RepeatRule{};
    cboRepeat->setItemText(nthChoice, date ? nth.caption() : plainRules().at(nthChoice));
    cboRepeat->setItemData(nthChoice, date ? nth.text() : QString());
}

void dlgSchedule::selectRule(const QString &rule)
{
    const auto parsed = RepeatRule::parse(rule);
    if (parsed && parsed->kind == RepeatRule::Kind::MonthlyNth) {
        // The series' own, which may be 最終 where the day shown is the fourth.
        cboRepeat->setItemText(nthChoice, parsed->caption());
        cboRepeat->setItemData(nthChoice, parsed->text());
        cboRepeat->setCurrentIndex(nthChoice);
        return;
    }
    cboRepeat->setCurrentIndex(std::max(0, int(plainRules().indexOf(rule))));
}

dlgSchedule::Repetition dlgSchedule::repetition() const
{
    return {cboRepeat->currentData().toString(), txtUntil->text()};
}

void dlgSchedule::showWith(qint16 newMode, const QString &date, const QString &time,
                           const QString &event, const Repetition &repeat)
{
    txtDate->setText(date);
    txtTime->setText(time);
    txtEvent->setText(event);
    selectRule(repeat.rule);
    txtUntil->setText(repeat.until);
    mode = newMode;
    cmdThisDay->setVisible(mode == ChangeSeries);
    cmdDelete->setVisible(mode == ChangeSeries);
    windows::showModal(*this);
    txtDate->setFocus();
}

void dlgSchedule::txtEvent_Change()
{
    cmdOK->setDefault(true);
}

void dlgSchedule::refuse(QLineEdit *box, const QString &message)
{
    m_prompter.inform(message);
    box->setSelection(0, int(box->text().size()));
    box->setFocus();
}

bool dlgSchedule::accepted()
{
    composition::commit();
    const QDate today = m_clock.today();
    if (!entrytexts::dateOf(txtDate->text(), m_naturalDates, today)) {
        refuse(txtDate, QStringLiteral("有効な日付を入力して下さい"));
        return false;
    }
    if (!entrytexts::timeOf(txtTime->text(), m_naturalDates)) {
        refuse(txtTime, QStringLiteral("有効な時間を入力して下さい"));
        return false;
    }
    if (cboRepeat->currentData().toString().isEmpty() || txtUntil->text().isEmpty())
        return true;
    const auto start = entrytexts::dateOf(txtDate->text(), m_naturalDates, today);
    const auto until = jdate::parseDate(jdate::dateForNewEntry(txtUntil->text(), today), today);
    if (!until || (start && *until < *start)) {
        refuse(txtUntil, QStringLiteral("終わりには、日付以降の有効な日付を入力するか、空にして下さい"));
        return false;
    }
    return true;
}

void dlgSchedule::cmdOK_Click()
{
    if (!accepted())
        return;
    if ((mode == NewEntry || mode == ChangeEntry || mode == ChangeSeries)
        && !m_store(mode, storedDate(), storedTime(), txtEvent->text(), repetition()))
        return;
    finish();
}

void dlgSchedule::cmdThisDay_Click()
{
    // The day becomes a single appointment: it repeats no more.
    if (accepted() && m_store(ThisDayOnly, storedDate(), storedTime(), txtEvent->text(), {}))
        finish();
}

void dlgSchedule::cmdDelete_Click()
{
    if (m_store(DeleteSeries, storedDate(), storedTime(), txtEvent->text(), repetition()))
        finish();
}

void dlgSchedule::cmdCancel_Click()
{
    finish();
}

void dlgSchedule::reject()
{
    cmdCancel_Click();
}

void dlgSchedule::finish()
{
    hide();
    cmdOK->setDefault(false);
}
