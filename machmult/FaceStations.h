#pragma once
// The tool stations of a mult's machine per face of its stock shape, and how many of them the
// tools loaded for the mult's parts take: what the hand-mult view shows, one row per face (at most
// four), with a count in red where the loaded tools outnumber the stations.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CMachine;
class CMultShape;
class CSurface;

struct FaceStations {
    enum Side { nearSide, farSide, allSides };

    std::uint32_t faceCode = 0;   // 16 web, 32 top flange, 48 bottom flange, 64 second web
    std::string name;
    std::array<std::int16_t, 3> available{};   // by Side
    std::array<std::int16_t, 3> used{};

    // More tools loaded on that side than it has stations.
    bool IsOver(Side side) const { return used[side] > available[side]; }

    static constexpr std::size_t kMaxRows = 4;
    // One row per face of the shape, in its order (none without a shape), with the machine's
    // stations; nothing used yet.
    static std::vector<FaceStations> RowsOf(const CMultShape* shape, CMachine* machine);
    // The machine's loaded tools per row.
    static void CountUsed(std::vector<FaceStations>& rows, CMachine* machine);
    // The surface's own name text, or the name of its face.
    static std::string NameOf(const CSurface& surface);
};
