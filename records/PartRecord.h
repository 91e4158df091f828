#pragma once
// The header of a part: what names it, how many, how long, its shape and its remarks. Part
// documents and the parts placed on mults hold one; the shop database stores it as a 227-byte
// part record image.

#include "records/Dimension.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct PartRecord {
    std::string jobId;
    std::string group;
    std::string mark;
    std::uint32_t quantity = 0;
    CDimension length;
    std::string shapeDesctp;      // shape designation type, two characters ("W ", "L ", "PL")
    std::string shapeDesc;        // shape size text
    std::string grade;
    std::string fabCode;
    int measureWebDepth = 0;      // flag
    std::string remarkA;
    std::string remarkB;
    int measuringSystem = 0;      // 0 imperial, 1 decimal inch, 2 metric
    int channelLeg = 0;           // 1: the part's channel-leg flag is set
};

// Where a part record's details are: addresses of chain headers in the link files of the
// detail records, -1 for none. The second web has no chains.
struct PartChains {
    std::int32_t webHoles = -1;
    std::int32_t topFlangeHoles = -1;
    std::int32_t bottomFlangeHoles = -1;
    std::int32_t webStencils = -1;
    std::int32_t topFlangeStencils = -1;
    std::int32_t bottomFlangeStencils = -1;
    std::int32_t webLayouts = -1;
    std::int32_t topFlangeLayouts = -1;
    std::int32_t bottomFlangeLayouts = -1;

    bool operator==(const PartChains&) const = default;
};

// The part record image:
//   0 job id (10), 10 group (10), 20 mark (10), 30 quantity (u16), 32 zero (2), 34 length in
//   feet (double), 42 shape type (2), 44 shape size (20), 64 grade (10), 74 fab code (10),
//   84 measure web depth 'Y'/'N', 85 remark A (40), 125 remark B (40), 165 zeros (12),
//   177 chains: web, top flange, bottom flange holes; 189 web, top flange, bottom flange
//   stencils; 201 three unused chains (-1); 213 web, top flange, bottom flange layouts (i32 each);
//   225 measuring system 'E'/'D'/'M', 226 channel leg 'N' (1) or 'F'.
// Key: the first 30 bytes.
struct PartRecordImage {
    static constexpr std::size_t size = 227;
    static constexpr std::size_t keySize = 30;

    // Throws RecordImageError when the quantity does not fit its 16-bit field.
    static std::vector<std::uint8_t> Encode(const PartRecord& record, const PartChains& chains = {});
    // Texts without trailing blanks; the length in the measuring system read. Throws
    // RecordImageError for an image of another size or a length that is not a number.
    static PartRecord Decode(std::span<const std::uint8_t> image, PartChains* chains = nullptr);
};
