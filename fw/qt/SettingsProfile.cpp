#include "fw/qt/SettingsProfile.h"

#include "fw/qt/QtText.h"

namespace fw {

namespace {
QString Key(const std::string& section, const std::string& entry)
{
    return ToQString(section) + u'/' + ToQString(entry);
}
} // namespace

SettingsProfile::SettingsProfile()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Kestrom", "Varnex"))
{
}

SettingsProfile::SettingsProfile(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

SettingsProfile::~SettingsProfile() = default;

std::string SettingsProfile::GetProfileString(const std::string& section, const std::string& entry,
                                              const std::string& defaultValue) const
{
    std::lock_guard lock(mutex_);
    QVariant v = settings_->value(Key(section, entry));
    if (!v.isValid())
        return defaultValue;
    return FromQString(v.toString());
}

int SettingsProfile::GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) const
{
    std::lock_guard lock(mutex_);
    QVariant v = settings_->value(Key(section, entry));
    bool ok = false;
    int value = v.toString().trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

bool SettingsProfile::WriteProfileString(const std::string& section, const std::string& entry, const std::string& value)
{
    std::lock_guard lock(mutex_);
    settings_->setValue(Key(section, entry), ToQString(value));
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

bool SettingsProfile::WriteProfileInt(const std::string& section, const std::string& entry, int value)
{
    return WriteProfileString(section, entry, std::to_string(value));
}

} // namespace fw
