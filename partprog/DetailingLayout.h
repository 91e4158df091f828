#pragma once
// The detailing of a face view kept from one repaint to the next. Placing the dimensions clear of
// their patterns and of one another is most of a busy face's repaint, and its result changes only
// with the patterns, the face and the scale: the view calls Invalidate whenever its document
// changes, and a different pattern list, current pattern, pattern count, face or scale rebuilds
// the layout by itself. Scrolling keeps it.

#include "fw/core/Geometry.h"
#include "partprog/DetailDimensionLines.h"

#include <memory>
#include <optional>

class CPatternList;

class DetailingLayout {
public:
    void Invalidate() { lines_.reset(); }

    // The placed detailing of every pattern of the list, or of current alone when it is set,
    // for dc's scale; built now or kept from the last call.
    CDetailDimensionLines& For(const CPatternList& patterns, const CPattern* current, fw::DrawContext& dc,
                               const DetailingFace& face);

private:
    struct Key {
        const CPatternList* patterns;
        const CPattern* current;
        std::size_t count;
        int depth;
        int length;
        fw::Point scale;   // device offset of a fixed logical offset: scale and flips, not scrolling
        bool operator==(const Key&) const = default;
    };
    std::optional<Key> key_;
    std::unique_ptr<CDetailDimensionLines> lines_;
};
