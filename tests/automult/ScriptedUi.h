#pragma once
// An engine user interface that answers as a test tells it and records what the engine showed.

#include "automult/AutoMultUi.h"

#include <functional>
#include <utility>

class ScriptedUi : public IAutoMultUi {
public:
    // Answers.
    std::optional<std::string> typedDrop = std::string(" 0.000");   // nullopt: Cancel Multing
    AMProblemChoice problemChoice = AMProblemChoice::Start;
    std::function<void(int made, std::stop_source& cancel)> onMults;  // called after each mult

    // What was shown.
    std::vector<std::pair<std::string, std::string>> conditions;   // machine drop, allowable drop
    std::vector<std::pair<std::vector<AMPartRow>, std::vector<AMPartRow>>> problems;
    std::vector<int> percents;
    std::vector<int> mults;
    int begins = 0;
    int ends = 0;
    std::stop_source cancel;   // of the last search

    std::optional<std::string> AskAllowableDrop(const std::string& machineDrop, const std::string& allowableDrop) override
    {
        conditions.emplace_back(machineDrop, allowableDrop);
        return typedDrop;
    }
    AMProblemChoice ResolveProblems(const std::vector<AMPartRow>& tooLong,
                                    const std::vector<AMPartRow>& tooManyTools) override
    {
        problems.emplace_back(tooLong, tooManyTools);
        return problemChoice;
    }
    void ProgressBegin(std::stop_source source) override
    {
        ++begins;
        cancel = std::move(source);
    }
    void ProgressPercent(int percent) override { percents.push_back(percent); }
    void ProgressMults(int made) override
    {
        mults.push_back(made);
        if (onMults)
            onMults(made, cancel);
    }
    void ProgressEnd() override { ++ends; }
};
