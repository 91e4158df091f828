#pragma once
// The component category manager beside the class registry: categories by category id ("{...}"
// text), each with its descriptions by language. Callers find a category's description here;
// the registry itself creates the classes.

#include "fw/core/FwCoreExport.h"
#include "fw/core/Component.h"

#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace fw {

class FW_CORE_EXPORT ComponentCategories {
public:
    static constexpr std::uint32_t kUsEnglish = 0x409;
    static constexpr std::size_t kMaxDescription = 127;

    static ComponentCategories& Instance();

    // Registers (or replaces) a category's description in a language, cut to kMaxDescription
    // characters. E_INVALIDARG for an empty category id.
    HRESULT Register(const std::string& catid, std::uint32_t language, std::string_view description);
    // The description of a category in a language, matching the id without case; nothing when
    // the category has none in it.
    std::optional<std::string> Description(const std::string& catid, std::uint32_t language) const;

private:
    mutable std::mutex mutex_;
    std::map<std::pair<std::string, std::uint32_t>, std::string> descriptions_;   // by upper-case id
};

} // namespace fw
