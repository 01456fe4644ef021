#pragma once

#include <QWidget>

#include <memory>

class KibanuApp;
class DoneList;
class QLabel;
class QListView;
class QPushButton;

// The record of finished things: done.txt as it was when the window was first shown.
class frmDone : public QWidget {
    Q_OBJECT
public:
    explicit frmDone(KibanuApp &app);
    ~frmDone() override;

    void Form_Load();
    // Selects the newest line and scrolls it into view.
    void Form_Paint();
    void lstDone_KeyDown(int keyCode);
    void cmdClose_Click();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    KibanuApp &m_app;
    std::unique_ptr<DoneList> m_lines;
    QListView *lstDone = nullptr;
    QPushButton *cmdClose = nullptr;
    QLabel *lblHint = nullptr;
    bool m_loaded = false;
};
