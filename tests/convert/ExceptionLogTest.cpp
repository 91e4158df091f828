#include "convert/except/Log.h"
#include "convert/except/zrException.h"
#include "tests/convert/LogCapture.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

TEST(CzrException, MessageIsSetAppendedAndCopied)
{
    CNumericConversionException e("Missing Double");
    e.ConcatToMessage("\r\n");
    e.ConcatToMessage(nullptr);
    const CNumericConversionException copy = e;
    e.SetMessage("other");
    EXPECT_STREQ(copy.GetMessage(), "Missing Double\r\n");
    EXPECT_STREQ(e.what(), "other");
    CUnexpectedException u;
    EXPECT_STREQ(u.GetMessage(), "");
    u.SetMessage(nullptr);
    EXPECT_STREQ(u.GetMessage(), "");
}

TEST(CzrException, DerivedClassesAreCaughtByTheBase)
{
    const auto catchAsBase = [](auto thrown) {
        try {
            throw thrown;
        } catch (const CzrException& e) {
            return std::string(e.GetMessage());
        }
    };
    CMemoryException m;
    m.SetMessage("memory");
    EXPECT_EQ(catchAsBase(m), "memory");
    EXPECT_EQ(catchAsBase(CNumericConversionException("number")), "number");
}

TEST(CLog, EntriesGoToTheInstalledSinkUntilItIsRemoved)
{
    std::vector<LogEntry> outer;
    const CLog::Sink previous = CLog::SetSink(
        [&](const char* s, int l, const char* m) { outer.push_back({s, l, m}); });
    {
        LogCapture capture;
        CLog::LogError("ZRString", 12, "Length Error");
        CLog::LogError(nullptr, 3, nullptr);
        ASSERT_EQ(capture.Entries().size(), 2u);
        EXPECT_EQ(capture.Entries()[0].source, "ZRString");
        EXPECT_EQ(capture.Entries()[0].line, 12);
        EXPECT_EQ(capture.Entries()[0].message, "Length Error");
        EXPECT_EQ(capture.Entries()[1].source, "");
        EXPECT_EQ(capture.Entries()[1].message, "");
    }
    CLog::LogError("Utility", 7, "Path is NULL");
    CLog::SetSink(previous);
    ASSERT_EQ(outer.size(), 1u);
    EXPECT_EQ(outer[0].message, "Path is NULL");
}

TEST(CLog, ThrowFileExceptionCarriesTheLastSystemError)
{
    errno = ENOENT;
    try {
        CLog::ThrowFileException("ZRFile", 42);
    } catch (const CzrFileException& e) {
        EXPECT_EQ(e.GetOsError(), ENOENT);
        EXPECT_EQ(std::string(e.GetMessage()).rfind("ZRFile(42): ", 0), 0u) << e.GetMessage();
        return;
    }
    ADD_FAILURE() << "no exception";
}
