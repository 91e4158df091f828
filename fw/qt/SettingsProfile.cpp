#include "fw/qt/SettingsProfile.h"

namespace fw {

namespace {
// Profile strings are 8-bit in the program; QSettings keeps them as Latin-1 byte strings so
// that every byte reads back unchanged.
QString Key(const std::string& section, const std::string& entry)
{
    return QString::fromLatin1(section.data(), qsizetype(section.size())) + u'/' +
           QString::fromLatin1(entry.data(), qsizetype(entry.size()));
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
    QVariant v = settings_->value(Key(section, entry));
    if (!v.isValid())
        return defaultValue;
    QByteArray bytes = v.toString().toLatin1();
    return std::string(bytes.constData(), size_t(bytes.size()));
}

int SettingsProfile::GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) const
{
    QVariant v = settings_->value(Key(section, entry));
    bool ok = false;
    int value = v.toString().trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

bool SettingsProfile::WriteProfileString(const std::string& section, const std::string& entry, const std::string& value)
{
    settings_->setValue(Key(section, entry), QString::fromLatin1(value.data(), qsizetype(value.size())));
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

bool SettingsProfile::WriteProfileInt(const std::string& section, const std::string& entry, int value)
{
    return WriteProfileString(section, entry, std::to_string(value));
}

} // namespace fw
