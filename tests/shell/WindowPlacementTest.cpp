#include "shell/WindowPlacement.h"

#include "fw/core/Profile.h"
#include "shell/VarnexStrings.h"

#include <gtest/gtest.h>

namespace {

using Values = std::map<std::pair<std::string, std::string>, std::string>;

const fw::Rect kScreen{0, 0, 1920, 1080};
const fw::Rect kDefault{100, 80, 900, 680};

TEST(WindowPlacement, MainWindowRoundTrip)
{
    struct Case {
        fw::Rect normal;
        bool maximized;
        Values written;
    };
    const Case cases[] = {
        {{10, 20, 810, 620}, false,
         {{{"General", "AppWindow"}, "10,20"}, {{"General", "AppWindowSize"}, "800,600"}, {{"General", "MaximizeApp"}, "0"}}},
        {{-4, 0, 1276, 1024}, true,
         {{{"General", "AppWindow"}, "-4,0"}, {{"General", "AppWindowSize"}, "1280,1024"}, {{"General", "MaximizeApp"}, "1"}}},
    };
    for (const Case& c : cases) {
        fw::MemoryProfile profile;
        WriteMainWindowPlacement(profile, c.normal, c.maximized);
        EXPECT_EQ(profile.Values(), c.written);
        const MainWindowPlacement read = ReadMainWindowPlacement(profile);
        EXPECT_EQ(read.maximized, c.maximized);
        EXPECT_EQ(MainWindowRect(read, kDefault, {-10, 0, 1920, 1080}), c.normal);
    }
}

TEST(WindowPlacement, MainWindowFromGarbageIsClampedOrIgnored)
{
    struct Case {
        const char* position;   // nullptr: not stored
        const char* size;
        fw::Rect expected;
    };
    const Case cases[] = {
        {nullptr, nullptr, kDefault},                         // nothing stored: the default place
        {"5000,5000", "800,600", {1120, 480, 1920, 1080}},    // off the screen: moved back on
        {"-300,-50", "800,600", {0, 0, 800, 600}},
        {"10,10", "9000,9000", {0, 0, 1920, 1080}},           // too big: the screen
        {"10,10", "20,20", {10, 10, 170, 130}},               // too small: the smallest window
        {"abc", "800,600", {100, 80, 900, 680}},              // unreadable position: default position
        {"10,10", "800", {10, 10, 810, 610}},                 // unreadable size: default size
        {"10,10,5", "0,600", kDefault},
        {"10 ,20", "-800,600", {10, 20, 810, 620}},
        {"99999999999,1", "800,600x", kDefault},
        {"2147483647,2147483647", "2147483647,2147483647", kDefault},
    };
    for (const Case& c : cases) {
        fw::MemoryProfile profile;
        if (c.position)
            profile.WriteProfileString("General", "AppWindow", c.position);
        if (c.size)
            profile.WriteProfileString("General", "AppWindowSize", c.size);
        EXPECT_EQ(MainWindowRect(ReadMainWindowPlacement(profile), kDefault, kScreen), c.expected)
            << (c.position ? c.position : "-") << " / " << (c.size ? c.size : "-");
    }
}

TEST(WindowPlacement, MaximizedUnlessTheProfileSaysOtherwise)
{
    fw::MemoryProfile profile;
    EXPECT_TRUE(ReadMainWindowPlacement(profile).maximized);
    profile.WriteProfileInt("General", "MaximizeApp", 0);
    EXPECT_FALSE(ReadMainWindowPlacement(profile).maximized);
    profile.WriteProfileString("General", "MaximizeApp", "x");
    EXPECT_TRUE(ReadMainWindowPlacement(profile).maximized);
}

TEST(WindowPlacement, ChildRectangleText)
{
    EXPECT_EQ(FormatChildRect({10, 20, 410, 320}), "10,20,400,300");
    struct Case {
        const char* text;
        std::optional<fw::Rect> rect;
    };
    const Case cases[] = {
        {"10,20,400,300", fw::Rect{10, 20, 410, 320}},
        {"-5, 0, 1, 1", fw::Rect{-5, 0, -4, 1}},
        {"", std::nullopt}, {"10,20,400", std::nullopt}, {"10,20,400,300,1", std::nullopt},
        {"10,20,0,300", std::nullopt}, {"10,20,400,-3", std::nullopt}, {"a,b,c,d", std::nullopt},
        {"10,20,400,300x", std::nullopt}, {"1,2,2147483647,4", std::nullopt}, {",,,", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseChildRect(c.text), c.rect) << c.text;
}

TEST(WindowPlacement, ChildRectangleIsRestoredOnlyWhenRetained)
{
    const auto restore = [](const fw::Profile& p) {
        return RestoreChildRect(p, ids::IDS_CURRENT_SETTINGS, ids::IDS_RETAIN_PART, ids::IDS_LAYOUT, ids::IDS_PARTVIEW);
    };
    fw::MemoryProfile profile;
    SaveChildRect(profile, ids::IDS_LAYOUT, ids::IDS_PARTVIEW, {10, 20, 410, 320});
    EXPECT_EQ(profile.Values(), (Values{{{"Layout", "PartView"}, "10,20,400,300"}}));
    EXPECT_EQ(restore(profile), std::nullopt);   // saved on every close, but not retained

    profile.WriteProfileInt("Current Settings", "Retain Part Information Window Position", 1);
    EXPECT_EQ(restore(profile), (fw::Rect{10, 20, 410, 320}));
    profile.WriteProfileString("Layout", "PartView", "garbage");
    EXPECT_EQ(restore(profile), std::nullopt);
}

TEST(WindowPlacement, KeysOfTheDocumentWindows)
{
    EXPECT_EQ(KeysOf(ChildWindow::partInformation).rectKey, ids::IDS_PARTVIEW);
    EXPECT_EQ(KeysOf(ChildWindow::toolInformation).toolbar, 247u);
    EXPECT_EQ(LoadVarnexString(KeysOf(ChildWindow::handMult).rectKey), "HMultView");
    EXPECT_EQ(LoadVarnexString(KeysOf(ChildWindow::shapeInformation).retainKey), "Retain Shape Information Window Position");
}

} // namespace
