#pragma once
// A begun automatic-multing job on the user-interface side: it owns the job and the engine's
// dialogs, and turns what the worker tells into queued signals on the user-interface thread.
// Made and destroyed on that thread; destroying it stops the worker and waits for it.

#include "automult/AutoMultUi.h"
#include "fw/qt/QtPoster.h"
#include "machmult/AutoMultJob.h"

#include <QObject>
#include <QString>

#include <memory>

class CAutoMultRun : public QObject, public AutoMultListener {
    Q_OBJECT
public:
    explicit CAutoMultRun(std::unique_ptr<AutoMultJob> job);
    ~CAutoMultRun() override;

    // Starts the worker; the engine's dialogs are the program's own unless given. False when the
    // job cannot begin (no stock choices, begun already).
    bool Begin(std::shared_ptr<IAutoMultUi> ui = nullptr, AutoMultJob::EngineFactory engine = {});
    bool IsRunning() const { return job_->IsRunning(); }
    void RequestStop() { job_->RequestStop(); }
    void Join() { job_->Join(); }

signals:
    void Progress(int percent);
    void Status(const QString& text);
    // How the run ended (AutoMultSummary::End) and its report.
    void Ended(int end, const QString& report);

private:
    void OnProgress(int percent) override;
    void OnStatus(const std::string& text) override;
    void OnEnded(const AutoMultSummary& summary) override;

    fw::QtPoster poster_;
    std::shared_ptr<IAutoMultUi> ui_;
    std::unique_ptr<AutoMultJob> job_;   // last: its worker stops before the rest goes
};
