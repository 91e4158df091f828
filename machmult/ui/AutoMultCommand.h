#pragma once
// Edit > AutoMult of a mult window: asks for the part source, gathers the parts into stock
// choices and opens the setup window of the job, a window the user cannot close (Begin
// Automulting or Cancel close it). The mult window then closes without a question; it stays open
// when the command ends early.

class CMultDoc;
class CAutoMultShapeListView;

namespace machui {

inline constexpr const char* kNoPartsFound = "WARNING: No parts were found matching your criteria.";
inline constexpr const char* kOtherDrive =
    "WARNING: Part %1 is not on the same drive as the mult!  Do you wish to copy it to the correct drive?";

// Returns the setup window's list, or nullptr when the command ended early.
CAutoMultShapeListView* OnEditAutoMult(CMultDoc& doc);

} // namespace machui
