#include "forms/base/CallbackGuard.h"

#include "forms/base/Exceptions.h"

#include <gtest/gtest.h>

#include <vector>

using namespace forms;

namespace {
// An enumeration as the system runs one: it goes on while the callback answers 1.
int Enumerate(int count, int (*callback)(int item, void* context), void* context) {
    int calls = 0;
    for (int i = 0; i < count; ++i) {
        ++calls;
        if (callback(i, context) == 0)
            break;
    }
    return calls;
}

struct Collect {
    std::vector<int> items;
    int failAt = -1;
    CallbackGuard guard;
};

int CollectItem(int item, void* context) {
    auto& c = *static_cast<Collect*>(context);
    return c.guard.Run(0, [&] {
        if (item == c.failAt)
            throw Exception("項目 " + std::to_string(item));
        c.items.push_back(item);
        return 1;
    });
}
} // namespace

TEST(CallbackGuard, PassesTheBodysAnswerWhenNothingFails) {
    Collect c;
    EXPECT_EQ(Enumerate(4, CollectItem, &c), 4);
    EXPECT_EQ(c.items, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_FALSE(c.guard.Failed());
    EXPECT_NO_THROW(c.guard.Rethrow());
}

TEST(CallbackGuard, FirstErrorStopsTheEnumerationAndComesAfterIt) {
    Collect c;
    c.failAt = 2;
    EXPECT_EQ(Enumerate(5, CollectItem, &c), 3); // stopped at the failing item
    EXPECT_EQ(c.items, (std::vector<int>{0, 1}));
    ASSERT_TRUE(c.guard.Failed());
    try {
        c.guard.Rethrow();
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "項目 2");
    }
    EXPECT_FALSE(c.guard.Failed());
    EXPECT_NO_THROW(c.guard.Rethrow()); // once only
}

TEST(CallbackGuard, LaterCallsAfterAnErrorDoNotRunTheBody) {
    // A system that ignores the stop answer still reaches no more of the body.
    CallbackGuard guard;
    int runs = 0;
    EXPECT_EQ(guard.Run(0, [&]() -> int { throw std::runtime_error("x"); }), 0);
    EXPECT_EQ(guard.Run(0, [&] { return ++runs; }), 0);
    EXPECT_EQ(runs, 0);
    EXPECT_THROW(guard.Rethrow(), std::runtime_error);
}
