#pragma once
// Builds the dimensions of one pattern, and a label for each value that does not fit on its
// line, into a detailing list.

#include "partprog/DetailingObject.h"

class CDetailLineList;

class CDetailingManager {
public:
    // Origin to plane, plane to first and first to last, along X and in U, in that order; each
    // that has something to dimension goes into the list (or merges there), followed by its
    // label when its value does not fit.
    void DetailPattern(const CPattern& pattern, fw::DrawContext& dc, const DetailingFace& face,
                       CDetailLineList& list) const;
};
