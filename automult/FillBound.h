#pragma once
// An upper bound on how much of a bar the pieces still wanted can fill, used to cut off branches
// of the mult search that cannot beat the best mult found so far.
//
// Always known: the total length still wanted in the groups from a given one on. When every
// piece length is a multiple of one common step and the usable length spans a modest number of
// steps, the exact set of reachable fills is also known (a subset-sum table per group, over
// multiples of the step, honouring each group's remaining quantity).

#include "automult/AMPartGroup.h"

#include <cstdint>
#include <vector>

class CFillBound {
public:
    // Prepares the bound for one pass; the groups' quantity x length and suffix must be fresh.
    void Build(const std::vector<CAMPartGroup*>& groups, automult::Length usable);

    // Whether pieces of the groups from index `from` on, each within its remaining quantity,
    // might add up to a length in [lo, hi].
    bool MayFill(std::size_t from, automult::Length lo, automult::Length hi) const;

private:
    bool BuildSteps(const std::vector<CAMPartGroup*>& groups, automult::Length usable);
    void AddPieces(std::uint64_t* set, const CAMPartGroup& group) const;
    void ShiftOr(std::uint64_t* set, std::int64_t shift) const;
    bool AnyBetween(const std::uint64_t* set, std::int64_t lo, std::int64_t hi) const;

    std::vector<automult::Length> demand_;   // per group index, one past the end included
    automult::Length step_ = 0;              // 0 when only the demand is known
    std::int64_t bits_ = 0;                  // multiples of the step that fit the usable length
    std::size_t words_ = 0;
    std::vector<std::uint64_t> sets_;        // per group index, words_ words each
};
