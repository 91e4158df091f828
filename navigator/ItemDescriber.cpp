#include "navigator/ItemDescriber.h"

#include "fw/core/DriveMap.h"

#include <system_error>

namespace nav {

std::optional<Description> DescriptionCache::Describe(ItemKind kind, const std::string& path)
{
    std::error_code error;
    std::filesystem::path native;
    try {
        native = fw::DriveMap::Instance().ToNative(path);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    const auto modified = std::filesystem::last_write_time(native, error);
    if (error)
        return std::nullopt;
    const auto bytes = std::filesystem::file_size(native, error);
    if (error)
        return std::nullopt;
    const auto found = entries_.find(path);
    if (found != entries_.end() && found->second.modified == modified && found->second.bytes == bytes)
        return found->second.description;
    Entry entry{modified, bytes, reader_.Describe(kind, path)};
    return entries_.insert_or_assign(path, std::move(entry)).first->second.description;
}

} // namespace nav
