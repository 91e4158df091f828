#pragma once
// The section of one rolled-steel shape: designation type and size, dimensions, weight per
// foot, formal name, kind and measuring system. Shape documents and part and mult shapes hold
// one; the shop database stores it as a 97-byte shape record image.

#include "records/Dimension.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Kinds of shape, as shape records and the part shape classes number them.
enum ShapeKind : int {
    shapeBeam = 0, shapeChannel = 1, shapeAngle = 2, shapeFlat = 3, shapePlate = 4, shapeT = 5, shapeTube = 6,
};

struct ShapeRecord {
    std::string desctp;         // designation type, two characters ("W ", "L ", "MC", "PL")
    std::string desc;           // size text, e.g. 12X26
    CDimension depth;           // D (width of a plate)
    CDimension webThickness;    // TW (thickness of a plate)
    CDimension flangeWidth;     // BF
    CDimension flangeThickness; // TF
    CDimension flangeGage;      // SFG, standard flange gage
    double weight = 0.0;        // pounds per foot
    std::string formal;         // formal name
    int kind = shapeBeam;       // ShapeKind
    int measuringSystem = 0;    // 0 imperial, 1 decimal inch, 2 metric
};

// The shape record image:
//   0 designation type (2), 2 size (20), 22 D, 30 TW, 38 BF, 46 TF, 54 SFG (feet, doubles),
//   62 weight (float), 66 formal name (30), 96 measuring system 'E'/'D'/'M'.
// Key: the first 22 bytes.
struct ShapeRecordImage {
    static constexpr std::size_t size = 97;
    static constexpr std::size_t keySize = 22;

    static std::vector<std::uint8_t> Encode(const ShapeRecord& record);
    // The type as stored (two characters), size and formal name without trailing blanks, the
    // measuring system from its letter (an unknown letter: decimal inch), the kind from the type
    // (KindOfType). Throws RecordImageError for an image of another size or a length or weight
    // that is not a number.
    static ShapeRecord Decode(std::span<const std::uint8_t> image);

    // The kind the record file's type names: "L " angle, "C " and "MC" channel, "FB" flat,
    // "P " and "PL" plate, any other type a beam (compared exactly).
    static int KindOfType(std::string_view desctp);
};
