#include "fw/qt/QtPoster.h"
#include "tests/fw/QtApp.h"

#include <gtest/gtest.h>

#include <QThread>
#include <QTest>
#include <thread>
#include <vector>

TEST(QtPoster, DeliversCallsFromAWorkerOntoTheGuiThreadInOrder)
{
    test::QtApp();
    fw::QtPoster poster;
    std::vector<int> ran;
    bool allOnGuiThread = true;
    std::jthread worker([&] {
        for (int i = 0; i < 50; ++i)
            poster.Post([&, i] {
                allOnGuiThread = allOnGuiThread && QThread::currentThread() == qApp->thread();
                ran.push_back(i);
            });
    });
    worker.join();
    EXPECT_TRUE(ran.empty());   // nothing runs before the event loop does
    ASSERT_TRUE(QTest::qWaitFor([&ran] { return ran.size() == 50; }, 5000)) << ran.size() << " of 50 ran";
    EXPECT_TRUE(allOnGuiThread);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(ran[std::size_t(i)], i);
}

TEST(QtPoster, DropsCallsStillQueuedWhenDestroyed)
{
    test::QtApp();
    bool ran = false;
    {
        fw::QtPoster poster;
        poster.Post([&] { ran = true; });
    }
    QCoreApplication::processEvents();
    EXPECT_FALSE(ran);
}
