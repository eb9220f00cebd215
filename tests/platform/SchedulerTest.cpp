#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <vector>

TEST(VirtualScheduler, RunsTasksInTimeOrderAndHonoursCancellation)
{
    VirtualScheduler s;
    std::vector<int> order;
    s.postAfter(0.5, [&] { order.push_back(2); });
    s.post([&] { order.push_back(1); });
    const auto cancelled = s.postAfter(0.2, [&] { order.push_back(99); });
    s.cancel(cancelled);
    int ticks = 0;
    Scheduler::TimerId rep = 0;
    rep = s.repeating(0.25, [&] {
        if (++ticks == 3)
            s.cancel(rep);
    });
    s.advance(0.3);
    EXPECT_EQ(order, (std::vector<int> { 1 }));
    s.advance(10);
    EXPECT_EQ(order, (std::vector<int> { 1, 2 }));
    EXPECT_EQ(ticks, 3);
    EXPECT_DOUBLE_EQ(s.now(), 10.3);
    EXPECT_EQ(s.pendingCount(), 0u);
}
