#include "model/SmartDoc.h"

#include "fw/core/Archive.h"
#include "fw/core/AtomicFile.h"
#include "fw/core/DocManager.h"
#include "fw/core/MessageService.h"
#include "fw/core/Poster.h"

#include "tests/fw/TempDrives.h"

#include <gtest/gtest.h>

namespace {

class CTestDoc : public CSmartDoc {
public:
    std::string text;
    std::string pathWhileLoading;
    void Serialize(fw::Archive& ar) override
    {
        if (ar.IsStoring()) {
            ar << text;
            return;
        }
        pathWhileLoading = GetPathName();
        ar >> text;
    }
    void DeleteContents() override { text.clear(); }
};

// A view whose frame closes when asked (or, when stubborn, stays).
struct TestView : fw::View {
    explicit TestView(bool closes = true) : closes(closes) {}
    void OnUpdate(fw::View*, long, fw::Object*) override {}
    void CloseFrame() override
    {
        ++closeRequests;
        if (closes && GetDocument())
            GetDocument()->RemoveView(this);
    }
    bool closes;
    int closeRequests = 0;
};

class SmartDocTest : public testing::Test {
protected:
    SmartDocTest()
    {
        shapes = manager.AddDocTemplate(std::make_unique<fw::DocTemplate>(
            "\nShape\nShape\nShape (*.shp)\n.shp", [] { return std::make_unique<CTestDoc>(); }));
    }
    CTestDoc* NewDoc() { return static_cast<CTestDoc*>(shapes->OpenDocumentFile("", false)); }

    TempDrives drives;
    fw::ScriptedMessages messages;
    fw::DocManager manager;
    fw::DocTemplate* shapes;
};

} // namespace

TEST_F(SmartDocTest, StateFlagsAndCommandsFollowTheLifecycle)
{
    CTestDoc constructed;
    EXPECT_EQ(constructed.GetDocumentState(), CSmartDoc::stateStored);
    EXPECT_EQ(constructed.GetKeyFieldsFlag(), 1);
    EXPECT_TRUE(constructed.IsSaveAllowed());

    CTestDoc* doc = NewDoc();
    EXPECT_EQ(doc->GetDocumentState(), CSmartDoc::stateNew);
    doc->DisableKeyFields();
    EXPECT_EQ(doc->GetKeyFieldsFlag(), 0);
    doc->EnableKeyFields();
    EXPECT_EQ(doc->GetKeyFieldsFlag(), 1);

    // state x command: Save, Save As and Save/New go with the save-allowed flag.
    const struct {
        int state;
        bool saveAllowed;
        bool enabled;
    } rows[] = {{CSmartDoc::stateNew, true, true}, {CSmartDoc::stateNew, false, false},
                {CSmartDoc::stateStored, true, true}, {CSmartDoc::stateStored, false, false}};
    for (const auto& row : rows) {
        doc->SetDocumentState(row.state);
        doc->SetSaveAllowed(row.saveAllowed);
        for (unsigned command : {ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_SAVE_NEW})
            EXPECT_EQ(doc->IsCommandEnabled(command), row.enabled) << row.state << " " << command;
        EXPECT_EQ(doc->IsCommandEnabled(ID_FILE_CLOSE), std::nullopt);
    }
}

TEST_F(SmartDocTest, OpenSetsThePathBeforeLoadingAndKeepsTheStoredState)
{
    TempDrives::Put(drives.C() / "A/W12X26.shp", std::string("\x03" "W12"));
    auto* doc = static_cast<CTestDoc*>(manager.OpenDocumentFile("C:\\A\\W12X26.shp", false));
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->pathWhileLoading, "C:\\A\\W12X26.shp");
    EXPECT_EQ(doc->GetDocumentState(), CSmartDoc::stateStored);
    EXPECT_EQ(manager.GetRecentFiles().front(), "C:\\A\\W12X26.shp");
}

TEST_F(SmartDocTest, AFailedOpenKeepsThePreviousPathAndTheRecentFiles)
{
    TempDrives::Put(drives.C() / "bad.shp", std::string("\x09" "short"));
    CTestDoc* doc = NewDoc();
    doc->SetPathName("C:\\old.shp", false);
    messages->Answer(fw::IDOK);
    EXPECT_FALSE(doc->OnOpenDocument("C:\\bad.shp"));
    EXPECT_EQ(doc->GetPathName(), "C:\\old.shp");
    EXPECT_EQ(doc->GetTitle(), "old.shp");
    EXPECT_TRUE(manager.GetRecentFiles().empty());
    EXPECT_EQ(messages->Shown().size(), 1u);
}

