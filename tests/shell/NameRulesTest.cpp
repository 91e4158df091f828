#include "shell/NameRules.h"

#include <gtest/gtest.h>

namespace {

TEST(NameRules, NewItemNames)
{
    struct Case {
        const char* name;
        bool accepted;
    };
    const Case cases[] = {
        {"J1", true}, {"1234567890", true}, {"Job 2.b", true}, {"A-B_C", true},
        {"", false}, {"12345678901", false},
        {"A\\B", false}, {"A/B", false}, {"..", false}, {"A..B", false}, {".", false},
        {"C:", false}, {"A|B", false}, {"*.prt", false}, {"A?", false}, {"A\tB", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NewItemNameError(c.name).empty(), c.accepted) << c.name;
    EXPECT_EQ(NewItemNameError(""), "String must be 1 to 10 characters");
    EXPECT_EQ(NewItemNameError("12345678901"), "String must be 1 to 10 characters");
}

TEST(NameRules, ApplyHand)
{
    struct Case {
        const char* mark;
        Hand hand;
        const char* expected;
    };
    const Case cases[] = {
        {"B12-r", Hand::right, "B12-R"},
        {"B12-R", Hand::left, "B12-L"},
        {"B12-l", Hand::left, "B12-L"},
        {"B12", Hand::left, "B12-L"},
        {"12345678", Hand::right, "12345678-R"},
        {"123456789", Hand::left, "12345678-L"},      // 9 characters: cut to 8 first
        {"1234567890", Hand::right, "12345678-R"},
        {"", Hand::left, "-L"},
        {"L", Hand::right, "L-R"},                    // one character is no suffix
        {"-", Hand::left, "--L"},
        {"B12", Hand::none, "B12"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ApplyHand(c.mark, c.hand), c.expected) << c.mark;
    EXPECT_TRUE(HasHandSuffix("x-l"));
    EXPECT_FALSE(HasHandSuffix("x-X"));
    EXPECT_FALSE(HasHandSuffix("R"));
}

TEST(NameRules, ShopDiskFileNames)
{
    struct Case {
        const char* name;
        bool valid;
    };
    const Case cases[] = {
        {"DEFAULT", true}, {"@`{}_^$~", true}, {"!#%&-()'", true}, {"a1Z9", true}, {"12345678", true},
        {"", false}, {"123456789", false}, {" ABC", false}, {"AB C", false}, {"A.B", false},
        {"A*", false}, {"A\\B", false}, {"A|", false}, {"\xC4", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsValidShopDiskFileName(c.name), c.valid) << c.name;
}

} // namespace
