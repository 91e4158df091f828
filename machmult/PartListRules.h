#pragma once
// How the part lists of the hand-mult window show their parts and take dragged parts: the mult
// list (the parts on the mult, in stock order) and the potential list (the parts that may still go
// on it, with the counts used and fitting).
//
// Dragging: each list offers its parts in its own format and takes the other list's. Data of the
// other list is a move only while Shift is held (a drop between the lists); data of its own is a
// move unless Ctrl is held (a reorder, which only the mult list carries out).

#include "machmult/MultPart.h"

#include <optional>
#include <string>

enum class PartListKind { mult, potential };

// What the parts are doing when they land: coming from the other list, or moving within one.
enum PartDropMode { dropFromOtherList = 0, dropWithinList = 1 };

struct PartListFormats {
    const char* own;        // what the list's drags and copies carry
    const char* accepted;   // what it takes from the other list
    bool ownDrops;          // whether it takes its own parts back (a reorder)
};
PartListFormats FormatsOf(PartListKind kind);

enum class DragEffect { none, move };
// The feedback while data is dragged over the list.
DragEffect DragFeedback(PartListKind kind, bool hasAccepted, bool hasOwn, bool shift, bool ctrl);
// The mode of a drop or paste of the data that the list carries out; none for data it does not
// know, and for its own parts on a list that is never reordered.
std::optional<PartDropMode> DropModeOf(PartListKind kind, bool hasAccepted, bool hasOwn);

// The comma-separated column headings.
const char* ColumnHeadings(PartListKind kind);
int ColumnCount(PartListKind kind);
// A column's text of a part.
std::string ColumnText(PartListKind kind, int column, const CMultPart& part);
// Whether a header click sorts the list (the mult list keeps its stock order).
bool SortsOnHeaderClick(PartListKind kind);
// The order of a column's header-click sort: below 0 when a goes first, 0 when equal. Marks and
// codes compare without case; lengths by whole sixteenths of an inch (floor(length x 16)), so
// lengths in the same sixteenth sort as equal.
int CompareParts(PartListKind kind, int column, const CMultPart& a, const CMultPart& b);
