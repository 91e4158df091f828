#pragma once
// The navigator's properties: the display switches, folders, label texts and extensions the host
// sets before it expands the root, and the run-menu switch.

#include "navigator/TreeItemKind.h"

#include <functional>
#include <string>

namespace nav {

struct NavProperties {
    long ShowJobs = 1;
    long ShowShapes = 1;
    long ShowTools = 1;
    long ShowMachines = 1;
    long ShowParts = 1;    // kept and persisted; the tree does not consult it
    long ShowMults = 1;    // likewise
    std::string JobDirectory;   // below each drive root, without the drive ("\Kestrom\Jobs")
    std::string ShapePath;
    std::string ToolPath;
    std::string MachinePath;
    std::string JobLabel;
    std::string GroupLabel;
    std::string MachineLabel;
    std::string ShapeLabel;
    std::string ToolLabel;
    std::string PartLabel;
    std::string MultLabel;
    std::string PartExtension;
    std::string MultExtension;
    std::string MachineExtension;
    std::string ShapeExtension;
    std::string ToolExtension;
    long RunMenuEnabled = 1;
};

// The type of a mapped drive; every drive counts as fixed unless the host says otherwise.
using DriveTypeOf = std::function<DriveType(char drive)>;

} // namespace nav
