#pragma once
// The navigator's events: what it hands to its host, by dispatch id, with full paths.

#include <string>
#include <string_view>

namespace nav {

enum class EventId : int {
    CreatePart = 1, OpenPart = 2, PrintStandardPart = 3, PrintFullPart = 4, OppositePart = 5,
    CreatePartDosDisk = 6, ReadPartDosDisk = 7, CreateMult = 8, OpenMult = 9, PrintStandardMult = 10,
    PrintFullMult = 11, CreateMultDosDisk = 12, ReadMultDosDisk = 13, CreateShape = 14, OpenShape = 15,
    PrintShape = 16, CreateTool = 17, OpenTool = 18, PrintTool = 19, CreateMachine = 20, OpenMachine = 21,
    PrintMachine = 22, RenamePart = 23, RunPart = 24, RunMult = 25, ViewAllReport = 26, ViewPartReport = 27,
    ViewMultReport = 28, RunCopyJob = 30, RunCopyAllParts = 31, RunCopyAllMults = 32, RunCopyGroup = 33,
    RunCopyAllGroup = 34, RunCopyPartFile = 35, RunCopyMultFile = 36, RunCopyDiffPartFile = 37,
    RunCopyDiffMultFile = 38, RunCopyLabelAllGroup = 39, RunCopyDiffGroup = 40, RunMultMultiple = 41,
};

// How many text arguments an event carries (0, 1 or 2); the two shop-disk events carry an item
// kind besides.
enum class EventShape { none, path, pathAndType, twoTexts };
EventShape ShapeOf(EventId id);
std::string_view NameOf(EventId id);

struct NavEvent {
    EventId id = EventId::OpenPart;
    std::string first;
    std::string second;
    int type = 0;
    bool operator==(const NavEvent&) const = default;
};

} // namespace nav
