// The application's automult job as the program hands it over: the run it holds is known by
// identity, so that the status window of an earlier job never frees a later one.

#include "shell/ui/AutoMultJobTask.h"

#include "tests/fw/QtApp.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<CAutoMultRun> IdleRun()
{
    return std::make_unique<CAutoMultRun>(std::make_unique<AutoMultJob>(MultRecord{}, "C:\\", CAutoMultShapeList{}));
}

TEST(AutoMultJobTaskTest, TheCurrentRunIsTheLastHandedOver)
{
    test::QtApp();
    const CAutoMultRun* current = nullptr;
    auto first = std::make_unique<CAutoMultJobTask>(IdleRun(), current);
    const CAutoMultRun* firstRun = current;
    ASSERT_NE(firstRun, nullptr);
    EXPECT_FALSE(first->IsRunning());

    auto second = std::make_unique<CAutoMultJobTask>(IdleRun(), current);
    const CAutoMultRun* secondRun = current;
    EXPECT_NE(secondRun, firstRun);
    first.reset();   // an earlier job going leaves the later one current
    EXPECT_EQ(current, secondRun);
    second->RequestStop();
    second->Join();
    second.reset();
    EXPECT_EQ(current, nullptr);
}

} // namespace
