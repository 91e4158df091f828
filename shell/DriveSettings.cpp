#include "shell/DriveSettings.h"

#include "fw/core/DriveMap.h"
#include "fw/core/Profile.h"
#include "fw/core/Text1252.h"

#include <algorithm>
#include <filesystem>

namespace {

constexpr const char* kSection = "Drives";

// The folder as the drive map holds it: normalized, without a trailing separator.
std::filesystem::path NativeFolder(const std::string& folder)
{
    std::filesystem::path native = std::filesystem::path(fw::Cp1252ToUtf8(folder)).lexically_normal();
    return native.has_filename() ? native : native.parent_path();
}

char Letter(const std::string& text)
{
    return fw::ToUpper1252(text.at(0));
}

} // namespace

DriveSettings DriveSettings::Load(const fw::Profile& profile)
{
    const fw::DriveMap map = fw::DriveMap::FromProfile(profile);
    DriveSettings settings;
    for (const char letter : map.Drives())
        settings.drives.push_back({std::string(1, letter), fw::Utf8ToCp1252(map.Root(letter)->native())});
    return settings;
}

std::optional<DriveSettings::Refusal> DriveSettings::Check() const
{
    for (std::size_t row = 0; row < drives.size(); ++row) {
        const Entry& entry = drives[row];
        if (std::optional<std::string> refused = fw::DriveMap::Refusal(entry.letter, NativeFolder(entry.folder)))
            return Refusal{row, std::move(*refused)};
        const auto sameLetter = [&](const Entry& other) { return Letter(other.letter) == Letter(entry.letter); };
        if (std::any_of(drives.begin(), drives.begin() + std::ptrdiff_t(row), sameLetter))
            return Refusal{row, "The drive " + std::string(1, Letter(entry.letter)) + ": is listed twice."};
    }
    return std::nullopt;
}

void DriveSettings::Save(fw::Profile& profile) const
{
    const std::filesystem::path defaultC = *fw::DriveMap::Default().Root('C');
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const auto entry = std::find_if(drives.begin(), drives.end(),
                                        [letter](const Entry& e) { return Letter(e.letter) == letter; });
        std::string value;
        if (entry != drives.end() && !(letter == 'C' && NativeFolder(entry->folder) == defaultC))
            value = fw::Utf8ToCp1252(NativeFolder(entry->folder).native());
        const std::string entryName(1, letter);
        if (profile.GetProfileString(kSection, entryName) != value)
            profile.WriteProfileString(kSection, entryName, value);
    }
}
