#pragma once
// Rules for the names typed into the small dialogs: item names (new folders, marks), the hand
// suffix of opposite-hand marks, and the file name of a legacy shop disk.

#include "model/JobPaths.h"

#include <string>
#include <string_view>

// Longest item name and mark.
inline constexpr std::size_t kMaxItemName = jobs::kNameLength;

// A name for the new-item dialog: 1 to 10 characters and safe. The message for a refused name,
// empty when it is accepted.
std::string NewItemNameError(std::string_view name);

// The message for a name that can't stand as a file name (see fw::WinPath::IsFileName), or for an empty
// one; empty when it is accepted.
std::string FileNameError(std::string_view name);

enum class Hand { none = -1, left = 0, right = 1 };

// Whether the mark ends in "-L" or "-R" (either case).
bool HasHandSuffix(std::string_view mark);
// The mark for a hand: an existing suffix gets the hand's letter; otherwise "-L" or "-R" is
// appended, cutting the mark to 8 characters first when it has 9 or more.
std::string ApplyHand(std::string_view mark, Hand hand);

// A shop disk's target file: 1 to 8 characters, not starting with a space, each a letter, digit
// or one of @ ` { } _ ^ $ ~ ! # % & - ( ) '.
bool IsValidShopDiskFileName(std::string_view name);
