#include "machmult/ui/AmultStatusDlg.h"

#include "fw/core/MessageService.h"
#include "fw/qt/QtText.h"
#include "machmult/AutoMultJob.h"
#include "machmult/ui/AutoMultHost.h"
#include "machmult/ui/AutoMultRun.h"
#include "machmult/ui/CommandGuard.h"
#include "model/ui/FormBinder.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

CAmultStatusDlg::CAmultStatusDlg(const CAutoMultRun& run, QWidget* parent)
    : QDialog(parent, Qt::Tool), run_(&run), progress_(new QProgressBar(this)), status_(new QLabel(this)),
      stop_(new QPushButton(QStringLiteral("Stop"), this))
{
    setWindowTitle(QStringLiteral("AutoMult Shape Status"));
    setAttribute(Qt::WA_DeleteOnClose);
    progress_->setObjectName(ControlName(IDC_PROGRESS));
    progress_->setRange(0, 100);
    progress_->setValue(0);
    stop_->setObjectName(ControlName(IDC_STOP));
    status_->setMinimumWidth(320);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(progress_);
    layout->addWidget(status_);
    layout->addWidget(stop_, 0, Qt::AlignHCenter);
    connect(stop_, &QPushButton::clicked, this, [this] { machui::RunGuarded("CAmultStatusDlg::OnStop", [this] { OnStop(); }); });
    connect(&run, &CAutoMultRun::Progress, this, &CAmultStatusDlg::OnProgress, Qt::QueuedConnection);
    connect(&run, &CAutoMultRun::Status, this, &CAmultStatusDlg::OnStatus, Qt::QueuedConnection);
    connect(&run, &CAutoMultRun::Ended, this, &CAmultStatusDlg::OnEnded, Qt::QueuedConnection);
}

void CAmultStatusDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QWidget* parent = parentWidget())
        move(parent->mapToGlobal(QPoint(parent->width() - frameGeometry().width(), 0)));
}

void CAmultStatusDlg::OnProgress(int percent) { progress_->setValue(std::clamp(percent, 0, 100)); }

void CAmultStatusDlg::OnStatus(const QString& text) { status_->setText(text); }

void CAmultStatusDlg::OnStop()
{
    stop_->setEnabled(false);
    status_->setText(QStringLiteral("Stopping..."));
    if (const AutoMultHost& host = machui::GetAutoMultHost(); host.stopJob)
        host.stopJob();
}

void CAmultStatusDlg::OnEnded(int end, const QString& report)
{
    // Nothing is left to stop: the button reads Close while the report is read; then the job is
    // freed and the window goes.
    stop_->setText(QStringLiteral("Close"));
    stop_->setEnabled(false);
    machui::RunGuarded("CAmultStatusDlg::OnEnded", [&] {
        status_->setText(report.section(u'\n', 0, 0));
        if (end == int(AutoMultSummary::End::failed))
            fw::Messages().MessageBox(AutoMultJob::kUnexpectedError, "ERROR", fw::MB_OK | fw::MB_ICONERROR);
        fw::ShowMessage(fw::FromQString(report), fw::MB_OK | fw::MB_ICONINFORMATION);
        if (const AutoMultHost& host = machui::GetAutoMultHost(); host.freeJob)
            host.freeJob(run_);
    });
    hide();
    deleteLater();
}
