// The screen-edge and corner zones at their borders, on two screen sizes.
#include "qvtdock/ScreenEdge.h"

#include <gtest/gtest.h>

namespace {
constexpr std::array<bool, 8> kAll{true, true, true, true, true, true, true, true};

int Zone1080(int x, int y, const std::array<bool, 8>& on = kAll) {
    return ScreenZoneAt({x, y}, 1920, 1080, on);
}
int Zone768(int x, int y, const std::array<bool, 8>& on = kAll) {
    return ScreenZoneAt({x, y}, 1024, 768, on);
}
std::array<bool, 8> Only(TScreenZone zone) {
    std::array<bool, 8> on{};
    on[zone] = true;
    return on;
}
} // namespace

TEST(ScreenEdge, SizesFollowTheScreenHeight) {
    EXPECT_EQ(CornerSize(1080), 10);
    EXPECT_EQ(EdgeMargin(1080), 64);
    EXPECT_EQ(CornerSize(768), 7);
    EXPECT_EQ(EdgeMargin(768), 48);
}

TEST(ScreenEdge1080, CornersReachTenPixelsFromTheTopLeftAndNineFromTheFarEdges) {
    EXPECT_EQ(Zone1080(0, 0), szTopLeft);
    EXPECT_EQ(Zone1080(9, 9), szTopLeft);
    EXPECT_EQ(Zone1080(10, 9), -1);
    EXPECT_EQ(Zone1080(9, 10), -1);
    EXPECT_EQ(Zone1080(1911, 9), szTopRight);
    EXPECT_EQ(Zone1080(1910, 9), -1);
    EXPECT_EQ(Zone1080(1919, 0), szTopRight);
    EXPECT_EQ(Zone1080(9, 1071), szBottomLeft);
    EXPECT_EQ(Zone1080(9, 1070), -1);
    EXPECT_EQ(Zone1080(1911, 1071), szBottomRight);
    EXPECT_EQ(Zone1080(1919, 1079), szBottomRight);
    EXPECT_EQ(Zone1080(1910, 1079), -1);
}

TEST(ScreenEdge1080, EdgesAreFourPixelsDeepAndLeaveSixtyFourFreeAtEachEnd) {
    EXPECT_EQ(Zone1080(3, 65), szLeftEdge);
    EXPECT_EQ(Zone1080(3, 64), -1);
    EXPECT_EQ(Zone1080(3, 1015), szLeftEdge);
    EXPECT_EQ(Zone1080(3, 1016), -1);
    EXPECT_EQ(Zone1080(4, 500), -1);
    EXPECT_EQ(Zone1080(65, 3), szTopEdge);
    EXPECT_EQ(Zone1080(64, 3), -1);
    EXPECT_EQ(Zone1080(1855, 3), szTopEdge);
    EXPECT_EQ(Zone1080(1856, 3), -1);
    EXPECT_EQ(Zone1080(900, 4), -1);
    EXPECT_EQ(Zone1080(1917, 500), szRightEdge);
    EXPECT_EQ(Zone1080(1916, 500), -1);
    EXPECT_EQ(Zone1080(900, 1077), szBottomEdge);
    EXPECT_EQ(Zone1080(900, 1076), -1);
}

TEST(ScreenEdge1080, BetweenTheCornerAndTheStrip_Nothing) {
    EXPECT_EQ(Zone1080(0, 30), -1);
    EXPECT_EQ(Zone1080(30, 0), -1);
    EXPECT_EQ(Zone1080(1919, 1050), -1);
}

TEST(ScreenEdge768, CornersReachSevenPixelsFromTheTopLeftAndSixFromTheFarEdges) {
    EXPECT_EQ(Zone768(6, 6), szTopLeft);
    EXPECT_EQ(Zone768(7, 6), -1);
    EXPECT_EQ(Zone768(1018, 6), szTopRight);
    EXPECT_EQ(Zone768(1017, 6), -1);
    EXPECT_EQ(Zone768(6, 762), szBottomLeft);
    EXPECT_EQ(Zone768(6, 761), -1);
    EXPECT_EQ(Zone768(1018, 762), szBottomRight);
    EXPECT_EQ(Zone768(1018, 761), -1);
}

TEST(ScreenEdge768, EdgesLeaveFortyEightFreeAtEachEnd) {
    EXPECT_EQ(Zone768(0, 49), szLeftEdge);
    EXPECT_EQ(Zone768(0, 48), -1);
    EXPECT_EQ(Zone768(0, 719), szLeftEdge);
    EXPECT_EQ(Zone768(0, 720), -1);
    EXPECT_EQ(Zone768(49, 0), szTopEdge);
    EXPECT_EQ(Zone768(975, 0), szTopEdge);
    EXPECT_EQ(Zone768(976, 0), -1);
    EXPECT_EQ(Zone768(1021, 400), szRightEdge);
    EXPECT_EQ(Zone768(1020, 400), -1);
    EXPECT_EQ(Zone768(500, 765), szBottomEdge);
    EXPECT_EQ(Zone768(500, 764), -1);
}

TEST(ScreenEdge768, OnlyEnabledZonesCount) {
    EXPECT_EQ(Zone768(0, 0, Only(szTopRight)), -1);
    EXPECT_EQ(Zone768(1023, 0, Only(szTopRight)), szTopRight);
    EXPECT_EQ(Zone768(0, 400, Only(szRightEdge)), -1);
    EXPECT_EQ(Zone768(1023, 400, Only(szRightEdge)), szRightEdge);
    EXPECT_EQ(Zone768(500, 767, Only(szBottomEdge)), szBottomEdge);
    EXPECT_EQ(Zone768(500, 767, std::array<bool, 8>{}), -1);
}

TEST(ScreenEdge, OffThePrimaryScreen_NoZone) {
    EXPECT_EQ(Zone768(-1, 400), -1); // a monitor to the left
    EXPECT_EQ(Zone768(-300, -2), -1);
    EXPECT_EQ(Zone768(1024, 400), -1); // a monitor to the right
    EXPECT_EQ(Zone768(500, 768), -1);
}

TEST(ScreenEdge, EmptyScreen_NoZone) {
    EXPECT_EQ(ScreenZoneAt({0, 0}, 0, 0, kAll), -1);
    EXPECT_EQ(ScreenZoneAt({0, 0}, -5, -5, kAll), -1);
}
