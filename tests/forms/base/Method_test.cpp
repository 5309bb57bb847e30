#include "forms/base/Method.h"

#include <functional>
#include <string>

#include <gtest/gtest.h>

namespace {

struct Handler {
    std::string log;
    void Changed(int index, bool& allow) {
        log += std::to_string(index);
        allow = false;
    }
    int Twice(int value) const { return 2 * value; }
};

TEST(Method, ForwardsArgumentsReferencesAndResults) {
    Handler handler;
    std::function<void(int, bool&)> changed = forms::Method(&handler, &Handler::Changed);
    bool allow = true;
    changed(7, allow);
    EXPECT_EQ(handler.log, "7");
    EXPECT_FALSE(allow);

    const Handler& view = handler;
    std::function<int(int)> twice = forms::Method(&view, &Handler::Twice);
    EXPECT_EQ(twice(21), 42);
}

} // namespace
