#pragma once
// The profile kept by QSettings in INI form under the organisation "Kestrom" and the program "Varnex".
// Safe from any thread: background work (automatic multing) reads and writes it too.

#include "fw/core/Profile.h"

#include <QSettings>
#include <memory>
#include <mutex>

namespace fw {

class SettingsProfile : public Profile {
public:
    SettingsProfile();                                  // the user's profile
    explicit SettingsProfile(const QString& iniPath);   // a given INI file (tests)
    ~SettingsProfile() override;

    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& defaultValue = {}) const override;
    int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) const override;
    bool WriteProfileString(const std::string& section, const std::string& entry, const std::string& value) override;
    bool WriteProfileInt(const std::string& section, const std::string& entry, int value) override;

private:
    mutable std::mutex mutex_;
    std::unique_ptr<QSettings> settings_;
};

} // namespace fw
