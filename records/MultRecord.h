#pragma once
// The header of a mult: what names it, how many, the stock length, the saw kerf and the drop,
// its shape and machine. Mult documents hold one; the shop database stores it as a 290-byte mult
// record image.

#include "records/Dimension.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct MultRecord {
    std::string job;
    std::string group;
    std::string mark;
    std::uint32_t sequence = 0;   // number of the mult within its mark
    std::uint32_t quantity = 0;
    CDimension length;            // stock length
    CDimension kerf;              // saw kerf
    std::string shapeDesctp;      // shape designation type, two characters
    std::string shapeDesc;        // shape size text
    std::string grade;
    std::string machine;          // machine name
    std::string remarkA;
    std::string remarkB;
    CDimension drop;              // stock length left over after the mult's parts
    int measuringSystem = 0;      // 0 imperial, 1 decimal inch, 2 metric
};

// Where a mult record's details are: the chain headers of its tool lists and part list in the
// link files (-1 for none), and the name of the part record file set that holds its parts.
struct MultLinks {
    // The face-and-side code of each tool-list chain, in image order.
    static constexpr std::array<int, 6> toolListCodes = {18, 17, 34, 33, 50, 49};

    std::array<std::int32_t, 6> toolLists = {-1, -1, -1, -1, -1, -1};
    std::int32_t partList = -1;
    std::string partFileSet;

    bool operator==(const MultLinks&) const = default;
};

// The mult record image:
//   0 job (10), 10 group (10), 20 mark (10), 30 sequence (u16), 32 quantity (u16), 34 zero (2),
//   36 length, 44 kerf, 52 drop (feet, doubles), 60 shape type (2), 62 shape size (20),
//   82 grade (10), 92 zeros (60), 152 tool-list chains of the codes 18, 17, 34, 33, 50, 49 and
//   176 the part-list chain (i32 each), 180 machine (15), 195 part record file set (15, NUL
//   filled), 210 remark A (40), 250 remark B (40).
// Key: the first 32 bytes (job, group, mark and the sequence).
struct MultRecordImage {
    static constexpr std::size_t size = 290;
    static constexpr std::size_t keySize = 32;
    static constexpr std::size_t partFileSetWidth = 15;

    // Throws RecordImageError when the sequence or quantity does not fit its 16-bit field or the
    // file set name is longer than its field (a cut name would not find the parts again).
    static std::vector<std::uint8_t> Encode(const MultRecord& record, const MultLinks& links = {});
    // Texts without trailing blanks (and NULs); lengths imperial, as the image holds no
    // measuring system. Throws RecordImageError for an image of another size or a length that
    // is not a number.
    static MultRecord Decode(std::span<const std::uint8_t> image, MultLinks* links = nullptr);
};
