#include "machmult/FaceStations.h"

#include "machmult/MultShape.h"
#include "model/Machine.h"

std::string FaceStations::NameOf(const CSurface& surface)
{
    if (!surface.GetText().empty())
        return surface.GetText();
    switch (surface.GetFaceCode()) {
    case 16: return "Web";
    case 32: return "Top Flange";
    case 48: return "Bottom Flange";
    case 64: return "Web 2";
    default: return {};
    }
}

std::vector<FaceStations> FaceStations::RowsOf(const CMultShape* shape, CMachine* machine)
{
    std::vector<FaceStations> rows;
    for (const CSurface* surface = shape ? shape->GetFirstSurface() : nullptr; surface && rows.size() < kMaxRows;
         surface = shape->GetNextSurface(surface)) {
        FaceStations row;
        row.faceCode = surface->GetFaceCode();
        row.name = NameOf(*surface);
        if (machine)
            machine->CountStations(int(row.faceCode), row.available[nearSide], row.available[farSide],
                                   row.available[allSides]);
        rows.push_back(row);
    }
    return rows;
}

void FaceStations::CountUsed(std::vector<FaceStations>& rows, CMachine* machine)
{
    for (FaceStations& row : rows) {
        row.used = {};
        if (machine)
            machine->CountLoaded(int(row.faceCode), row.used[nearSide], row.used[farSide], row.used[allSides]);
    }
}
