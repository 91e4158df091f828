#include "navigator/DataFormats.h"

#include <cstring>

namespace nav {

std::string JoinList(const std::vector<std::string>& paths)
{
    std::string list;
    for (const std::string& path : paths)
        list += path + '|';
    return list;
}

std::string EncodePayload(const std::vector<std::string>& paths)
{
    std::string payload = JoinList(paths);
    payload.push_back('\0');
    return payload;
}

std::vector<std::string> SplitList(std::string_view list)
{
    std::vector<std::string> entries;
    while (!list.empty()) {
        const std::size_t bar = list.find('|');
        const std::string_view entry = list.substr(0, bar);
        if (!entry.empty())
            entries.emplace_back(entry);
        if (bar == std::string_view::npos)
            break;
        list.remove_prefix(bar + 1);
    }
    return entries;
}

std::vector<std::string> DecodePayload(const char* data, std::size_t size)
{
    if (!data)
        return {};
    const void* nul = std::memchr(data, '\0', size);
    const std::size_t length = nul ? std::size_t(static_cast<const char*>(nul) - data) : size;
    return SplitList(std::string_view(data, length));
}

} // namespace nav
