#pragma once
// Part records (227 bytes) keyed by job, group and mark (their first 30 bytes), with the accessors
// of their detail files: the hole and layout patterns of the web and both flanges, and stencils.

#include "shopdb/IndexAccess.h"
#include "shopdb/LinkAccess.h"
#include "records/PartRecord.h"

#include <array>

class CPartAccess : public CIndexAccess {
public:
    enum PatternChain { webHoles, topFlangeHoles, bottomFlangeHoles, webLayouts, topFlangeLayouts, bottomFlangeLayouts };

    CPartAccess() : CIndexAccess(PartRecordImage::size, PartRecordImage::keySize, CompareBytes) {}

    CPatternAccess& Patterns(PatternChain chain) { return patterns_[std::size_t(chain)]; }
    CStencilAccess& Stencils() { return stencils_; }

private:
    std::array<CPatternAccess, 6> patterns_;
    CStencilAccess stencils_;
};
