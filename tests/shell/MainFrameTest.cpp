#include "shell/ui/MainFrame.h"
#include "tests/fw/QtApp.h"

#include <gtest/gtest.h>

#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>

namespace {

QAction* FindAction(const QList<QAction*>& actions, const QString& text)
{
    for (QAction* action : actions)
        if (action->text() == text)
            return action;
    return nullptr;
}

TEST(MainFrame, IsAnMdiFrameWithMenusToolbarAndStatusBar)
{
    test::QtApp();
    CMainFrame frame;
    frame.show();

    EXPECT_EQ(frame.windowTitle(), "Varnex");
    EXPECT_EQ(frame.centralWidget(), &frame.MdiArea());
    EXPECT_EQ(frame.findChildren<QToolBar*>().size(), 1);
    EXPECT_TRUE(frame.ToolBar().isVisible());
    EXPECT_EQ(frame.statusBar()->currentMessage(), "Ready");

    QAction* file = FindAction(frame.menuBar()->actions(), "&File");
    ASSERT_NE(file, nullptr);
    ASSERT_NE(file->menu(), nullptr);
    QAction* exit = FindAction(file->menu()->actions(), "E&xit");
    ASSERT_NE(exit, nullptr);

    exit->trigger();
    EXPECT_FALSE(frame.isVisible());
}

TEST(MainFrame, StatusBarReturnsToReadyAfterACommandDescription)
{
    test::QtApp();
    CMainFrame frame;
    QStatusTipEvent describe("Opens a part");
    QCoreApplication::sendEvent(&frame, &describe);
    EXPECT_EQ(frame.statusBar()->currentMessage(), "Opens a part");
    QStatusTipEvent idle("");
    QCoreApplication::sendEvent(&frame, &idle);
    EXPECT_EQ(frame.statusBar()->currentMessage(), "Ready");
}

} // namespace
