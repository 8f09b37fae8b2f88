#include "platform/core/event_loop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/error.h"
#include "platform/core/steps.h"

using platform::EventLoop;

TEST(VirtualClock, AdvanceRunsDueTimersInOrderWithTheClockAtTheirDueTime) {
    EventLoop loop(true);
    std::vector<std::string> fired;
    loop.addTimer(250, [&] { fired.push_back("a@" + std::to_string(loop.nowMs())); });
    loop.addTimer(1000, [&] { fired.push_back("b@" + std::to_string(loop.nowMs())); }, true);
    loop.addTimer(500, [&] { fired.push_back("c@" + std::to_string(loop.nowMs())); });
    loop.advance(1000);
    EXPECT_EQ(fired, (std::vector<std::string>{"a@250", "a@500", "c@500", "a@750", "a@1000",
                                               "b@1000", "c@1000"}));
    EXPECT_EQ(loop.nowMs(), 1000);
    fired.clear();
    loop.advance(249);
    EXPECT_TRUE(fired.empty());
}

TEST(VirtualClock, TimerRemovedByAnotherDoesNotFireAndOneShotFiresOnce) {
    EventLoop loop(true);
    int a = 0, b = 0;
    EventLoop::Id second = 0;
    loop.addTimer(100, [&] {
        ++a;
        loop.removeTimer(second);
    });
    second = loop.addTimer(100, [&] { ++b; });
    auto once = loop.addTimer(50, [&] { ++b; }, true);
    loop.advance(300);
    EXPECT_EQ(a, 3);
    EXPECT_EQ(b, 1);  // the one-shot only
    EXPECT_FALSE(loop.hasTimer(once));
}

TEST(EventLoop, PostedWorkRunsInOrderAndNestedLoopEndsWhenDone) {
    EventLoop loop(true);
    std::vector<int> order;
    bool done = false;
    loop.post([&] { order.push_back(1); });
    loop.post([&] {
        order.push_back(2);
        loop.post([&] { done = true; });
    });
    loop.runUntil([&] { return done; });
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
    EXPECT_TRUE(done);
}

TEST(EventLoop, IdleNestedLoopOnVirtualClockRaisesInsteadOfHanging) {
    EventLoop loop(true);
    loop.addTimer(100, [] {});
    EXPECT_THROW(loop.runUntil([] { return false; }), platform::Error);
}

TEST(EventLoop, IdleHandlersDriveANestedLoop) {
    EventLoop loop(true);
    int steps = 0;
    loop.addIdleHandler([&] { return ++steps < 3; });
    loop.addIdleHandler([&] {
        loop.advance(10);
        return true;
    });
    int ticks = 0;
    loop.addTimer(10, [&] { ++ticks; });
    loop.runUntil([&] { return ticks >= 2; });
    EXPECT_EQ(ticks, 2);
}

TEST(EventLoop, RealClockTimerFires) {
    EventLoop loop(false);
    bool fired = false;
    loop.addTimer(5, [&] { fired = true; }, true);
    loop.runUntil([&] { return fired; });
    EXPECT_TRUE(fired);
}

TEST(IgnoreStepByStep, FailingStepsAreSkippedAndCounted) {
    std::vector<int> ran;
    int failed = platform::ignoreStepByStep({
        [&] { ran.push_back(1); },
        [&] { throw platform::Error(1, "t", "boom"); },
        [&] { ran.push_back(3); },
    });
    EXPECT_EQ(failed, 1);
    EXPECT_EQ(ran, (std::vector<int>{1, 3}));
}

TEST(EventLoop, IdleHandlersTellAWaitingLoopFromADoEventsPass) {
    EventLoop loop(true);
    std::vector<bool> waits;
    bool done = false;
    loop.addIdleHandler([&] {
        waits.push_back(loop.idleWaits());
        return false;
    });
    loop.doEvents();
    loop.addTimer(10, [&] { done = true; }, true);
    loop.addIdleHandler([&] {
        loop.advance(10);
        return true;
    });
    loop.runUntil([&] { return done; });
    EXPECT_EQ(waits, (std::vector<bool>{false, true}));
    EXPECT_FALSE(loop.idleWaits());
}
