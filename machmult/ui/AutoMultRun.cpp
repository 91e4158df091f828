#include "machmult/ui/AutoMultRun.h"

#include "automult/ui/QtAutoMultUi.h"
#include "fw/qt/QtText.h"

CAutoMultRun::CAutoMultRun(std::unique_ptr<AutoMultJob> job) : job_(std::move(job)) {}

CAutoMultRun::~CAutoMultRun() { job_.reset(); }

bool CAutoMultRun::Begin(std::shared_ptr<IAutoMultUi> ui, AutoMultJob::EngineFactory engine)
{
    ui_ = ui ? std::move(ui) : std::make_shared<CQtAutoMultUi>();
    return job_->Begin({std::move(engine), ui_, &poster_, this});
}

void CAutoMultRun::OnProgress(int percent) { emit Progress(percent); }

void CAutoMultRun::OnStatus(const std::string& text) { emit Status(fw::ToQString(text)); }

void CAutoMultRun::OnEnded(const AutoMultSummary& summary)
{
    emit Ended(int(summary.end), fw::ToQString(summary.Text()));
}
