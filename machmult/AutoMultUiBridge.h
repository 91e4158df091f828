#pragma once
// The engine's questions and progress as a job's worker passes them on. The job's stop request
// reaches the engine's search (it cancels the search in progress), and a question that the
// user-interface thread has not answered yet is dropped when the stop comes, so a user-interface
// thread that stops the job and waits for its worker never waits on itself.
//
// With a poster, the questions run on the poster's thread while the worker waits; without one
// they are asked on the worker's thread (windowless runs and tests).

#include "automult/AutoMultUi.h"
#include "fw/core/Poster.h"

#include <functional>
#include <memory>
#include <stop_token>

class AutoMultUiBridge : public IAutoMultUi {
public:
    AutoMultUiBridge(std::shared_ptr<IAutoMultUi> ui, fw::Poster* poster, std::stop_token stop);
    ~AutoMultUiBridge() override;

    // Cancel Multing (nothing) once the job is stopped.
    std::optional<std::string> AskAllowableDrop(const std::string& machineDrop,
                                                const std::string& allowableDrop) override;
    // Cancel Multing once the job is stopped.
    AMProblemChoice ResolveProblems(const std::vector<AMPartRow>& tooLong,
                                    const std::vector<AMPartRow>& tooManyTools) override;
    // A stop of the job, now or later in the search, cancels the search.
    void ProgressBegin(std::stop_source cancel) override;
    void ProgressPercent(int percent) override;
    void ProgressMults(int made) override;
    void ProgressEnd() override;

private:
    template <class T> T Ask(T whenStopped, std::function<T(IAutoMultUi&)> question);

    struct CancelSearch {
        std::stop_source cancel;
        void operator()() { cancel.request_stop(); }
    };

    std::shared_ptr<IAutoMultUi> ui_;
    fw::Poster* poster_;
    std::stop_token stop_;
    std::unique_ptr<std::stop_callback<CancelSearch>> link_;
};
