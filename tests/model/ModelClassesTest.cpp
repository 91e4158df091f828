#include "model/ModelClasses.h"
#include "model/Surface.h"

#include <gtest/gtest.h>

TEST(ModelClasses, EveryArchivedClassIsKnownByNameWithSchemaOne)
{
    RegisterModelClasses();
    for (const char* name : {"CDimension", "CZone", "CPartTool", "CPartToolRD", "CPartToolSQ", "CPartToolER",
                             "CPartToolCR", "CPartToolHX", "CPartToolHC", "CPartToolVC", "CZoneTool", "CToolList",
                             "CRefPlane", "CPattern", "CPatternList", "CStencilPattern", "CStencilPatternList",
                             "CSurface", "CWebSurface", "CTfSurface", "CBfSurface", "CWeb2Surface"}) {
        const fw::RuntimeClass* cls = fw::RuntimeClass::FromName(name);
        ASSERT_NE(cls, nullptr) << name;
        EXPECT_EQ(cls->StoredSchema(), 1) << name;
        EXPECT_FALSE(cls->IsVersionable()) << name;
        EXPECT_STREQ(cls->CreateObject()->GetRuntimeClass()->className, name);
    }
}

TEST(Surface, SubclassesSetTheirFaceCode)
{
    const struct {
        const char* name;
        std::uint32_t code;
    } cases[] = {{"CSurface", 0}, {"CWebSurface", 16}, {"CTfSurface", 32}, {"CBfSurface", 48}, {"CWeb2Surface", 64}};
    RegisterModelClasses();
    for (const auto& c : cases) {
        const auto surface = fw::RuntimeClass::FromName(c.name)->CreateObject();
        ASSERT_TRUE(surface->IsKindOf<CSurface>());
        EXPECT_EQ(static_cast<const CSurface&>(*surface).GetFaceCode(), c.code) << c.name;
        EXPECT_EQ(static_cast<const CSurface&>(*surface).GetText(), "") << c.name;
    }
}
