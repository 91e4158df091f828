#include "baselib/Time.h"
#include "tests/convert/LogCapture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

using zr::CTime;

namespace {

// Local time is UTC+3 without daylight saving for every test here.
class CTimeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const char* tz = std::getenv("TZ"))
            saved_ = tz;
        setenv("TZ", "XYZ-3", 1);
        tzset();
    }
    void TearDown() override
    {
        if (saved_)
            setenv("TZ", saved_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

    static constexpr std::int64_t kUtcOffset = 3 * 3600;
    static constexpr std::int64_t k2001 = 978307200;   // 2001-01-01 00:00:00 UTC

private:
    std::optional<std::string> saved_;
};

struct Fields {
    int year, month, day, hour, minute, second, dayOfWeek;
};

Fields FieldsOf(const CTime& t)
{
    return {t.GetYear(), t.GetMonth(), t.GetDay(), t.GetHour(), t.GetMinute(), t.GetSecond(), t.GetDayOfWeek()};
}

void ExpectFields(const CTime& t, const Fields& f, const char* what)
{
    const Fields got = FieldsOf(t);
    EXPECT_EQ(got.year, f.year) << what;
    EXPECT_EQ(got.month, f.month) << what;
    EXPECT_EQ(got.day, f.day) << what;
    EXPECT_EQ(got.hour, f.hour) << what;
    EXPECT_EQ(got.minute, f.minute) << what;
    EXPECT_EQ(got.second, f.second) << what;
    EXPECT_EQ(got.dayOfWeek, f.dayOfWeek) << what;
}

TEST_F(CTimeTest, ConstructionTable)
{
    zr::SYSTEMTIME system;
    system.year = 2024, system.month = 2, system.day = 29, system.hour = 23, system.minute = 59, system.second = 58;
    const struct {
        const char* what;
        CTime time;
        std::int64_t expected;
        Fields fields;
    } cases[] = {
        {"DOS date 0x2A21", CTime(std::uint16_t{0x2A21}, std::uint16_t{0}), k2001 - kUtcOffset, {2001, 1, 1, 0, 0, 0, 2}},
        {"DOS time 15:29:58", CTime(std::uint16_t{0x2A21}, std::uint16_t{0x7BBD}), k2001 - kUtcOffset + 15 * 3600 + 29 * 60 + 58, {2001, 1, 1, 15, 29, 58, 2}},
        {"fields", CTime(2001, 1, 1, 0, 0, 0), k2001 - kUtcOffset, {2001, 1, 1, 0, 0, 0, 2}},
        {"month 13 normalised", CTime(2000, 13, 1, 0, 0, 0), k2001 - kUtcOffset, {2001, 1, 1, 0, 0, 0, 2}},
        {"system time", CTime(system), 1709251198 - kUtcOffset, {2024, 2, 29, 23, 59, 58, 5}},
        {"file time", CTime(zr::FILETIME{0xC89DC000u, 0x01C07385u}), k2001, {2001, 1, 1, 3, 0, 0, 2}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.time.GetTime(), c.expected) << c.what;
        ExpectFields(c.time, c.fields, c.what);
    }
}

TEST_F(CTimeTest, OutOfRangeRecordsGiveNoTime)
{
    zr::SYSTEMTIME old;
    old.year = 1899, old.month = 12, old.day = 31;
    EXPECT_EQ(CTime(old).GetTime(), 0);
    EXPECT_EQ(CTime(zr::FILETIME{0, 0x80000000u}).GetTime(), 0);
    zr::FILETIME out{1, 1};
    EXPECT_FALSE(CTime(INT64_MAX).FileTime(out));
    EXPECT_FALSE(CTime(-11644473601).FileTime(out));
}

TEST_F(CTimeTest, FileTimeRoundTrip)
{
    zr::FILETIME ft;
    ASSERT_TRUE(CTime(k2001).FileTime(ft));
    // (978307200 + 11644473600) * 10^7 = 126227808000000000 = 0x01C07385'C89DC000
    EXPECT_EQ(ft.highDateTime, 0x01C07385u);
    EXPECT_EQ(ft.lowDateTime, 0xC89DC000u);
    EXPECT_EQ(CTime(ft).GetTime(), k2001);
    ASSERT_TRUE(CTime(0).FileTime(ft));
    EXPECT_EQ((std::uint64_t{ft.highDateTime} << 32) | ft.lowDateTime, 116444736000000000u);
}

TEST_F(CTimeTest, FormatTable)
{
    const CTime t(k2001);
    EXPECT_STREQ(t.Format("%Y-%m-%d %H:%M:%S %a"), "2001-01-01 03:00:00 Mon");
    EXPECT_STREQ(t.FormatGmt("%Y-%m-%d %H:%M"), "2001-01-01 00:00");
    EXPECT_STREQ(CTime(k2001 - 1).FormatGmt("%Y-%m-%d %H:%M:%S"), "2000-12-31 23:59:59");
    EXPECT_STREQ(t.Format(""), "");
    EXPECT_STREQ(t.Format(nullptr), "");
    const std::string long127(127, 'x');
    EXPECT_STREQ(t.Format(long127.c_str()), long127.c_str());
    EXPECT_STREQ(t.Format((long127 + "x").c_str()), "");   // 128 characters do not fit
}

TEST_F(CTimeTest, FormatByUnknownIdIsLogged)
{
    LogCapture log;
    EXPECT_STREQ(CTime(k2001).Format(99u), "");
    EXPECT_STREQ(CTime(k2001).FormatGmt(98u), "");
    ASSERT_EQ(log.Entries().size(), 2u);
    EXPECT_EQ(log.Entries()[0].source, "CTime");
    EXPECT_EQ(log.Entries()[0].message, "CTime::Format");
}

TEST_F(CTimeTest, BrokenDownRecords)
{
    const CTime t(k2001);
    std::tm mine{};
    EXPECT_EQ(t.GetLocalTm(&mine), &mine);
    EXPECT_EQ(mine.tm_hour, 3);
    const std::tm* shared = t.GetGmtTm();
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(shared->tm_hour, 0);
    EXPECT_EQ(shared->tm_year, 101);
}

TEST_F(CTimeTest, ComparisonsAndNow)
{
    CTime a(5), b(7);
    EXPECT_TRUE(a < b);
    EXPECT_TRUE(b >= a);
    EXPECT_TRUE(a != b);
    a = 7;
    EXPECT_TRUE(a == b);
    EXPECT_EQ(CTime().GetTime(), 0);
    const std::int64_t before = std::time(nullptr);
    const std::int64_t now = CTime::GetTickCount().GetTime();
    EXPECT_GE(now, before);
    EXPECT_LE(now, before + 5);
}

}  // namespace
