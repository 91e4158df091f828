#include "automult/FillBound.h"

#include <algorithm>
#include <numeric>

using automult::Length;

namespace {
// Tables larger than this are not worth their time and memory; the other bounds remain.
constexpr std::int64_t kMaxCells = std::int64_t(1) << 20;
constexpr std::int64_t kMaxTable = std::int64_t(1) << 24;
// Piece counts saturate below kUnreached; a saturated count still bounds from below.
constexpr std::uint8_t kUnreached = 255;
constexpr std::uint8_t kMostCounted = 254;
// A search step costs about as much as this many table cells.
constexpr std::int64_t kCellsPerStep = 64;
} // namespace

void CFillBound::Prepare(const std::vector<CAMPartGroup*>& groups, Length usable)
{
    const std::size_t n = groups.size();
    demand_.assign(n + 1, 0);
    longest_.assign(n + 1, 0);
    Length step = 0;
    for (std::size_t i = n; i-- > 0;) {
        const CAMPartGroup& group = *groups[i];
        demand_[i] = automult::AddSaturated(group.QuantityLength(), group.Suffix());
        longest_[i] = longest_[i + 1];
        if (group.Remaining() > 0) {
            longest_[i] = std::max(longest_[i], group.GetLength());
            step = std::gcd(step, group.GetLength());
        }
    }
    built_ = false;
    step_ = 0;
    if (step <= 0 || usable < 0)
        return;
    const std::int64_t cells = (usable + automult::kTolerance) / step + 1;
    if (cells > kMaxCells || cells * std::int64_t(n + 1) > kMaxTable)
        return;
    step_ = step;
    cells_ = cells;
}

bool CFillBound::TableWorthBuilding(std::uint64_t steps) const
{
    return step_ > 0 && !built_ && std::int64_t(steps) * kCellsPerStep >= cells_ * std::int64_t(demand_.size());
}

void CFillBound::BuildTable(const std::vector<CAMPartGroup*>& groups)
{
    const std::size_t n = groups.size();
    fewest_.assign((n + 1) * std::size_t(cells_), kUnreached);
    std::uint8_t* below = &fewest_[n * std::size_t(cells_)];
    below[0] = 0;   // the empty fill
    for (std::size_t i = n; i-- > 0;) {
        std::uint8_t* fewest = &fewest_[i * std::size_t(cells_)];
        std::copy(below, below + cells_, fewest);
        if (groups[i]->Remaining() > 0)
            AddPieces(fewest, *groups[i]);
        below = fewest;
    }
    built_ = true;
}

void CFillBound::AddPieces(std::uint8_t* fewest, const CAMPartGroup& group) const
{
    const std::int64_t stepsPerPiece = group.GetLength() / step_;
    std::int64_t copies = std::min<std::int64_t>(group.Remaining(), cells_ / stepsPerPiece);
    // Chunks of 1, 2, 4, ... pieces and the rest, each used at most once, reach every count up to
    // copies at its own number of pieces.
    for (std::int64_t chunk = 1; copies > 0; chunk *= 2) {
        const std::int64_t take = std::min(chunk, copies);
        const std::int64_t shift = take * stepsPerPiece;
        for (std::int64_t s = cells_ - 1; s >= shift; --s) {
            if (fewest[s - shift] == kUnreached)
                continue;
            const auto pieces = std::uint8_t(std::min<std::int64_t>(fewest[s - shift] + take, kMostCounted));
            fewest[s] = std::min(fewest[s], pieces);
        }
        copies -= take;
    }
}

bool CFillBound::StepRange(Length lo, Length hi, std::int64_t& first, std::int64_t& last) const
{
    first = (lo + step_ - 1) / step_;
    last = std::min(hi / step_, cells_ - 1);
    return first <= last;
}

bool CFillBound::MayFill(std::size_t from, Length lo, Length hi) const
{
    lo = std::max<Length>(lo, 0);
    if (lo > hi || lo > demand_[from])
        return false;
    if (!built_)
        return true;
    std::int64_t first = 0, last = 0;
    if (!StepRange(lo, hi, first, last))
        return false;
    const std::uint8_t* fewest = &fewest_[from * std::size_t(cells_)];
    for (std::int64_t s = last; s >= first; --s)
        if (fewest[s] != kUnreached)
            return true;
    return false;
}

std::size_t CFillBound::FewestPieces(std::size_t from, Length lo, Length hi) const
{
    lo = std::max<Length>(lo, 0);
    if (lo > hi || lo > demand_[from])
        return kNone;
    // Without a table: no piece is longer than the longest still wanted.
    const std::size_t atLeast = lo == 0 ? 0 : std::size_t((lo + longest_[from] - 1) / longest_[from]);
    if (!built_)
        return atLeast;
    std::int64_t first = 0, last = 0;
    if (!StepRange(lo, hi, first, last))
        return kNone;
    const std::uint8_t* fewest = &fewest_[from * std::size_t(cells_)];
    std::uint8_t least = kUnreached;
    for (std::int64_t s = first; s <= last; ++s)
        least = std::min(least, fewest[s]);
    return least == kUnreached ? kNone : std::max<std::size_t>(least, atLeast);
}
