#include "machmult/AutoMultUiBridge.h"

#include <condition_variable>
#include <mutex>
#include <optional>

AutoMultUiBridge::AutoMultUiBridge(std::shared_ptr<IAutoMultUi> ui, fw::Poster* poster, std::stop_token stop)
    : ui_(std::move(ui)), poster_(poster), stop_(std::move(stop))
{
}

AutoMultUiBridge::~AutoMultUiBridge() = default;

template <class T> T AutoMultUiBridge::Ask(T whenStopped, std::function<T(IAutoMultUi&)> question)
{
    if (stop_.stop_requested())
        return whenStopped;
    if (!poster_)
        return question(*ui_);

    // Shared with the posted call, which may run after the worker has stopped waiting.
    struct Pending {
        std::mutex mutex;
        std::condition_variable_any answered;
        std::optional<T> answer;
        bool abandoned = false;
    };
    auto pending = std::make_shared<Pending>();
    poster_->Post([pending, ui = ui_, question = std::move(question), stop = stop_] {
        {
            std::lock_guard lock(pending->mutex);
            if (pending->abandoned || stop.stop_requested())
                return;
        }
        T answer = question(*ui);
        std::lock_guard lock(pending->mutex);
        pending->answer = std::move(answer);
        pending->answered.notify_all();
    });
    std::unique_lock lock(pending->mutex);
    if (!pending->answered.wait(lock, stop_, [&] { return pending->answer.has_value(); })) {
        pending->abandoned = true;
        return whenStopped;
    }
    return std::move(*pending->answer);
}

std::optional<std::string> AutoMultUiBridge::AskAllowableDrop(const std::string& machineDrop,
                                                              const std::string& allowableDrop)
{
    return Ask<std::optional<std::string>>(std::nullopt, [machineDrop, allowableDrop](IAutoMultUi& ui) {
        return ui.AskAllowableDrop(machineDrop, allowableDrop);
    });
}

AMProblemChoice AutoMultUiBridge::ResolveProblems(const std::vector<AMPartRow>& tooLong,
                                                  const std::vector<AMPartRow>& tooManyTools)
{
    return Ask<AMProblemChoice>(AMProblemChoice::CancelMulting, [tooLong, tooManyTools](IAutoMultUi& ui) {
        return ui.ResolveProblems(tooLong, tooManyTools);
    });
}

void AutoMultUiBridge::ProgressBegin(std::stop_source cancel)
{
    link_.reset();
    link_ = std::make_unique<std::stop_callback<CancelSearch>>(stop_, CancelSearch{cancel});
    ui_->ProgressBegin(std::move(cancel));
}

void AutoMultUiBridge::ProgressPercent(int percent) { ui_->ProgressPercent(percent); }

void AutoMultUiBridge::ProgressMults(int made) { ui_->ProgressMults(made); }

void AutoMultUiBridge::ProgressEnd()
{
    link_.reset();
    ui_->ProgressEnd();
}
