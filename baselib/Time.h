#pragma once
// A calendar time: signed seconds since 1 January 1970 UTC, 0 for no time. Calendar fields are
// read and written in local time unless a name says Gmt.

#include "baselib/BRAXLibExport.h"
#include "baselib/String.h"

#include <compare>
#include <cstdint>
#include <ctime>

namespace zr {

// A calendar time as separate fields (local time).
struct BRAXLIB_EXPORT SYSTEMTIME {
    std::uint16_t year = 0;
    std::uint16_t month = 0;        // 1-12
    std::uint16_t dayOfWeek = 0;    // 0 Sunday
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t milliseconds = 0;
};

// 100-nanosecond intervals since 1 January 1601 UTC, in two halves.
struct BRAXLIB_EXPORT FILETIME {
    std::uint32_t lowDateTime = 0;
    std::uint32_t highDateTime = 0;
};

class BRAXLIB_EXPORT CTime {
public:
    CTime() = default;
    CTime(std::int64_t time) : time_(time) {}
    // Local time normalised by the runtime; dst 1 or 0 says whether daylight saving is in force,
    // -1 lets the runtime decide. A time the runtime cannot represent gives 0.
    CTime(int year, int month, int day, int hour, int minute, int second, int dst = -1);
    // DOS date (day bits 0-4, month 5-8, years since 1980 9-15) and time (seconds / 2 bits 0-4,
    // minutes 5-10, hours 11-15).
    CTime(std::uint16_t dosDate, std::uint16_t dosTime, int dst = -1);
    CTime(const SYSTEMTIME& time, int dst = -1);   // a year before 1900 gives 0
    CTime(const FILETIME& time);                    // 0 for a value out of range

    static CTime GetTickCount();   // now

    std::int64_t GetTime() const { return time_; }
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;   // 1 Sunday to 7 Saturday

    // Fill `out`, or without one a record of the calling thread; nullptr when the time cannot be
    // broken down.
    std::tm* GetLocalTm(std::tm* out = nullptr) const;
    std::tm* GetGmtTm(std::tm* out = nullptr) const;

    // strftime rules, at most 127 characters; empty when the time cannot be broken down or the
    // result does not fit.
    CString Format(const char* format) const;
    CString FormatGmt(const char* format) const;
    // The format taken from the library's string table; an unknown id logs "CTime::Format".
    CString Format(unsigned formatId) const;
    CString FormatGmt(unsigned formatId) const;

    // The time as a FILETIME; false before 1601.
    bool FileTime(FILETIME& out) const;

    friend auto operator<=>(const CTime&, const CTime&) = default;

private:
    CString FormatTm(const char* format, bool gmt) const;
    CString FormatId(unsigned formatId, bool gmt) const;
    std::tm LocalFields() const;

    std::int64_t time_ = 0;
};

}  // namespace zr
