#include "fw/core/Profile.h"

#include <charconv>

namespace fw {

std::string MemoryProfile::GetProfileString(const std::string& section, const std::string& entry,
                                            const std::string& defaultValue) const
{
    auto it = values_.find({section, entry});
    return it == values_.end() ? defaultValue : it->second;
}

int MemoryProfile::GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) const
{
    auto it = values_.find({section, entry});
    if (it == values_.end())
        return defaultValue;
    int value = 0;
    const std::string& s = it->second;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc() && ptr == s.data() + s.size() ? value : defaultValue;
}

bool MemoryProfile::WriteProfileString(const std::string& section, const std::string& entry, const std::string& value)
{
    values_[{section, entry}] = value;
    return true;
}

bool MemoryProfile::WriteProfileInt(const std::string& section, const std::string& entry, int value)
{
    return WriteProfileString(section, entry, std::to_string(value));
}

} // namespace fw
