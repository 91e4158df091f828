#pragma once
// The per-user profile: string and integer values by section and entry.

#include "fw/core/FwCoreExport.h"
#include <map>
#include <string>

namespace fw {

class FW_CORE_EXPORT Profile {
public:
    virtual ~Profile() = default;
    virtual std::string GetProfileString(const std::string& section, const std::string& entry,
                                         const std::string& defaultValue = {}) const = 0;
    virtual int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) const = 0;
    virtual bool WriteProfileString(const std::string& section, const std::string& entry, const std::string& value) = 0;
    virtual bool WriteProfileInt(const std::string& section, const std::string& entry, int value) = 0;
};

// Profile kept in memory; used by tests and by windowless runs.
class FW_CORE_EXPORT MemoryProfile : public Profile {
public:
    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& defaultValue = {}) const override;
    int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) const override;
    bool WriteProfileString(const std::string& section, const std::string& entry, const std::string& value) override;
    bool WriteProfileInt(const std::string& section, const std::string& entry, int value) override;

    // Every value, keyed by (section, entry); lets tests check exactly what was written.
    const std::map<std::pair<std::string, std::string>, std::string>& Values() const { return values_; }

private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

} // namespace fw
