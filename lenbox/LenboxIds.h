#pragma once
// The identifiers under which the dimension-entry control and its pages are known, and the ids
// of its string table (resources/LENBOX/strings.txt).

namespace lenbox {

inline constexpr const char* kTypeLibraryId = "{DDD850C2-AABC-11D0-A153-00A0249ECDDF}";
inline constexpr const char* kControlClassId = "{26DFD227-2FF3-11D0-8CBD-000000000000}";
inline constexpr const char* kControlProgId = "LENBOX.LenboxCtrl.1";
inline constexpr const char* kDispatchInterfaceId = "{DDD850C3-AABC-11D0-A153-00A0249ECDDF}";
inline constexpr const char* kEventInterfaceId = "{DDD850C4-AABC-11D0-A153-00A0249ECDDF}";
inline constexpr const char* kGeneralPageClassId = "{DDD850C5-AABC-11D0-A153-00A0249ECDDF}";
inline constexpr const char* kGeneralPageProgId = "LENBOX.LenboxPropPage.1";
inline constexpr const char* kSpecificsPageClassId = "{DDD850DD-AABC-11D0-A153-00A0249ECDDF}";
inline constexpr const char* kSpecificsPageProgId = "Lenbox.CLenboxPropPage2";

inline constexpr const char* kStringTable = "LENBOX";
inline constexpr unsigned IDS_LENBOX = 1;               // "Lenbox Control"
inline constexpr unsigned IDS_LENBOX_PPG = 2;           // "Lenbox Property Page"
inline constexpr unsigned IDS_LENBOX_PPG_CAPTION = 200; // "General"
inline constexpr unsigned IDS_LENBOX_PPG2_CAPTION = 201; // "Specifics"

} // namespace lenbox
