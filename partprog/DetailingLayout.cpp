#include "partprog/DetailingLayout.h"

#include "fw/core/Drawing.h"
#include "model/PatternList.h"

CDetailDimensionLines& DetailingLayout::For(const CPatternList& patterns, const CPattern* current, fw::DrawContext& dc,
                                            const DetailingFace& face)
{
    constexpr int kReach = 1 << 16;
    const fw::Point origin = dc.LPtoDP({0, 0}), far = dc.LPtoDP({kReach, kReach});
    const Key key{&patterns, current, patterns.GetCount(), face.depth, face.length,
                  {far.x - origin.x, far.y - origin.y}};
    if (lines_ && key_ == key)
        return *lines_;
    lines_ = std::make_unique<CDetailDimensionLines>();
    key_ = key;
    if (current)
        lines_->AddPattern(*current, dc, face);
    else
        for (const CPattern& pattern : patterns)
            lines_->AddPattern(pattern, dc, face);
    return *lines_;
}
