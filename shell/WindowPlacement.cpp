#include "shell/WindowPlacement.h"

#include "fw/core/Number.h"
#include "fw/core/Profile.h"
#include "shell/VarnexStrings.h"

#include <array>
#include <vector>

namespace {

// Stored coordinates beyond this are garbage; bounding them keeps every sum in range.
constexpr int kCoordinateLimit = 1000000;

// The whole numbers of a comma-separated text, or nothing unless it holds exactly count of them,
// each within the coordinate limit.
std::optional<std::vector<int>> ParseInts(std::string_view text, std::size_t count)
{
    std::vector<int> values;
    for (;;) {
        const std::size_t comma = text.find(',');
        const std::optional<int> value = fw::ParseInt(text.substr(0, comma));
        if (!value || *value < -kCoordinateLimit || *value > kCoordinateLimit || values.size() == count)
            return std::nullopt;
        values.push_back(*value);
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    if (values.size() != count)
        return std::nullopt;
    return values;
}

std::string Join(int a, int b)
{
    return std::to_string(a) + "," + std::to_string(b);
}

int ClampSpan(int position, int length, int areaStart, int areaLength)
{
    return std::clamp(position, areaStart, areaStart + areaLength - length);
}

const std::array<ChildWindowKeys, 7> kChildWindows{{
    {ids::IDS_RETAIN_PART, ids::IDS_PARTVIEW, 243},
    {ids::IDS_RETAIN_MULT, ids::IDS_MULTVIEW, 245},
    {ids::IDS_RETAIN_MACHINE, ids::IDS_MACHINEVIEW, 248},
    {ids::IDS_RETAIN_SHAPE, ids::IDS_SHAPEVIEW, 246},
    {ids::IDS_RETAIN_TOOL, ids::IDS_TOOLVIEW, 247},
    {ids::IDS_RETAIN_PATTERN, ids::IDS_PATTERNVIEW, 0},
    {ids::IDS_RETAIN_HMULT, ids::IDS_HMULTVIEW, 0},
}};

} // namespace

fw::Rect ClampToArea(fw::Rect r, const fw::Rect& area, fw::Size minimum)
{
    r.Normalize();
    const int width = std::min(std::max(r.Width(), minimum.cx), std::max(area.Width(), 1));
    const int height = std::min(std::max(r.Height(), minimum.cy), std::max(area.Height(), 1));
    const int left = ClampSpan(r.left, width, area.left, std::max(area.Width(), width));
    const int top = ClampSpan(r.top, height, area.top, std::max(area.Height(), height));
    return {left, top, left + width, top + height};
}

MainWindowPlacement ReadMainWindowPlacement(const fw::Profile& profile)
{
    const std::string section = LoadVarnexString(ids::IDS_GENERAL);
    MainWindowPlacement placement;
    if (auto size = ParseInts(profile.GetProfileString(section, LoadVarnexString(ids::IDS_APPWINDOWSIZE)), 2);
        size && (*size)[0] > 0 && (*size)[1] > 0)
        placement.size = fw::Size{(*size)[0], (*size)[1]};
    if (auto position = ParseInts(profile.GetProfileString(section, LoadVarnexString(ids::IDS_APPWINDOW)), 2))
        placement.position = fw::Point{(*position)[0], (*position)[1]};
    placement.maximized = profile.GetProfileInt(section, LoadVarnexString(ids::IDS_MAXIMIZEAPP), 1) != 0;
    return placement;
}

void WriteMainWindowPlacement(fw::Profile& profile, const fw::Rect& normal, bool maximized)
{
    const std::string section = LoadVarnexString(ids::IDS_GENERAL);
    profile.WriteProfileString(section, LoadVarnexString(ids::IDS_APPWINDOWSIZE), Join(normal.Width(), normal.Height()));
    profile.WriteProfileString(section, LoadVarnexString(ids::IDS_APPWINDOW), Join(normal.left, normal.top));
    profile.WriteProfileInt(section, LoadVarnexString(ids::IDS_MAXIMIZEAPP), maximized ? 1 : 0);
}

fw::Rect MainWindowRect(const MainWindowPlacement& placement, const fw::Rect& defaultRect, const fw::Rect& screen)
{
    const fw::Point position = placement.position.value_or(fw::Point{defaultRect.left, defaultRect.top});
    const fw::Size size = placement.size.value_or(fw::Size{defaultRect.Width(), defaultRect.Height()});
    return ClampToArea({position.x, position.y, position.x + size.cx, position.y + size.cy}, screen);
}

const ChildWindowKeys& KeysOf(ChildWindow window)
{
    return kChildWindows[static_cast<std::size_t>(window)];
}

std::string FormatChildRect(const fw::Rect& normal)
{
    return Join(normal.left, normal.top) + "," + Join(normal.Width(), normal.Height());
}

std::optional<fw::Rect> ParseChildRect(std::string_view text)
{
    const auto values = ParseInts(text, 4);
    if (!values || (*values)[2] <= 0 || (*values)[3] <= 0)
        return std::nullopt;
    const auto& v = *values;
    return fw::Rect{v[0], v[1], v[0] + v[2], v[1] + v[3]};
}

std::optional<fw::Rect> RestoreChildRect(const fw::Profile& profile, unsigned retainSection, unsigned retainKey,
                                         unsigned rectSection, unsigned rectKey)
{
    if (profile.GetProfileInt(LoadVarnexString(retainSection), LoadVarnexString(retainKey), 0) == 0)
        return std::nullopt;
    return ParseChildRect(profile.GetProfileString(LoadVarnexString(rectSection), LoadVarnexString(rectKey)));
}

void SaveChildRect(fw::Profile& profile, unsigned section, unsigned key, const fw::Rect& normal)
{
    profile.WriteProfileString(LoadVarnexString(section), LoadVarnexString(key), FormatChildRect(normal));
}
