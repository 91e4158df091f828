#include "shell/FileNameList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Walk(const CFileNameList& list)
{
    std::vector<std::string> names;
    for (CFileNameList::Position pos = list.GetHeadPosition(); pos;)
        names.push_back(list.GetNext(pos));
    return names;
}

TEST(FileNameList, CountAndWalkAgree)
{
    struct Case {
        const char* text;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"A|B|", {"A", "B"}},
        {"C:\\J\\G\\B12.prt|C:\\J\\G\\*.prt|", {"C:\\J\\G\\B12.prt", "C:\\J\\G\\*.prt"}},
        {"A||B|", {"A", "B"}},              // an empty name between is skipped, not the end
        {"|A|", {"A"}},                     // so is a leading one
        {"A|B", {"A", "B"}},                // a last name without its '|' still counts
        {"C:\\J\\G\\B12.prt", {"C:\\J\\G\\B12.prt"}},
        {"A b|", {"A b"}},
        {"", {}},
        {"|", {}},
        {"|||", {}},
    };
    for (const Case& c : cases) {
        const CFileNameList list(c.text);
        EXPECT_EQ(Walk(list), c.names) << c.text;
        EXPECT_EQ(list.GetCount(), c.names.size()) << c.text;
        EXPECT_EQ(list.IsEmpty(), c.names.empty()) << c.text;
    }
}

TEST(FileNameList, WalkPastTheEndGivesEmptyNames)
{
    const CFileNameList list("A|");
    CFileNameList::Position pos = list.GetHeadPosition();
    EXPECT_EQ(list.GetNext(pos), "A");
    EXPECT_EQ(pos, nullptr);
    EXPECT_EQ(list.GetNext(pos), "");
    EXPECT_EQ(pos, nullptr);
}

TEST(FileNameList, ViewsTheCallersTextWithoutCopying)
{
    const std::string text = "A|B|";
    const CFileNameList list(text);
    EXPECT_EQ(list.GetHeadPosition(), text.data());
}

} // namespace
