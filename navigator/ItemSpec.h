#pragma once
// What a tree item is, apart from the tree: its kind, display text, full path and, for items that
// list a folder, the search pattern. The listing (TreeListing.h) makes these; the control turns
// them into tree items.

#include "navigator/TreeItemKind.h"

#include <string>

namespace nav {

struct ItemSpec {
    ItemKind kind = ItemKind::root;
    std::string text;
    std::string path;      // the file or folder; a drive's root ("C:\"); a label's folder (no final '\')
    std::string pattern;   // the folder search of a listing item ("C:\Kestrom\Jobs\J1\G1\*.prt")
    std::string watched;   // the folder a drive or catalog label watches; empty: none
    DriveType driveType = DriveType::unknown;
    bool operator==(const ItemSpec&) const = default;
};

} // namespace nav
