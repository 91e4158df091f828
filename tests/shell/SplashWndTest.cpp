#include "shell/ui/SplashWnd.h"
#include "tests/shell/QtFixture.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {

using SplashTest = test::QtFixture;

TEST_F(SplashTest, ShowsOnceWhenEnabledAndCloseOnTheFirstKey)
{
    QWidget owner;
    owner.show();
    CSplashWnd::EnableSplashScreen(false);
    CSplashWnd::ShowSplashScreen(&owner);
    EXPECT_EQ(CSplashWnd::Instance(), nullptr);

    CSplashWnd::EnableSplashScreen(true);
    CSplashWnd::ShowSplashScreen(&owner);
    ASSERT_NE(CSplashWnd::Instance(), nullptr);
    EXPECT_TRUE(CSplashWnd::Instance()->isVisible());

    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    EXPECT_TRUE(QCoreApplication::sendEvent(&owner, &key));   // taken by the splash
    EXPECT_EQ(CSplashWnd::Instance(), nullptr);

    CSplashWnd::ShowSplashScreen(&owner);   // once per run
    EXPECT_EQ(CSplashWnd::Instance(), nullptr);
}

TEST_F(SplashTest, AClickAnywhereClosesIt)
{
    QWidget owner;
    owner.show();
    CSplashWnd::EnableSplashScreen(true);
    CSplashWnd::ShowSplashScreen(&owner);
    ASSERT_NE(CSplashWnd::Instance(), nullptr);
    EXPECT_EQ(CSplashWnd::kTimeoutMs, 5000);
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&owner, &click);
    EXPECT_EQ(CSplashWnd::Instance(), nullptr);
}

} // namespace
