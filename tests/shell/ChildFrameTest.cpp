#include "shell/ui/ChildFrame.h"
#include "shell/ui/NonClosableFrame.h"
#include "shell/ui/NonSizingSB.h"
#include "shell/VarnexStrings.h"
#include "tests/shell/QtFixture.h"
#include "tests/shell/TestDocument.h"

#include "fw/core/DocManager.h"

#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QSplitter>
#include <QToolBar>

namespace {

class ChildFrameTest : public test::QtFixture {
protected:
    ChildFrameTest()
    {
        area.resize(1000, 700);
        area.show();
    }
    CChildFrame* Frame()
    {
        auto* frame = new CChildFrame(new QLabel(QStringLiteral("view")));
        area.addSubWindow(frame);
        frame->show();
        return frame;
    }
    bool Restore(CChildFrame& frame)
    {
        return frame.RestoreWindowPlacement(ids::IDS_CURRENT_SETTINGS, ids::IDS_RETAIN_MULT, ids::IDS_LAYOUT, ids::IDS_MULTVIEW);
    }

    QMdiArea area;
};

TEST_F(ChildFrameTest, HasNoMinimizeOrMaximizeButtonsButContextHelp)
{
    CChildFrame* frame = Frame();
    EXPECT_FALSE(frame->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(frame->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(frame->windowFlags() & Qt::WindowContextHelpButtonHint);
    EXPECT_EQ(CChildFrame::Of(frame->View()), frame);
}

TEST_F(ChildFrameTest, DockedToolBarStaysAtTheTop)
{
    CChildFrame* frame = Frame();
    QToolBar* toolBar = frame->CreateDockedToolBar(245, QStringLiteral("Mult"));
    EXPECT_EQ(toolBar->objectName(), "ToolBar245");
    EXPECT_EQ(toolBar->windowTitle(), "Mult");
    EXPECT_EQ(toolBar->allowedAreas(), Qt::TopToolBarArea);
    auto* inner = qobject_cast<QMainWindow*>(frame->widget());
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->toolBarArea(toolBar), Qt::TopToolBarArea);
}

TEST_F(ChildFrameTest, RestoresOnlyARetainedValidRectangle)
{
    struct Case {
        int retain;                 // -1: not stored
        const char* rect;           // nullptr: not stored
        std::optional<QRect> placed;
    };
    const Case cases[] = {
        {-1, "10,20,300,200", std::nullopt},
        {0, "10,20,300,200", std::nullopt},
        {1, nullptr, std::nullopt},
        {1, "10,20,300,200", QRect(10, 20, 300, 200)},
        {1, "10,20,300", std::nullopt},
        {1, "x,20,300,200", std::nullopt},
        {1, "5000,-40,300,200", QRect(700, 0, 300, 200)},     // kept within the MDI area
        {1, "0,0,9000,9000", QRect(0, 0, 1000, 700)},
    };
    for (const Case& c : cases) {
        Profile().WriteProfileString("Current Settings", "Retain Mult Information Window Position",
                                     c.retain < 0 ? "" : std::to_string(c.retain));
        Profile().WriteProfileString("Layout", "MultView", c.rect ? c.rect : "");
        CChildFrame* frame = Frame();
        frame->setGeometry(1, 2, 250, 150);
        EXPECT_EQ(Restore(*frame), c.placed.has_value()) << (c.rect ? c.rect : "-");
        EXPECT_EQ(frame->geometry(), c.placed.value_or(QRect(1, 2, 250, 150))) << (c.rect ? c.rect : "-");
        frame->CloseFrame();
    }
}

TEST_F(ChildFrameTest, SavesItsNormalRectangleEvenWhenMaximized)
{
    CChildFrame* frame = Frame();
    frame->setGeometry(30, 40, 320, 240);
    frame->showMaximized();
    frame->SaveWindowPlacement(ids::IDS_LAYOUT, ids::IDS_MULTVIEW);
    EXPECT_EQ(Profile().GetProfileString("Layout", "MultView"), "30,40,320,240");
}

TEST_F(ChildFrameTest, SplitterFrameWithStatusBarWithoutGrip)
{
    auto* splitter = new QSplitter;
    splitter->addWidget(new QLabel(QStringLiteral("left")));
    splitter->addWidget(new QLabel(QStringLiteral("right")));
    auto* frame = new CChildFrame(splitter);
    auto* statusBar = new CNonSizingSB;
    frame->SetStatusBar(statusBar);
    area.addSubWindow(frame);
    frame->show();
    EXPECT_EQ(frame->View(), splitter);
    EXPECT_FALSE(statusBar->isSizeGripEnabled());
    EXPECT_TRUE(statusBar->isVisible());
}

TEST_F(ChildFrameTest, NonClosableFrameIgnoresTheUserButNotTheProgram)
{
    fw::DocManager manager;
    fw::DocTemplate* docTemplate = manager.AddDocTemplate(
        std::make_unique<fw::DocTemplate>("\nJob\nJob\nJob\n.job", [] { return std::make_unique<test::TextDoc>(); }));
    fw::Document* document = docTemplate->OpenDocumentFile("", false);
    auto* view = new test::TextView;
    document->AddView(view);
    auto* frame = new CNonClosableFrame(view);
    area.addSubWindow(frame);
    frame->show();
    EXPECT_EQ(frame->systemMenu(), nullptr);
    EXPECT_FALSE(frame->windowFlags() & Qt::WindowCloseButtonHint);

    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());

    EXPECT_EQ(frame->Document(), document);

    manager.CloseAllDocuments();   // the document's view closes its frame
    EXPECT_FALSE(frame->isVisible());
}

} // namespace