TEST_F(SmartDocTest, SaveMakesTheFoldersAndTakesThePath)
{
    CTestDoc* doc = NewDoc();
    doc->text = "W12";
    ASSERT_TRUE(doc->OnSaveDocument("C:\\A\\B\\W12X26.shp"));
    EXPECT_EQ(TempDrives::Get(drives.C() / "A/B/W12X26.shp"), std::string("\x03" "W12"));
    EXPECT_EQ(doc->GetPathName(), "C:\\A\\B\\W12X26.shp");
    EXPECT_EQ(manager.GetRecentFiles().front(), "C:\\A\\B\\W12X26.shp");
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(SmartDocTest, ARefusedSaveShowsMessage208AndWritesNothing)
{
    TempDrives::Put(drives.C() / "A/old.shp", "old bytes");
    CTestDoc* doc = NewDoc();
    doc->SetPathName("C:\\A\\old.shp", false);
    doc->SetSaveAllowed(false);
    doc->text = "new";
    messages->Answer(fw::IDOK).Answer(fw::IDOK);
    EXPECT_FALSE(doc->SaveDocument());
    EXPECT_FALSE(doc->OnSaveDocument("C:\\B\\new.shp"));
    ASSERT_EQ(messages->Shown().size(), 2u);
    EXPECT_EQ(messages->Shown()[0].text,
              "Warning: Can't save new document on top of old!  You must change key fields.");
    EXPECT_EQ(messages->Shown()[0].type, fw::MB_OK | fw::MB_ICONEXCLAMATION);
    EXPECT_EQ(TempDrives::Get(drives.C() / "A/old.shp"), "old bytes");
    EXPECT_EQ(TempDrives::Names(drives.C()), std::vector<std::string>{"A"});
    EXPECT_EQ(TempDrives::Names(drives.C() / "A"), std::vector<std::string>{"old.shp"});
    EXPECT_TRUE(manager.GetRecentFiles().empty());
}

TEST_F(SmartDocTest, AFailedSaveReportsAndKeepsThePreviousFile)
{
    TempDrives::Put(drives.C() / "A/old.shp", "old bytes");
    CTestDoc* doc = NewDoc();
    doc->SetPathName("C:\\A\\old.shp", false);
    doc->text = std::string(100, 'x');
    fw::AtomicFile::FailWritesAfter(10);
    messages->Answer(fw::IDOK);
    EXPECT_FALSE(doc->OnSaveDocument("C:\\A\\old.shp"));
    fw::AtomicFile::FailWritesAfter(std::nullopt);
    EXPECT_EQ(TempDrives::Get(drives.C() / "A/old.shp"), "old bytes");

    // A folder of the path that is a file.
    messages->Answer(fw::IDOK);
    EXPECT_FALSE(doc->OnSaveDocument("C:\\A\\old.shp\\x.shp"));
    EXPECT_EQ(messages->Shown().size(), 2u);
    EXPECT_EQ(TempDrives::Get(drives.C() / "A/old.shp"), "old bytes");
    EXPECT_EQ(doc->GetPathName(), "C:\\A\\old.shp");
}

TEST_F(SmartDocTest, SetFileNameKeepsTheFolderAndAddsTheExtension)
{
    CTestDoc* doc = NewDoc();
    doc->SetPathName("C:\\A\\B\\old.shp", false);
    doc->SetFileName("W12X26");
    EXPECT_EQ(doc->GetPathName(), "C:\\A\\B\\W12X26.shp");
    doc->SetPathName("old.shp", false);
    doc->SetFileName("W12X26");
    EXPECT_EQ(doc->GetPathName(), "W12X26.shp");
    EXPECT_TRUE(manager.GetRecentFiles().empty());
}

TEST_F(SmartDocTest, CloseOtherViewsKeepsOnlyTheGivenView)
{
    CTestDoc* doc = NewDoc();
    TestView keep, a, b, stubborn(false);
    for (fw::View* v : std::initializer_list<fw::View*>{&a, &keep, &stubborn, &b})
        doc->AddView(v);
    doc->CloseOtherViews(&keep);
    EXPECT_EQ(doc->GetViews(), (std::vector<fw::View*>{&keep, &stubborn}));
    EXPECT_EQ(keep.closeRequests, 0);
    EXPECT_EQ(stubborn.closeRequests, 1);   // asked once, however its frame answers
    doc->RemoveView(&keep);
    doc->RemoveView(&stubborn);
}

TEST_F(SmartDocTest, CloseOtherViewsWithoutAViewPostsFileClose)
{
    fw::QueuePoster poster;
    CTestDoc* doc = NewDoc();
    doc->SetPoster(&poster);
    doc->CloseOtherViews(nullptr);
    EXPECT_EQ(poster.Pending(), 0u);   // no view, no window to post to

    TestView view;
    doc->AddView(&view);
    doc->CloseOtherViews(nullptr);
    EXPECT_EQ(poster.Pending(), 1u);
    EXPECT_EQ(shapes->GetDocuments().size(), 1u);
    poster.RunPending();
    EXPECT_TRUE(shapes->GetDocuments().empty());
    EXPECT_EQ(view.closeRequests, 1);

    // A document closed before the posted command runs is not touched.
    CTestDoc* other = NewDoc();
    other->SetPoster(&poster);
    TestView otherView;
    other->AddView(&otherView);
    other->CloseOtherViews(nullptr);
    shapes->CloseDocument(other);
    EXPECT_EQ(poster.RunPending(), 1u);
}

TEST_F(SmartDocTest, FileCloseAsksToSaveAModifiedDocument)
{
    CTestDoc* doc = NewDoc();
    doc->SetModifiedFlag();
    messages->Answer(fw::IDCANCEL);
    doc->OnFileClose();
    EXPECT_EQ(shapes->GetDocuments().size(), 1u);
    messages->Answer(fw::IDNO);
    doc->OnFileClose();
    EXPECT_TRUE(shapes->GetDocuments().empty());
}
