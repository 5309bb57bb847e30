#include "forms/gfx/RegionData.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

using namespace forms;

namespace {
uint32_t U32(const std::string& s, size_t at) {
    uint32_t v = 0;
    std::memcpy(&v, s.data() + at, 4);
    return v;
}
} // namespace

TEST(RegionData, HeaderTellsTypeCountSizeAndBounds) {
    RegionData data(Rect(0, 0, 40, 20));
    data.Add(Rect(1, 2, 3, 4));
    data.Add(Rect(5, 6, 7, 8));
    const std::string b = data.Bytes();
    ASSERT_EQ(b.size(), 32u + 2 * 16);
    EXPECT_EQ(U32(b, 0), 32u);
    EXPECT_EQ(U32(b, 4), 1u);
    EXPECT_EQ(U32(b, 8), 2u);
    EXPECT_EQ(U32(b, 12), 32u);
    EXPECT_EQ(U32(b, 24), 40u);
    EXPECT_EQ(U32(b, 28), 20u);
    EXPECT_EQ(U32(b, 48), 5u);
    EXPECT_EQ(U32(b, 60), 8u);
}

TEST(RegionData, EmptyDataIsHeaderOnly) {
    EXPECT_EQ(RegionData(Rect(0, 0, 1, 1)).Bytes().size(), 32u);
}
