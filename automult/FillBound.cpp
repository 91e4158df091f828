#include "automult/FillBound.h"

#include <algorithm>
#include <numeric>

using automult::Length;

namespace {
// Tables larger than this are not worth their time and memory; the demand bound remains.
constexpr std::int64_t kMaxBits = std::int64_t(1) << 20;
constexpr std::size_t kMaxWords = std::size_t(1) << 21;
} // namespace

void CFillBound::Build(const std::vector<CAMPartGroup*>& groups, Length usable)
{
    const std::size_t n = groups.size();
    demand_.assign(n + 1, 0);
    for (std::size_t i = 0; i < n; ++i)
        demand_[i] = automult::AddSaturated(groups[i]->QuantityLength(), groups[i]->Suffix());

    if (!BuildSteps(groups, usable))
        return;
    sets_.assign((n + 1) * words_, 0);
    std::uint64_t* below = &sets_[n * words_];
    below[0] = 1;   // the empty fill
    for (std::size_t i = n; i-- > 0;) {
        std::uint64_t* set = &sets_[i * words_];
        std::copy(below, below + words_, set);
        if (groups[i]->Remaining() > 0)
            AddPieces(set, *groups[i]);
        below = set;
    }
}

void CFillBound::AddPieces(std::uint64_t* set, const CAMPartGroup& group) const
{
    const std::int64_t stepsPerPiece = group.GetLength() / step_;
    std::int64_t copies = std::min<std::int64_t>(group.Remaining(), bits_ / stepsPerPiece);
    // Binary splitting: chunks of 1, 2, 4, ... pieces and the rest reach every count up to copies.
    for (std::int64_t chunk = 1; copies > 0; chunk *= 2) {
        const std::int64_t take = std::min(chunk, copies);
        ShiftOr(set, take * stepsPerPiece);
        copies -= take;
    }
}

bool CFillBound::BuildSteps(const std::vector<CAMPartGroup*>& groups, Length usable)
{
    step_ = 0;
    Length step = 0;
    for (const CAMPartGroup* group : groups)
        if (group->Remaining() > 0)
            step = std::gcd(step, group->GetLength());
    if (step <= 0 || usable < 0)
        return false;
    const Length limit = usable + automult::kTolerance;
    if (limit / step >= kMaxBits)
        return false;
    bits_ = limit / step + 1;
    words_ = std::size_t(bits_ + 63) / 64;
    if ((groups.size() + 1) * words_ > kMaxWords)
        return false;
    step_ = step;
    return true;
}

void CFillBound::ShiftOr(std::uint64_t* set, std::int64_t shift) const
{
    const std::size_t wordShift = std::size_t(shift / 64);
    const unsigned bitShift = unsigned(shift % 64);
    if (wordShift >= words_)
        return;
    for (std::size_t w = words_; w-- > wordShift;) {
        const std::size_t from = w - wordShift;
        std::uint64_t moved = set[from] << bitShift;
        if (bitShift != 0 && from > 0)
            moved |= set[from - 1] >> (64 - bitShift);
        set[w] |= moved;
    }
}

bool CFillBound::AnyBetween(const std::uint64_t* set, std::int64_t lo, std::int64_t hi) const
{
    for (std::int64_t w = hi / 64; w >= lo / 64; --w) {
        std::uint64_t word = set[w];
        if (w == hi / 64 && hi % 64 != 63)
            word &= (std::uint64_t(1) << (hi % 64 + 1)) - 1;
        if (w == lo / 64)
            word &= ~std::uint64_t(0) << (lo % 64);
        if (word != 0)
            return true;
    }
    return false;
}

bool CFillBound::MayFill(std::size_t from, Length lo, Length hi) const
{
    lo = std::max<Length>(lo, 0);
    if (lo > hi || lo > demand_[from])
        return false;
    if (step_ == 0)
        return true;
    const std::int64_t loStep = (lo + step_ - 1) / step_;
    const std::int64_t hiStep = std::min(hi / step_, bits_ - 1);
    return loStep <= hiStep && AnyBetween(&sets_[from * words_], loStep, hiStep);
}
