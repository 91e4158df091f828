#pragma once
// "AutoMult Shape Status": the modeless window of a running automatic-multing job, at the top
// right of its parent. It shows the progress and what the worker is doing, and Stop ends the
// job early. When the job ends its button reads Close; it shows the end-of-run report, hands the
// job back to the application to be freed and closes. It never holds the job itself: the application may free
// the job first (Stop, exit).

#include <QDialog>

class CAutoMultRun;
class QLabel;
class QProgressBar;
class QPushButton;

class CAmultStatusDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 202;
    static constexpr int IDC_PROGRESS = 1170;
    static constexpr int IDC_STOP = 1212;

    CAmultStatusDlg(const CAutoMultRun& run, QWidget* parent = nullptr);

    QProgressBar& GetProgress() const { return *progress_; }
    QLabel& GetStatus() const { return *status_; }

    // Progress (0 to 100), status text and the end of the run, as the run signals them.
    void OnProgress(int percent);
    void OnStatus(const QString& text);
    void OnEnded(int end, const QString& report);

protected:
    void showEvent(QShowEvent* event) override;
    // The window closes only with the end of the job; Escape and its close button do nothing.
    void reject() override {}

private:
    void OnStop();

    const CAutoMultRun* run_;   // identity only, never dereferenced
    QProgressBar* progress_;
    QLabel* status_;
    QPushButton* stop_;
};
