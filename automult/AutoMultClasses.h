#pragma once
// The engine's two creatable classes in the component registry: AutoMultOpnB, the working
// engine, and AutoMult, which answers the same interface and does almost nothing.

#include <string>

namespace fw {
class Profile;
}
class IAutoMultUi;

namespace automult {

inline const std::string kClsidAutoMult = "{387BDD59-83D9-47CE-A876-1E53F9883A50}";
inline const std::string kClsidAutoMultOpnB = "{F0816646-50CD-4F9D-B4E5-001ED2E96865}";
inline const std::string kProgIdAutoMult = "ZRAutoMultPrograme.AutoMult";
inline const std::string kProgIdAutoMultOpnB = "ZRAutoMultPrograme.AutoMultOpnB";
// The ProgIDs of this version of each class.
inline const std::string kProgIdAutoMult1 = kProgIdAutoMult + ".1";
inline const std::string kProgIdAutoMultOpnB1 = kProgIdAutoMultOpnB + ".1";

// Registers both classes; every AutoMultOpnB made talks to `ui` and keeps its allowable drop in
// `profile`, both of which must outlive the registration.
void RegisterAutoMultClasses(IAutoMultUi& ui, fw::Profile& profile);
void UnregisterAutoMultClasses();

} // namespace automult
