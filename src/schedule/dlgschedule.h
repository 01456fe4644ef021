#pragma once

#include <QDialog>

class KibanuApp;
class frmSchedule;
class QLabel;
class QLineEdit;
class QPushButton;

// The entry dialog of the schedule: a date, a time and an event text.
class dlgSchedule : public QDialog {
    Q_OBJECT
public:
    dlgSchedule(KibanuApp &app, frmSchedule &schedule, QWidget *parent);

    // 1 adds a new entry; 10 replaces the entry selected in the schedule window.
    qint16 mode = 1;

    // Fills the three boxes, sets the mode and shows the dialog modal.
    void showWith(qint16 newMode, const QString &date, const QString &time, const QString &event);

    void cmdOK_Click();
    void cmdCancel_Click();
    void txtEvent_Change();
    void reject() override; // Escape

private:
    void refuse(QLineEdit *box, const QString &message);
    void finish();

    KibanuApp &m_app;
    frmSchedule &m_schedule;
    QLineEdit *txtDate = nullptr;
    QLineEdit *txtTime = nullptr;
    QLineEdit *txtEvent = nullptr;
    QLabel *lblHint = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
};
