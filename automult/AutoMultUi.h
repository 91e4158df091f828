#pragma once
// What the engine asks of its user while it mults: the allowable drop, what to do with parts
// that cannot be multed as they stand, and a progress window that can cancel the search.
// The engine calls these on its own (worker) thread; an implementation that shows widgets
// brings each call to its user-interface thread.

#include <optional>
#include <stop_token>
#include <string>
#include <vector>

// One row of the problem dialog's lists.
struct AMPartRow {
    std::string job;
    std::string group;
    std::string mark;
    bool operator==(const AMPartRow&) const = default;
};

// The buttons of the problem dialog, by their ids.
enum class AMProblemChoice { Start = 1, CancelMulting = 2, Mult = 208 };

class IAutoMultUi {
public:
    virtual ~IAutoMultUi() = default;

    // The condition dialog, showing both drops formatted "%6.3f". Returns the text entered for
    // the allowable drop on Start, nothing on Cancel Multing.
    virtual std::optional<std::string> AskAllowableDrop(const std::string& machineDrop,
                                                        const std::string& allowableDrop) = 0;

    // The problem dialog over the parts longer than the usable stock and the parts needing more
    // tools in a zone than the machine has stations there.
    virtual AMProblemChoice ResolveProblems(const std::vector<AMPartRow>& tooLong,
                                            const std::vector<AMPartRow>& tooManyTools) = 0;

    // The progress window of one search. Its Cancel Multing requests a stop on `cancel`, which
    // belongs to this search only: a click that arrives after ProgressEnd reaches no later search.
    virtual void ProgressBegin(std::stop_source cancel) = 0;
    virtual void ProgressPercent(int percent) = 0;
    virtual void ProgressMults(int made) = 0;
    virtual void ProgressEnd() = 0;
};
