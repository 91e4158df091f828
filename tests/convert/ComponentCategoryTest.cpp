#include "convert/ComponentCategory.h"

#include "fw/core/ComponentCategories.h"

#include <gtest/gtest.h>

namespace {

TEST(ComponentCategory, IsRegisteredInUsEnglishWithItsDescriptionCut)
{
    const std::string id = "{5E1B0C2A-7F3D-4B8E-9A61-2C4D8F0B3E77}";
    EXPECT_EQ(CreateComponentCategory(id, "Varnex " + std::string(150, 'd')), fw::S_OK);
    const std::optional<std::string> description = fw::ComponentCategories::Instance().Description(id, 0x409);
    ASSERT_TRUE(description.has_value());
    EXPECT_EQ(*description, ("Varnex " + std::string(150, 'd')).substr(0, 127));
    EXPECT_EQ(fw::ComponentCategories::Instance().Description(id, 0x407), std::nullopt);
    EXPECT_EQ(CreateComponentCategory("", "no id"), fw::E_INVALIDARG);
}

} // namespace
