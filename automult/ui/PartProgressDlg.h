#pragma once
// The progress window of one search: how far the search has come and how many mults it has
// made. Cancel Multing asks that search to stop; the window stays until the search ends it.

#include <QDialog>
#include <stop_token>

class QLabel;
class QProgressBar;

class CPartProgressDlg : public QDialog {
    Q_OBJECT
public:
    enum { IDD = 102, IDC_PROGRESS = 203, IDC_CANCEL = 210, IDC_MULTS = 211 };

    explicit CPartProgressDlg(std::stop_source cancel, QWidget* parent = nullptr);

    void SetPercent(int percent);
    void SetMults(int made);

public slots:
    // Escape does not close it: the search owns its lifetime.
    void reject() override {}

private:
    std::stop_source cancel_;
    QProgressBar* bar_;
    QLabel* mults_;
};
