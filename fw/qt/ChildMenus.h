#pragma once
// Menus that a child window of the main window adds to the main menu bar while it is the active
// child. The child makes each as a QMenu named kChildMenuName, in the order they are to appear.
// The main window adds the entries of a menu titled like one of its own ("&View") to that menu,
// and inserts any other menu after the one that precedes it; it takes them away again when
// another window becomes active. The entries stay the child's: they run its commands.

namespace fw {

inline constexpr const char* kChildMenuName = "ChildMenu";

} // namespace fw
