#include "forms/base/ScopeGuard.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using namespace forms;

TEST(ScopeGuard, RunsOnceAtTheEndOfTheScope) {
    int runs = 0;
    {
        auto guard = OnScopeExit([&] { ++runs; });
        EXPECT_EQ(runs, 0);
        EXPECT_TRUE(guard.Armed());
    }
    EXPECT_EQ(runs, 1);
}

TEST(ScopeGuard, RunsWhileAnExceptionUnwinds) {
    std::vector<std::string> order;
    try {
        auto outer = OnScopeExit([&] { order.push_back("outer"); });
        auto inner = OnScopeExit([&] { order.push_back("inner"); });
        throw std::runtime_error("x");
    } catch (const std::runtime_error&) {
        order.push_back("caught");
    }
    // Reverse order of creation, both before the handler.
    EXPECT_EQ(order, (std::vector<std::string>{"inner", "outer", "caught"}));
}

TEST(ScopeGuard, DismissedGuardDoesNothing) {
    int runs = 0;
    {
        auto guard = OnScopeExit([&] { ++runs; });
        guard.Dismiss();
        EXPECT_FALSE(guard.Armed());
    }
    EXPECT_EQ(runs, 0);
}

TEST(ScopeGuard, RunNowClosesOnceAndNotAgainAtTheEnd) {
    int runs = 0;
    {
        auto guard = OnScopeExit([&] { ++runs; });
        guard.Run();
        EXPECT_EQ(runs, 1);
        guard.Run();
        EXPECT_EQ(runs, 1);
    }
    EXPECT_EQ(runs, 1);
}

TEST(ScopeGuard, ErrorOfAnExplicitRunReachesTheCallerAndDisarms) {
    int runs = 0;
    {
        auto guard = OnScopeExit([&] {
            if (++runs == 1)
                throw std::runtime_error("close failed");
        });
        EXPECT_THROW(guard.Run(), std::runtime_error);
        EXPECT_FALSE(guard.Armed());
    }
    EXPECT_EQ(runs, 1);
}

TEST(ScopeGuard, MovedGuardRunsOnlyInItsNewPlace) {
    int runs = 0;
    {
        auto first = OnScopeExit([&] { ++runs; });
        {
            ScopeGuard second(std::move(first));
            EXPECT_FALSE(first.Armed());
        }
        EXPECT_EQ(runs, 1);
    }
    EXPECT_EQ(runs, 1);
}

TEST(ScopeGuard, KeepsItsOwnCopyOfTheAction) {
    int runs = 0;
    auto count = [&runs] { ++runs; };
    {
        ScopeGuard guard(count); // class template argument deduction
    }
    count();
    EXPECT_EQ(runs, 2);
}
