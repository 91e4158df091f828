// Opening part and mult files through the program's documents: an open with a window tells the
// user what the file names and could not be found; a hidden open keeps it for its caller.

#include "shell/VarnexDocuments.h"

#include "fw/core/DocTemplate.h"

#include "tests/machmult/MultTestSupport.h"

#include <filesystem>

namespace {

constexpr const char* kA1Part = "C:\\Kestrom\\Jobs\\J1\\G1\\A1.prt";

class VarnexDocumentsTest : public multtest::MultFixture {
protected:
    VarnexDocumentsTest() : documents({{TemplateId::part, [] { return std::make_unique<CPartDoc>(); }}}, nullptr)
    {
        documents.Template(TemplateId::part).SetFrameFactory([this](fw::Document&) {
            framesShown = messages->Shown().size();
            return true;
        });
        PutPart("A1", 240.0);   // its tool file 13_16RD.tl is not there
        std::filesystem::remove(drives.C() / "Kestrom/Shapes/W 12X26.shp");
    }

    VarnexDocuments documents;
    std::size_t framesShown = 0;   // the messages shown before the frame was made
};

TEST_F(VarnexDocumentsTest, OpeningAPartWithAWindowShowsWhatItsFileNamesAndIsMissing)
{
    messages->Answer(fw::IDOK).Answer(fw::IDOK);
    documents.OpenFile(kA1Part);
    ASSERT_EQ(messages->Shown().size(), 2u);
    EXPECT_EQ(framesShown, 0u);   // the window first, then its messages
    EXPECT_EQ(messages->Shown()[0],
              (fw::ShownMessage{"Shape  W 12X26  does not Exist", "SHAPE ERROR", fw::MB_OK, fw::IDOK}));
    EXPECT_NE(messages->Shown()[1].text.find("C:\\Kestrom\\Tools\\13_16RD.tl"), std::string::npos);
    EXPECT_EQ(messages->Beeps(), std::vector<unsigned>{fw::MB_ICONEXCLAMATION});
    EXPECT_NE(documents.Manager().FindOpenDocument(kA1Part), nullptr);   // the part opens all the same
}

TEST_F(VarnexDocumentsTest, AHiddenOpenShowsNothingUntilItsFrameIsShown)
{
    ItemDocument* hidden = documents.OpenHidden(nav::Object::part, kA1Part);
    ASSERT_NE(hidden, nullptr);
    EXPECT_TRUE(messages->Shown().empty());
    EXPECT_TRUE(messages->Beeps().empty());

    messages->Answer(fw::IDOK).Answer(fw::IDOK);
    hidden->ShowFrame();
    EXPECT_EQ(messages->Shown().size(), 2u);
}

} // namespace
