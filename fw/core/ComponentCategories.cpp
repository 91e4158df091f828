#include "fw/core/ComponentCategories.h"

#include <algorithm>
#include <cctype>

namespace fw {

namespace {

std::string Key(std::string catid)
{
    std::transform(catid.begin(), catid.end(), catid.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    return catid;
}

} // namespace

ComponentCategories& ComponentCategories::Instance()
{
    static ComponentCategories categories;
    return categories;
}

HRESULT ComponentCategories::Register(const std::string& catid, std::uint32_t language, std::string_view description)
{
    if (catid.empty())
        return E_INVALIDARG;
    std::lock_guard lock(mutex_);
    descriptions_[{Key(catid), language}] = std::string(description.substr(0, kMaxDescription));
    return S_OK;
}

std::optional<std::string> ComponentCategories::Description(const std::string& catid, std::uint32_t language) const
{
    std::lock_guard lock(mutex_);
    const auto it = descriptions_.find({Key(catid), language});
    return it == descriptions_.end() ? std::nullopt : std::optional(it->second);
}

} // namespace fw
