#include "fw/core/Poster.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

TEST(QueuePoster, RunsCallsPostedFromOtherThreadsInTheirOrderOnTheRunningThread)
{
    fw::QueuePoster poster;
    std::vector<int> ran[2];   // touched only by this thread, which runs the calls
    const std::thread::id self = std::this_thread::get_id();
    bool allOnThisThread = true;
    {
        std::jthread workers[2];
        for (int w = 0; w < 2; ++w)
            workers[w] = std::jthread([&, w] {
                for (int i = 0; i < 500; ++i)
                    poster.Post([&, w, i] {
                        allOnThisThread = allOnThisThread && std::this_thread::get_id() == self;
                        ran[w].push_back(i);
                    });
            });
        while (ran[0].size() + ran[1].size() < 1000)
            poster.RunPending();
    }
    EXPECT_TRUE(allOnThisThread);
    for (const std::vector<int>& calls : ran) {
        ASSERT_EQ(calls.size(), 500u);
        for (int i = 0; i < 500; ++i)
            EXPECT_EQ(calls[std::size_t(i)], i);
    }
    EXPECT_EQ(poster.Pending(), 0u);
}

TEST(QueuePoster, CallsPostedWhileRunningWaitForTheNextRun)
{
    fw::QueuePoster poster;
    int count = 0;
    std::function<void()> again = [&] { ++count; poster.Post(again); };
    poster.Post(again);
    EXPECT_EQ(poster.RunPending(), 1u);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(poster.Pending(), 1u);
}
