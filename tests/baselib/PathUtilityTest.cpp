#include "baselib/PathUtility.h"
#include "tests/convert/LogCapture.h"

#include <gtest/gtest.h>

#include <cstring>

using zr::CString;

namespace {

TEST(PathUtility, SplitTable)
{
    const struct {
        const char* path;
        const char* drive;
        const char* folder;
        const char* name;
        const char* extension;
    } cases[] = {
        {"C:\\Kestrom\\Jobs\\J1\\P1.prt", "C:", "\\Kestrom\\Jobs\\J1\\", "P1", ".prt"},
        {"P1", "", "", "P1", ""},
        {"C:P1.a.b", "C:", "", "P1.a", ".b"},
        {"dir/sub\\x.", "", "dir/sub\\", "x", "."},
        {"C:\\", "C:", "\\", "", ""},
        {"\\\\server\\share\\f.txt", "", "\\\\server\\share\\", "f", ".txt"},
        {"", "", "", "", ""},
    };
    for (const auto& c : cases) {
        CString drive, folder, name, extension;
        zr::UtilitySetPath(c.path, drive, folder, name, extension);
        EXPECT_STREQ(drive, c.drive) << c.path;
        EXPECT_STREQ(folder, c.folder) << c.path;
        EXPECT_STREQ(name, c.name) << c.path;
        EXPECT_STREQ(extension, c.extension) << c.path;
        char out[64];
        EXPECT_EQ(zr::UtilityGetFileName(c.path, out, sizeof out), 0u) << c.path;
        EXPECT_EQ(std::string(out), std::string(c.name) + c.extension) << c.path;
        EXPECT_EQ(zr::UtilityGetFileTitle(c.path, out, sizeof out), 0u) << c.path;
        EXPECT_EQ(std::string(out), std::string(c.name) + c.extension) << c.path;
    }
}

TEST(PathUtility, OutputsAreBoundedBySize)
{
    const char* path = "C:\\J1\\P1.prt";   // name and extension: 6 characters
    char out[8];
    std::memset(out, 'x', sizeof out);
    EXPECT_EQ(zr::UtilityGetFileName(path, out, 6), zr::kPathError);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(out[1], 'x');
    EXPECT_EQ(zr::UtilityGetFileName(path, out, 7), 0u);
    EXPECT_STREQ(out, "P1.prt");
    EXPECT_EQ(zr::UtilityGetFileName(path, nullptr, 7), zr::kPathError);
    EXPECT_EQ(zr::UtilityGetFileTitle(path, nullptr, 0), 7u);   // size query
    EXPECT_EQ(zr::UtilityGetFileTitle(path, out, 3), 7u);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(zr::UtilityGetFileTitle(path, out, 7), 0u);
}

TEST(PathUtility, NullPathIsLogged)
{
    LogCapture log;
    char out[8];
    EXPECT_EQ(zr::UtilityGetFileName(nullptr, out, sizeof out), zr::kPathError);
    EXPECT_EQ(zr::UtilityGetFileTitle(nullptr, out, sizeof out), zr::kPathError);
    ASSERT_EQ(log.Entries().size(), 2u);
    EXPECT_EQ(log.Entries()[0].source, "Utility");
    EXPECT_EQ(log.Entries()[0].message, "Path is NULL");
    CString drive("x"), folder, name, extension;
    zr::UtilitySetPath(nullptr, drive, folder, name, extension);
    EXPECT_STREQ(drive, "");
}

}  // namespace
