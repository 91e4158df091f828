#pragma once
// The detail records of the shop database, chained to their header records through link files:
// patterns and stencils of a part, the parts placed on a mult and the tools of a mult's face
// halves. Each is a plain record (lengths in inches) with its fixed-length image (lengths as
// little-endian doubles in feet, texts blank-padded and cut at their width).

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// A hole or layout pattern with its reference plane and tool.
struct PatternRecord {
    enum Operation { hole = 0, frontLayout = 1, backLayout = 2 };

    double planeStartX = 0;
    double planeStartU = 0;
    char planeDirectionX = '+';
    char planeDirectionU = '+';
    double planeRise = 0;
    double planeRun = 0;
    char planeType = 'A';            // 'A', 'B' or 'C'
    double startX = 0;
    double startU = 0;
    int countX = 0;
    double incrementX = 0;
    int countU = 0;
    double incrementU = 0;
    std::string toolType;            // two characters
    double toolSizeB = 0;            // as the tool's length value shows it
    double toolSizeA = 0;
    int orientation = 0;             // degrees
    int operation = hole;

    bool operator==(const PatternRecord&) const = default;
};

// The pattern record image (97 bytes):
//   0 plane start X, 8 plane start U, 16 plane X direction, 17 plane U direction, 18 plane rise,
//   26 plane run, 34 plane type, 35 start X, 43 start U, 51 count X (u16), 53 increment X,
//   61 count U (u16), 63 increment U, 71 tool type (2), 73 tool size B, 81 tool size A,
//   89 orientation (i16), 91 blank, 92 count X x count U (u16), 94 zero (2), 96 operation 'H',
//   'F' or 'B'.
struct PatternRecordImage {
    static constexpr std::size_t size = 97;

    // Throws RecordImageError when a count, the number of holes or the orientation does not fit
    // its 16-bit field.
    static std::vector<std::uint8_t> Encode(const PatternRecord& record);
    // The tool type without trailing blanks; 'B' is a back layout, 'F' and 'M' front layouts,
    // anything else a hole. Throws RecordImageError for an image of another size or a length
    // that is not a number.
    static PatternRecord Decode(std::span<const std::uint8_t> image);

    static char OperationLetter(int operation);
    static int OperationOfLetter(char letter);
};

// A stencil mark: where it is and its text.
struct StencilRecord {
    double x = 0;
    double u = 0;
    std::string text;

    bool operator==(const StencilRecord&) const = default;
};

// The stencil record image (44 bytes): 0 X, 8 U, 16 text (28, cut there).
struct StencilRecordImage {
    static constexpr std::size_t size = 44;
    static constexpr std::size_t textWidth = 28;

    static std::vector<std::uint8_t> Encode(const StencilRecord& record);
    // The text without trailing blanks.
    static StencilRecord Decode(std::span<const std::uint8_t> image);
};

// A part placed on a mult.
struct PartListRecord {
    std::string job;
    std::string group;
    std::string mark;
    double length = 0;
    std::uint32_t quantity = 0;
    double offset = 0;               // where the part starts on the mult
    std::string remarkA;
    std::string remarkB;

    bool operator==(const PartListRecord&) const = default;
};

// The part-list record image (136 bytes): 0 job (10), 10 group (10), 20 mark (10), 30 blanks (8),
// 38 length, 46 quantity (u16), 48 offset, 56 remark A (40), 96 remark B (40).
struct PartListRecordImage {
    static constexpr std::size_t size = 136;

    // Throws RecordImageError when the quantity does not fit its 16-bit field.
    static std::vector<std::uint8_t> Encode(const PartListRecord& record);
    // Texts without trailing blanks.
    static PartListRecord Decode(std::span<const std::uint8_t> image);
};

// A tool of a mult's face half.
struct ToolListRecord {
    std::string type;                // two characters
    double sizeB = 0;
    double sizeA = 0;
    int orientation = 0;             // degrees

    bool operator==(const ToolListRecord&) const = default;
};

// The tool-list record image (20 bytes): 0 type (2), 2 size B, 10 size A, 18 orientation (i16).
struct ToolListRecordImage {
    static constexpr std::size_t size = 20;

    // Throws RecordImageError when the orientation does not fit its 16-bit field.
    static std::vector<std::uint8_t> Encode(const ToolListRecord& record);
    // The type without trailing blanks.
    static ToolListRecord Decode(std::span<const std::uint8_t> image);
};
