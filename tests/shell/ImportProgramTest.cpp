#include "shell/ImportProgram.h"

#include "fw/core/MessageService.h"
#include "fw/core/Profile.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

using Calls = std::vector<std::string>;

struct ImportFixture : testing::Test {
    fw::ScriptedMessages messages;
    fw::MemoryProfile profile;
    Calls calls;
    std::deque<std::string> browsed;           // answers of the browse dialog
    std::vector<std::string> startable;        // programs that start

    ImportProgram Command()
    {
        return ImportProgram(
            profile,
            [this](const std::string& program, std::string& error) {
                calls.push_back("Start(" + program + ")");
                if (std::find(startable.begin(), startable.end(), program) != startable.end())
                    return true;
                error = "No such file or directory";
                return false;
            },
            [this] {
                calls.push_back("Browse");
                std::string path = browsed.front();
                browsed.pop_front();
                return path;
            });
    }
    std::string Stored() const { return profile.GetProfileString("General", "Import Program", "(unset)"); }
};

TEST_F(ImportFixture, StoredProgramStarts)
{
    profile.WriteProfileString("General", "Import Program", "/opt/import/run");
    startable = {"/opt/import/run"};
    Command().Run();
    EXPECT_EQ(calls, (Calls{"Start(/opt/import/run)"}));
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(ImportFixture, NoProgramAndNoStartsNothingAndStoresNothing)
{
    messages->Answer(fw::IDNO);
    Command().Run();
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(Stored(), "(unset)");
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_EQ(messages->Shown()[0].type, fw::MB_YESNO | fw::MB_ICONINFORMATION);
    EXPECT_EQ(messages->Shown()[0].text.substr(0, 39), "The import program could not be found. ");
}

TEST_F(ImportFixture, BrowsingStoresEvenAnEmptyChoice)
{
    messages->Answer(fw::IDYES);
    browsed = {""};
    Command().Run();
    EXPECT_EQ(calls, (Calls{"Browse"}));
    EXPECT_EQ(Stored(), "");
}

TEST_F(ImportFixture, RetryBrowsesUntilAProgramStarts)
{
    profile.WriteProfileString("General", "Import Program", "/gone");
    startable = {"/good"};
    browsed = {"/bad", "/good"};
    messages->Answer(fw::IDRETRY).Answer(fw::IDRETRY);
    Command().Run();
    EXPECT_EQ(calls, (Calls{"Start(/gone)", "Browse", "Start(/bad)", "Browse", "Start(/good)"}));
    EXPECT_EQ(Stored(), "/good");
    ASSERT_EQ(messages->Shown().size(), 2u);
    EXPECT_EQ(messages->Shown()[0],
              (fw::ShownMessage{"No such file or directory", "Error", fw::MB_RETRYCANCEL | fw::MB_ICONINFORMATION, fw::IDRETRY}));
}

TEST_F(ImportFixture, CancelEndsTheCommand)
{
    profile.WriteProfileString("General", "Import Program", "/gone");
    messages->Answer(fw::IDCANCEL);
    Command().Run();
    EXPECT_EQ(calls, (Calls{"Start(/gone)"}));
    EXPECT_EQ(Stored(), "/gone");
}

} // namespace
