#pragma once
// The mult search: cuts the parts of one stock shape into mults, one stock length each, pass by
// pass. Each pass builds one mult depth-first over the groups (longest first), keeps the one with
// the least drop (fewer pieces on a tie), stops early when a drop is within the allowable drop,
// and then repeats that pattern while the quantities last.
//
// With pruning on, branches whose every mult would drop more than the best so far are skipped;
// the mults made are the same as without it, only found with fewer steps.

#include "automult/AMMult.h"
#include "automult/AutoMultUi.h"
#include "automult/FillBound.h"

#include <cstdint>
#include <memory>
#include <stop_token>
#include <vector>

struct AMSearchOptions {
    bool prune = true;
};

struct AMSearchStats {
    std::uint64_t nodes = 0;    // steps of the depth-first search
    std::uint64_t passes = 0;
};

enum class AMSearchEnd {
    Finished,    // every piece is on a mult
    Cancelled,   // the stop was requested
    Stuck,       // a pass could place nothing: the pieces left fit no mult
};

struct AMSearchSetup {
    automult::Length usable = 0;      // stock length less the machine drop
    automult::Length allowable = 0;   // a mult dropping no more than this ends its pass
    AMSearchOptions options;
};

class CMultSearch {
public:
    // groups: in search order, longest first. The search takes pieces from their parts.
    CMultSearch(std::vector<CAMPartGroup*> groups, const CAMStationList& stations, const CAMToolTable& tools,
                const AMSearchSetup& setup);

    // Appends the mults made to `finished`, reporting progress; checks `stop` at every step.
    AMSearchEnd Run(CDynamicArray<std::unique_ptr<CAMMult>>& finished, IAutoMultUi& ui, std::stop_token stop);

    const AMSearchStats& Stats() const { return stats_; }

private:
    void RunPass();
    void Search(std::size_t i);
    bool Pruned(std::size_t i);
    std::size_t LongestFitting(std::size_t i) const;
    void Record();
    void Consume();
    bool Repeatable() const;

    std::vector<CAMPartGroup*> groups_;
    AMSearchSetup setup_;
    CAMMult working_;
    CAMMult best_;
    CFillBound bound_;
    std::stop_token stop_;
    std::uint64_t passSteps_ = 0;
    bool done_ = false;
    bool cancelled_ = false;
    AMSearchStats stats_;
};
