#pragma once
// The detailing of one face-view repaint: the dimensions and labels of the patterns added,
// placed and drawn together, and thrown away with this collection.

#include "partprog/DetailLineList.h"

class CDetailDimensionLines {
public:
    // Details one pattern (the current one, or each pattern of the face in list order).
    void AddPattern(const CPattern& pattern, fw::DrawContext& dc, const DetailingFace& face);
    // Places everything (once; later calls draw the same layout), then draws the value texts
    // that fit on their lines, then every dimension and label in list order.
    void DrawAll();
    // DrawAll on another context than the one the patterns were added with (of the same scale).
    void DrawAllOn(fw::DrawContext& dc);

    const CDetailLineList& GetList() const { return list_; }

private:
    CDetailLineList list_;
    bool placed_ = false;
};
