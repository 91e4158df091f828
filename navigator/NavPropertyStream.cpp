#include "navigator/NavPropertyStream.h"

#include "fw/core/ArchiveException.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace nav {

namespace {

using LongMember = long NavProperties::*;
using TextMember = std::string NavProperties::*;

// The persisted properties in stream order.
constexpr std::array<LongMember, 6> kSwitches{&NavProperties::ShowJobs,     &NavProperties::ShowShapes,
                                              &NavProperties::ShowTools,    &NavProperties::ShowMachines,
                                              &NavProperties::ShowParts,    &NavProperties::ShowMults};
constexpr std::array<TextMember, 7> kLabels{&NavProperties::JobLabel,   &NavProperties::GroupLabel,
                                            &NavProperties::MachineLabel, &NavProperties::ShapeLabel,
                                            &NavProperties::ToolLabel,  &NavProperties::PartLabel,
                                            &NavProperties::MultLabel};
constexpr std::array<TextMember, 5> kExtensions{&NavProperties::PartExtension, &NavProperties::MultExtension,
                                                &NavProperties::MachineExtension, &NavProperties::ShapeExtension,
                                                &NavProperties::ToolExtension};

bool IsFileNameChar(char c)
{
    constexpr std::string_view refused = "\\/:*?\"<>|.";
    return static_cast<unsigned char>(c) >= 0x20 && refused.find(c) == std::string_view::npos;
}

} // namespace

bool IsValidSwitch(long value) { return value == 0 || value == 1; }

bool IsValidLabel(const std::string& text) { return text.size() <= kMaxLabelLength; }

bool IsValidExtension(const std::string& text)
{
    if (text.empty())
        return true;
    return text.front() == '.' && text.size() >= 2 && text.size() <= kMaxExtensionLength + 1 &&
           std::all_of(text.begin() + 1, text.end(), IsFileNameChar);
}

void WriteProperties(fw::Archive& ar, const NavProperties& p)
{
    ar.WriteDWord(kNavStreamVersion);
    for (const LongMember member : kSwitches)
        ar.WriteLong(static_cast<std::int32_t>(p.*member));
    for (const TextMember member : kLabels)
        ar.WriteString(p.*member);
    for (const TextMember member : kExtensions)
        ar.WriteString(p.*member);
}

NavProperties ReadProperties(fw::Archive& ar, const NavProperties& properties)
{
    if (ar.ReadDWord() != kNavStreamVersion)
        throw fw::ArchiveException(fw::ArchiveException::badSchema, "Navigator properties: version");
    const NavProperties defaults;
    NavProperties p = properties;
    for (const LongMember member : kSwitches) {
        const long value = ar.ReadLong();
        p.*member = IsValidSwitch(value) ? value : defaults.*member;
    }
    const auto readText = [&](TextMember member, bool (*valid)(const std::string&)) {
        std::string text = ar.ReadString();
        p.*member = valid(text) ? std::move(text) : defaults.*member;
    };
    for (const TextMember member : kLabels)
        readText(member, IsValidLabel);
    for (const TextMember member : kExtensions)
        readText(member, IsValidExtension);
    return p;
}

} // namespace nav
