#include "shell/TemplateTable.h"

#include <gtest/gtest.h>

namespace {

TEST(TemplateTable, ElevenTemplatesInRegistrationOrder)
{
    std::vector<std::string> views;
    for (const TemplateInfo& t : VarnexTemplates())
        views.push_back(t.view);
    EXPECT_EQ(views, (std::vector<std::string>{"CPartView", "CPatternView", "CFaceView", "CTabView", "CMultView",
                                               "CHandMultView", "CPartListView", "CShapeView", "CToolView",
                                               "CMachineView", "CReportView"}));
    EXPECT_EQ(TemplateDocString(TemplateOf(TemplateId::part)),
              "\nPart\nPart\nPart (*.prt)\n.prt\nVarnex.Part\nVarnex Part");
}

TEST(TemplateTable, FirstTemplateWithTheExtensionWins)
{
    struct Case {
        const char* path;
        const char* view;   // nullptr: none
    };
    const Case cases[] = {
        {"C:\\J\\G\\B12.prt", "CPartView"}, {"C:\\J\\G\\B12.pat", "CPatternView"},
        {"C:\\J\\G\\M 1.mlt", "CMultView"},  {"C:\\S\\W 12X26.shp", "CShapeView"},
        {"C:\\T\\RD1.TL", "CToolView"},      {"C:\\M\\Line 1.mch", "CMachineView"},
        {"C:\\J\\G\\B12.rec", nullptr},      {"C:\\J\\G\\B12", nullptr},
    };
    for (const Case& c : cases) {
        const TemplateInfo* t = FindTemplateForPath(c.path);
        if (c.view) {
            ASSERT_NE(t, nullptr) << c.path;
            EXPECT_STREQ(t->view, c.view);
        } else {
            EXPECT_EQ(t, nullptr) << c.path;
        }
    }
}

TEST(TemplateTable, DocStringFields)
{
    const std::string mult = TemplateDocString(TemplateOf(TemplateId::handMult));
    EXPECT_EQ(DocStringPart(mult, DocStringField::windowTitle), "");
    EXPECT_EQ(DocStringPart(mult, DocStringField::docName), "Mult");
    EXPECT_EQ(DocStringPart(mult, DocStringField::filterName), "Mult(*.mlt)");
    EXPECT_EQ(DocStringPart(mult, DocStringField::filterExt), ".mlt");
    EXPECT_EQ(DocStringPart(mult, DocStringField::regFileTypeName), "Varnex Mult");
    EXPECT_EQ(DocStringPart("\nA", DocStringField::filterExt), "");
}

} // namespace
