#include "model/Dimension.h"

#include <gtest/gtest.h>

TEST(Dimension, Smoke)
{
    CDimension d;
    d.SetValue(40.5);
    EXPECT_EQ(d.GetString(), "3'4\"1/2");
}
