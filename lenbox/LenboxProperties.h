#pragma once
// Everything the dimension-entry control keeps in its container's property stream: the
// container's part (extent and the stock properties) and the control's own properties, with
// their defaults.

#include <cstdint>
#include <string>

namespace lenbox {

// Colours: 0x00BBGGRR, or 0x80000000 | the index of a system colour.
inline constexpr std::uint32_t kSystemColor = 0x80000000u;
inline constexpr std::uint32_t kColorWindow = kSystemColor | 5;
inline constexpr std::uint32_t kColorWindowText = kSystemColor | 8;
inline constexpr std::uint32_t kSystemColorCount = 31;

// Longest appendage and longest string the property stream accepts.
inline constexpr std::size_t kMaxAppendageLength = 32;
inline constexpr std::size_t kMaxStreamString = 64;
inline constexpr std::size_t kMaxFontName = 31;
inline constexpr std::int32_t kMaxExtent = 1000000;   // HIMETRIC, 10 m

struct LenboxFont {
    std::string name = "MS Sans Serif";
    std::uint32_t height = 82500;   // points x 10000
    std::uint16_t weight = 400;
    std::uint16_t charset = 0;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    bool operator==(const LenboxFont&) const = default;
};

struct LenboxStock {
    std::int32_t extentX = 2540;   // HIMETRIC (hundredths of a millimetre)
    std::int32_t extentY = 635;
    std::uint32_t backColor = kColorWindow;
    std::uint32_t foreColor = kColorWindowText;
    LenboxFont font;
    std::int16_t borderStyle = 1;   // 0 none, 1 single
    std::int16_t appearance = 1;    // 0 flat, 1 3D
    bool operator==(const LenboxStock&) const = default;
};

struct LenboxProperties {
    LenboxStock stock;
    double initialValue = 0.0;
    double maxInches = 1200.0;
    double minInches = 0.0;
    std::int32_t justifyType = 0;
    std::int32_t backGround = 1;
    bool toolTips = false;
    bool packed = false;
    bool autoSize = true;
    bool enableInput = true;
    std::string formatFeet = "99'99\"99/99";
    std::string formatInch = "9990.099999";
    std::string formatMetric = "99990";
    std::int32_t maxDenominator = 64;
    std::int32_t defaultDenominator = 64;
    std::int32_t dimensionType = 0;
    std::string decimalInchAppendage = "(In)";
    std::string metricAppendage = "(mm)";
    bool operator==(const LenboxProperties&) const = default;
};

bool IsValidColor(std::uint32_t color);
bool IsValidFont(const LenboxFont& font);
bool IsValidExtent(std::int32_t extent);
bool IsValidSwitch(std::int32_t value);   // 0 or 1: border style, appearance

} // namespace lenbox
