#include "lenbox/FeetInchFrac.h"

#include <gtest/gtest.h>

using lenbox::CFeetInchFrac;

TEST(Scratch, Basic)
{
    CFeetInchFrac f;
    ASSERT_TRUE(f.SetMaxDenominator(64));
    ASSERT_TRUE(f.SetValue(30.5));
    EXPECT_EQ(f.GetEditText(), " 2' 6\" 1/2 ");
}
