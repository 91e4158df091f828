#pragma once
// The children of every kind of tree item, read from the disk through the drive map. Listing
// never creates a folder: a missing folder lists nothing. Folder patterns match literally
// (a prefix, '*', an extension), ignoring case; children come sorted by text, ignoring case.

#include "navigator/NavigatorExport.h"
#include "navigator/ItemDescriber.h"
#include "navigator/ItemSpec.h"
#include "navigator/NavProperties.h"

#include <string>
#include <string_view>
#include <vector>

namespace nav {

class NAVIGATOR_EXPORT TreeListing {
public:
    TreeListing(const NavProperties& properties, DriveTypeOf driveType, ItemDescriber* describer)
        : properties_(properties), driveType_(std::move(driveType)), describer_(describer)
    {
    }

    ItemSpec Root() const;
    // The children of an item, sorted by text; a file system error other than a missing folder
    // throws fw::FileException.
    std::vector<ItemSpec> Children(const ItemSpec& parent) const;
    // Whether the item has (or may have) children, without listing descriptions.
    bool HasChildren(const ItemSpec& item) const;
    // The child an item that lists a folder makes for one found entry (its full path).
    ItemSpec ChildFor(const ItemSpec& label, const std::string& path) const;
    // The full paths a listing item finds, in name order.
    std::vector<std::string> Entries(const ItemSpec& label) const;

    // The labels a drive, job and group show, and the catalog labels of the root.
    ItemSpec Drive(char letter) const;
    ItemSpec JobsLabel(const ItemSpec& drive) const;
    ItemSpec GroupsLabel(const ItemSpec& job) const;
    ItemSpec PartsLabel(const ItemSpec& group) const;
    ItemSpec MultsLabel(const ItemSpec& group) const;
    ItemSpec CatalogLabel(ItemKind kind) const;
    ItemSpec ShapesTypeLabel(std::string_view prefix) const;

private:
    std::vector<ItemSpec> ShapesTypeLabels() const;

    const NavProperties& properties_;
    DriveTypeOf driveType_;
    ItemDescriber* describer_;
};

// Text helpers of the tree items.
// The name padded with blanks to 11 characters (nothing added at 11 or more).
std::string PadName(std::string_view name);
// "B12        W12X26 12X26"-style text of a part or mult; the name alone when the description is
// missing or empty.
std::string DescribedText(std::string_view name, const std::optional<Description>& description);
// "C:\Kestrom\Jobs" + "*.*" -> "C:\Kestrom\Jobs\*.*".
std::string PatternOf(std::string_view folder, std::string_view namePattern);
// The folder of a pattern (the text before its last '\').
std::string FolderOfPattern(std::string_view pattern);
// Whether a name matches the name part of a pattern ("W1*.shp", "*.prt", "*.*") literally: the
// text before the first '*' must begin the name and the text after it end it, ignoring case;
// "*.*" matches every name. A pattern without '*' must equal the name.
bool MatchesLiterally(std::string_view namePattern, std::string_view name);
// Sorts by text ignoring case (then by bytes, so the order is total).
void SortByText(std::vector<ItemSpec>& items);
bool TextLess(std::string_view a, std::string_view b);

} // namespace nav
