#include "lenbox/LenboxProperties.h"

namespace lenbox {

bool IsValidColor(std::uint32_t color)
{
    if (color & kSystemColor)
        return (color & ~kSystemColor) < kSystemColorCount;
    return (color & 0xFF000000u) == 0;
}

bool IsValidFont(const LenboxFont& font)
{
    return !font.name.empty() && font.name.size() <= kMaxFontName && font.height > 0
        && font.height <= 16380000u && font.weight <= 1000 && font.charset <= 255;
}

bool IsValidExtent(std::int32_t extent)
{
    return extent >= 0 && extent <= kMaxExtent;
}

bool IsValidSwitch(std::int32_t value)
{
    return value == 0 || value == 1;
}

} // namespace lenbox
