#include "baselib/Time.h"

#include "convert/except/Log.h"

#include <cstdint>

namespace zr {

namespace {

// Seconds from 1601-01-01 to 1970-01-01, and FILETIME units per second.
constexpr std::int64_t kFileTimeEpoch = 11644473600;
constexpr std::int64_t kFileTimeUnits = 10000000;

std::int64_t MakeLocalTime(int year, int month, int day, int hour, int minute, int second, int dst)
{
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = dst;
    const std::time_t time = std::mktime(&fields);
    return time == static_cast<std::time_t>(-1) ? 0 : time;
}

}  // namespace

CTime::CTime(int year, int month, int day, int hour, int minute, int second, int dst)
    : time_(MakeLocalTime(year, month, day, hour, minute, second, dst))
{
}

CTime::CTime(std::uint16_t dosDate, std::uint16_t dosTime, int dst)
    : CTime((dosDate >> 9) + 1980, (dosDate >> 5) & 0x0F, dosDate & 0x1F, dosTime >> 11,
            (dosTime >> 5) & 0x3F, (dosTime & 0x1F) * 2, dst)
{
}

CTime::CTime(const SYSTEMTIME& time, int dst)
    : time_(time.year < 1900 ? 0
                             : MakeLocalTime(time.year, time.month, time.day, time.hour,
                                             time.minute, time.second, dst))
{
}

CTime::CTime(const FILETIME& time)
{
    const std::uint64_t units = (std::uint64_t{time.highDateTime} << 32) | time.lowDateTime;
    if (units < std::uint64_t{1} << 63)
        time_ = static_cast<std::int64_t>(units) / kFileTimeUnits - kFileTimeEpoch;
}

CTime CTime::GetTickCount()
{
    return CTime(static_cast<std::int64_t>(std::time(nullptr)));
}

std::tm CTime::LocalFields() const
{
    std::tm fields{};
    GetLocalTm(&fields);
    return fields;
}

int CTime::GetYear() const { return LocalFields().tm_year + 1900; }
int CTime::GetMonth() const { return LocalFields().tm_mon + 1; }
int CTime::GetDay() const { return LocalFields().tm_mday; }
int CTime::GetHour() const { return LocalFields().tm_hour; }
int CTime::GetMinute() const { return LocalFields().tm_min; }
int CTime::GetSecond() const { return LocalFields().tm_sec; }
int CTime::GetDayOfWeek() const { return LocalFields().tm_wday + 1; }

std::tm* CTime::GetLocalTm(std::tm* out) const
{
    thread_local std::tm shared;
    const std::time_t time = time_;
    return localtime_r(&time, out ? out : &shared);
}

std::tm* CTime::GetGmtTm(std::tm* out) const
{
    thread_local std::tm shared;
    const std::time_t time = time_;
    return gmtime_r(&time, out ? out : &shared);
}

CString CTime::FormatTm(const char* format, bool gmt) const
{
    std::tm fields{};
    char text[128];
    const bool brokenDown = gmt ? GetGmtTm(&fields) : GetLocalTm(&fields);
    if (!format || !brokenDown || std::strftime(text, sizeof text, format, &fields) == 0)
        return CString("");
    return CString(text);
}

CString CTime::Format(const char* format) const
{
    return FormatTm(format, false);
}

CString CTime::FormatGmt(const char* format) const
{
    return FormatTm(format, true);
}

CString CTime::FormatId(unsigned formatId, bool gmt) const
{
    CString format("");
    if (!format.LoadString(formatId))
        CLog::LogError("CTime", __LINE__, "CTime::Format");
    return FormatTm(format, gmt);
}

CString CTime::Format(unsigned formatId) const
{
    return FormatId(formatId, false);
}

CString CTime::FormatGmt(unsigned formatId) const
{
    return FormatId(formatId, true);
}

bool CTime::FileTime(FILETIME& out) const
{
    if (time_ < -kFileTimeEpoch || time_ > INT64_MAX / kFileTimeUnits - kFileTimeEpoch)
        return false;
    const auto units = static_cast<std::uint64_t>(time_ + kFileTimeEpoch) * kFileTimeUnits;
    out.lowDateTime = static_cast<std::uint32_t>(units);
    out.highDateTime = static_cast<std::uint32_t>(units >> 32);
    return true;
}

}  // namespace zr
