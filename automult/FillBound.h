#pragma once
// Bounds on what the pieces still wanted can add to a mult, used to cut off branches of the mult
// search that cannot beat the best mult found so far.
//
// Always known: the total length still wanted from a group on, and the longest piece among
// those groups. When every piece length is a multiple of one common step and the usable length
// spans a modest number of steps, a table can also give, for every length reachable with the
// groups from a given one on (each within its remaining quantity), the fewest pieces reaching it.

#include "automult/AMPartGroup.h"

#include <cstdint>
#include <vector>

class CFillBound {
public:
    static constexpr std::size_t kNone = std::size_t(1) << 40;   // no fill in the range

    // Prepares the bounds for one pass; the groups' quantity x length and suffix must be fresh.
    void Prepare(const std::vector<CAMPartGroup*>& groups, automult::Length usable);
    // Whether the table is possible and not built yet, and worth its cost after `steps` search steps.
    bool TableWorthBuilding(std::uint64_t steps) const;
    void BuildTable(const std::vector<CAMPartGroup*>& groups);

    // Whether pieces of the groups from index `from` on might add up to a length in [lo, hi].
    bool MayFill(std::size_t from, automult::Length lo, automult::Length hi) const;
    // A lower bound on the pieces (of the groups from `from` on) of any fill in [lo, hi]; kNone
    // when no fill lies there.
    std::size_t FewestPieces(std::size_t from, automult::Length lo, automult::Length hi) const;

private:
    // The range [lo, hi] in steps of the table, or false when it holds no multiple of the step.
    bool StepRange(automult::Length lo, automult::Length hi, std::int64_t& first, std::int64_t& last) const;
    void AddPieces(std::uint8_t* fewest, const CAMPartGroup& group) const;

    std::vector<automult::Length> demand_;    // per group index, one past the end included
    std::vector<automult::Length> longest_;   // likewise
    automult::Length step_ = 0;               // 0 when no table can be made
    std::int64_t cells_ = 0;                  // multiples of the step up to the usable length
    bool built_ = false;
    std::vector<std::uint8_t> fewest_;        // per group index, cells_ entries: pieces, or kUnreached
};
