#include "partprog/PatternStatus.h"

#include "model/Pattern.h"

#include <charconv>
#include <vector>

namespace {

// The length in the system; zero is shown as a zero of the system, not as nothing.
std::string Shown(const CDimension& length, int system)
{
    const std::string text = length.FormatAs(system);
    if (length.GetValue() != 0.0 && !text.empty())
        return text;
    return system == 1 ? "0 in." : system == 2 ? "0 mm" : "0\"";
}

} // namespace

std::array<std::string, 6> PatternStatusTexts(const CPattern* pattern)
{
    if (!pattern)
        return {};
    const CRefPlane& plane = pattern->GetRefPlane();
    const CPartTool* tool = pattern->GetTool();
    const int system = pattern->GetStartX().GetUnits();
    return {pattern->GetOperation() == CPattern::hole && tool ? tool->GetDescription() : std::string(),
            std::string("Pattern Type ") + plane.GetPatternType(),
            "Start X = " + Shown(plane.GetStartX(), system),
            "Start U = " + Shown(plane.GetStartU(), system),
            "Rise = " + Shown(plane.GetRise(), system),
            "Run = " + Shown(plane.GetRun(), system)};
}

std::optional<fw::Rect> ParseWindowRect(const std::string& text)
{
    constexpr int kLimit = 32767;
    std::vector<int> values;
    const char* p = text.data();
    const char* end = p + text.size();
    while (values.size() < 4) {
        int value = 0;
        const auto [next, error] = std::from_chars(p, end, value);
        if (error != std::errc())
            return std::nullopt;
        values.push_back(value);
        p = next;
        if (values.size() < 4) {
            if (p == end || *p != ',')
                return std::nullopt;
            ++p;
        }
    }
    if (p != end)
        return std::nullopt;
    const int x = values[0], y = values[1], w = values[2], h = values[3];
    if (x < -kLimit || x > kLimit || y < -kLimit || y > kLimit || w < 1 || w > kLimit || h < 1 || h > kLimit)
        return std::nullopt;
    return fw::Rect{x, y, x + w, y + h};
}

std::string FormatWindowRect(const fw::Rect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.Width()) + "," +
           std::to_string(r.Height());
}
