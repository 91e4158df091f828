#include "shell/OptionSettings.h"

#include "fw/core/Profile.h"
#include "fw/core/WinPath.h"
#include "shell/VarnexStrings.h"

namespace {

const std::array<RetainOption, 7> kRetainOptions{{
    {ids::IDS_RETAIN_HMULT, 1223, "Save Hand Mult Information Window Position"},
    {ids::IDS_RETAIN_MACHINE, 1221, "Save Machine Information Window Position"},
    {ids::IDS_RETAIN_MULT, 1218, "Save Mult Information Window Position"},
    {ids::IDS_RETAIN_PART, 1217, "Save Part Information Window Position"},
    {ids::IDS_RETAIN_PATTERN, 1222, "Save Part Programming Window Position "},
    {ids::IDS_RETAIN_SHAPE, 1219, "Save Shape Information Window Position"},
    {ids::IDS_RETAIN_TOOL, 1220, "Save Tool Information Window Position"},
}};

constexpr int kDefaultDriveNumber = 3;   // C

std::string Directories()
{
    return LoadVarnexString(ids::IDS_DIRECTORIES);
}

std::string Folder(const fw::Profile& profile, unsigned key, unsigned defaultId)
{
    return profile.GetProfileString(Directories(), LoadVarnexString(key), LoadVarnexString(defaultId));
}

} // namespace

std::span<const RetainOption> WindowRetainSettings::Options()
{
    return kRetainOptions;
}

WindowRetainSettings WindowRetainSettings::Load(const fw::Profile& profile)
{
    const std::string section = LoadVarnexString(ids::IDS_CURRENT_SETTINGS);
    WindowRetainSettings settings;
    for (std::size_t i = 0; i < kRetainOptions.size(); ++i)
        settings.flags[i] = profile.GetProfileInt(section, LoadVarnexString(kRetainOptions[i].key), 0);
    return settings;
}

void WindowRetainSettings::Save(fw::Profile& profile) const
{
    const std::string section = LoadVarnexString(ids::IDS_CURRENT_SETTINGS);
    for (std::size_t i = 0; i < kRetainOptions.size(); ++i)
        profile.WriteProfileInt(section, LoadVarnexString(kRetainOptions[i].key), flags[i]);
}

DirectorySettings DirectorySettings::Load(const fw::Profile& profile)
{
    DirectorySettings settings;
    int number = profile.GetProfileInt(Directories(), LoadVarnexString(ids::IDS_DEFAULT_JOB_DRIVE), kDefaultDriveNumber);
    if (number < 1 || number > 26)
        number = kDefaultDriveNumber;
    settings.drive = static_cast<char>('A' - 1 + number);
    settings.jobFolder = Folder(profile, ids::IDS_JOB_DIRECTORY, ids::IDS_DEFAULT_JOB_DIRECTORY);
    settings.machineFolder = Folder(profile, ids::IDS_MACHINE_DIRECTORY, ids::IDS_DEFAULT_MACHINE_DIRECTORY);
    settings.shapeFolder = Folder(profile, ids::IDS_SHAPE_DIRECTORY, ids::IDS_DEFAULT_SHAPE_DIRECTORY);
    settings.toolFolder = Folder(profile, ids::IDS_TOOL_DIRECTORY, ids::IDS_DEFAULT_TOOL_DIRECTORY);
    return settings;
}

void DirectorySettings::Save(fw::Profile& profile) const
{
    const std::string section = Directories();
    profile.WriteProfileInt(section, LoadVarnexString(ids::IDS_DEFAULT_JOB_DRIVE), drive - 'A' + 1);
    profile.WriteProfileString(section, LoadVarnexString(ids::IDS_JOB_DIRECTORY), jobFolder);
    profile.WriteProfileString(section, LoadVarnexString(ids::IDS_SHAPE_DIRECTORY), shapeFolder);
    profile.WriteProfileString(section, LoadVarnexString(ids::IDS_TOOL_DIRECTORY), toolFolder);
    profile.WriteProfileString(section, LoadVarnexString(ids::IDS_MACHINE_DIRECTORY), machineFolder);
}

void DirectorySettings::SetJobFolderFromBrowse(std::string_view folder)
{
    if (const char letter = fw::WinPath::Drive(folder)) {
        drive = letter;
        folder.remove_prefix(2);
    }
    jobFolder = std::string(folder);
}
