#include "navigator/TreeListing.h"

#include "fw/core/DriveMap.h"
#include "fw/core/FileException.h"
#include "fw/core/FileSystem.h"
#include "fw/core/Text1252.h"
#include "fw/core/WinPath.h"

#include <algorithm>
#include <set>

namespace nav {

namespace {

constexpr std::size_t kPaddedName = 11;
constexpr std::size_t kMaxShapePrefixes = 512;
constexpr std::string_view kShapesTypeSuffix = " SHAPES";

std::string WithoutFinalSeparator(std::string folder)
{
    while (folder.size() > 1 && folder.back() == '\\' && folder[folder.size() - 2] != ':')
        folder.pop_back();
    return folder;
}

bool WantsFolders(ItemKind kind) { return kind == ItemKind::jobsLabel || kind == ItemKind::groupsLabel; }

} // namespace

std::string PadName(std::string_view name)
{
    std::string text(name);
    if (text.size() < kPaddedName)
        text.resize(kPaddedName, ' ');
    return text;
}

std::string DescribedText(std::string_view name, const std::optional<Description>& description)
{
    if (!description || (description->designation.empty() && description->size.empty()))
        return std::string(name);
    return PadName(name) + description->designation + ' ' + description->size;
}

std::string PatternOf(std::string_view folder, std::string_view namePattern)
{
    return fw::WinPath::Join(folder, namePattern);
}

std::string FolderOfPattern(std::string_view pattern)
{
    const std::size_t slash = pattern.rfind('\\');
    if (slash == std::string_view::npos)
        return {};
    // A drive root keeps its separator: "C:\*.*" -> "C:\".
    if (slash == 2 && pattern[1] == ':')
        return std::string(pattern.substr(0, 3));
    return std::string(pattern.substr(0, slash));
}

bool MatchesLiterally(std::string_view namePattern, std::string_view name)
{
    if (namePattern == "*.*" || namePattern == "*")
        return true;
    const std::size_t star = namePattern.find('*');
    if (star == std::string_view::npos)
        return fw::EqualsNoCase1252(namePattern, name);
    const std::string_view prefix = namePattern.substr(0, star);
    const std::string_view suffix = namePattern.substr(star + 1);
    return name.size() >= prefix.size() + suffix.size() &&
           fw::EqualsNoCase1252(name.substr(0, prefix.size()), prefix) &&
           fw::EqualsNoCase1252(name.substr(name.size() - suffix.size()), suffix);
}

bool TextLess(std::string_view a, std::string_view b)
{
    const int order = fw::CompareNoCase1252(a, b);
    return order != 0 ? order < 0 : a < b;
}

void SortByText(std::vector<ItemSpec>& items)
{
    std::stable_sort(items.begin(), items.end(),
                     [](const ItemSpec& a, const ItemSpec& b) { return TextLess(a.text, b.text); });
}

ItemSpec TreeListing::Root() const { return {ItemKind::root, "BRAX Navigator", {}, {}, {}, DriveType::unknown}; }

ItemSpec TreeListing::Drive(char letter) const
{
    const DriveType type = driveType_ ? driveType_(letter) : DriveType::fixed;
    const std::string text{letter, ':'};
    ItemSpec drive{ItemKind::drive, text, text + "\\", {}, {}, type};
    if (IsWatchedDrive(type))
        drive.watched = WithoutFinalSeparator(text + properties_.JobDirectory);
    return drive;
}

ItemSpec TreeListing::JobsLabel(const ItemSpec& drive) const
{
    const std::string folder = WithoutFinalSeparator(drive.text + properties_.JobDirectory);
    return {ItemKind::jobsLabel, properties_.JobLabel, folder, PatternOf(folder, "*.*"), {}, DriveType::unknown};
}

ItemSpec TreeListing::GroupsLabel(const ItemSpec& job) const
{
    return {ItemKind::groupsLabel, properties_.GroupLabel, job.path, PatternOf(job.path, "*.*"), {}, DriveType::unknown};
}

ItemSpec TreeListing::PartsLabel(const ItemSpec& group) const
{
    return {ItemKind::partsLabel, properties_.PartLabel, group.path, PatternOf(group.path, "*" + properties_.PartExtension),
            {}, DriveType::unknown};
}

ItemSpec TreeListing::MultsLabel(const ItemSpec& group) const
{
    return {ItemKind::multsLabel, properties_.MultLabel, group.path, PatternOf(group.path, "*" + properties_.MultExtension),
            {}, DriveType::unknown};
}

ItemSpec TreeListing::CatalogLabel(ItemKind kind) const
{
    const auto make = [](ItemKind k, const std::string& text, const std::string& path, const std::string& extension) {
        const std::string folder = WithoutFinalSeparator(path);
        return ItemSpec{k, text, folder, PatternOf(folder, "*" + extension), folder, DriveType::unknown};
    };
    switch (kind) {
    case ItemKind::shapesLabel: return make(kind, properties_.ShapeLabel, properties_.ShapePath, properties_.ShapeExtension);
    case ItemKind::toolsLabel: return make(kind, properties_.ToolLabel, properties_.ToolPath, properties_.ToolExtension);
    default: return make(ItemKind::machinesLabel, properties_.MachineLabel, properties_.MachinePath, properties_.MachineExtension);
    }
}

ItemSpec TreeListing::ShapesTypeLabel(std::string_view prefix) const
{
    const std::string folder = WithoutFinalSeparator(properties_.ShapePath);
    return {ItemKind::shapesTypeLabel, std::string(prefix) + std::string(kShapesTypeSuffix), folder,
            PatternOf(folder, std::string(prefix) + "*" + properties_.ShapeExtension), {}, DriveType::unknown};
}

std::vector<std::string> TreeListing::Entries(const ItemSpec& label) const
{
    const std::string folder = FolderOfPattern(label.pattern);
    const std::string_view namePattern = fw::WinPath::FileName(label.pattern);
    std::vector<std::string> names;
    try {
        names = fw::FileSystem::List(PatternOf(folder, "*"), WantsFolders(label.kind) ? fw::FileSystem::folders
                                                                                      : fw::FileSystem::files);
    } catch (const fw::FileException& e) {
        // A folder that is not there lists nothing; it is never made here.
        if (e.cause() == fw::FileException::badPath || e.cause() == fw::FileException::fileNotFound)
            return {};
        throw;
    }
    std::vector<std::string> paths;
    for (const std::string& name : names)
        if (name != "." && name != ".." && MatchesLiterally(namePattern, name))
            paths.push_back(fw::WinPath::Join(folder, name));
    return paths;
}

ItemSpec TreeListing::ChildFor(const ItemSpec& label, const std::string& path) const
{
    const ItemKind kind = ChildKindOf(label.kind);
    const std::string title(kind == ItemKind::job || kind == ItemKind::group ? fw::WinPath::FileName(path)
                                                                              : fw::WinPath::Title(path));
    std::string text = title;
    if ((kind == ItemKind::part || kind == ItemKind::mult) && describer_)
        text = DescribedText(title, describer_->Describe(kind, path));
    return {kind, text, path, {}, {}, DriveType::unknown};
}

std::vector<ItemSpec> TreeListing::ShapesTypeLabels() const
{
    const ItemSpec label = CatalogLabel(ItemKind::shapesLabel);
    std::vector<std::string> prefixes;
    std::set<std::string> seen;
    for (const std::string& path : Entries(label)) {
        const std::string prefix(fw::WinPath::FileName(path).substr(0, 2));
        if (seen.size() < kMaxShapePrefixes && seen.insert(fw::Upper1252(prefix)).second)
            prefixes.push_back(prefix);
    }
    std::vector<ItemSpec> labels;
    for (const std::string& prefix : prefixes)
        labels.push_back(ShapesTypeLabel(prefix));
    return labels;
}

std::vector<ItemSpec> TreeListing::Children(const ItemSpec& parent) const
{
    std::vector<ItemSpec> children;
    switch (parent.kind) {
    case ItemKind::root:
        // Drives first, then the catalog labels in their order; the drives sort among themselves.
        if (properties_.ShowJobs)
            for (const char letter : fw::DriveMap::Instance().Drives())
                if (ItemSpec drive = Drive(letter); IsListedDrive(drive.driveType))
                    children.push_back(std::move(drive));
        if (properties_.ShowShapes)
            children.push_back(CatalogLabel(ItemKind::shapesLabel));
        if (properties_.ShowTools)
            children.push_back(CatalogLabel(ItemKind::toolsLabel));
        if (properties_.ShowMachines)
            children.push_back(CatalogLabel(ItemKind::machinesLabel));
        return children;
    case ItemKind::drive: return {JobsLabel(parent)};
    case ItemKind::job: return {GroupsLabel(parent)};
    case ItemKind::group: return {PartsLabel(parent), MultsLabel(parent)};
    case ItemKind::shapesLabel: children = ShapesTypeLabels(); break;
    default:
        if (!ListsFolder(parent.kind))
            return {};
        for (const std::string& path : Entries(parent))
            children.push_back(ChildFor(parent, path));
        break;
    }
    SortByText(children);
    return children;
}

bool TreeListing::HasChildren(const ItemSpec& item) const
{
    switch (item.kind) {
    case ItemKind::root:
    case ItemKind::drive:
    case ItemKind::job:
    case ItemKind::group: return true;
    case ItemKind::shapesLabel: return !Entries(item).empty();
    default: return ListsFolder(item.kind) && !Entries(item).empty();
    }
}

} // namespace nav
