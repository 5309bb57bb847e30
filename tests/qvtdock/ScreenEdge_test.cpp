// The screen-edge and corner zones at their borders, on two screen sizes.
#include "qvtdock/ScreenEdge.h"

#include <gtest/gtest.h>

namespace {
constexpr std::array<bool, 8> kAll{true, true, true, true, true, true, true, true};

struct Probe {
    int x, y, zone;
};

void ExpectZones(int w, int h, std::initializer_list<Probe> probes) {
    for (const Probe& p : probes)
        EXPECT_EQ(ScreenZoneAt({p.x, p.y}, w, h, kAll), p.zone) << p.x << "," << p.y;
}
} // namespace

TEST(ScreenEdge, Screen1920x1080_CornersOfTenAndEdgesLeavingSixtyFour) {
    EXPECT_EQ(CornerSize(1080), 10);
    EXPECT_EQ(EdgeMargin(1080), 64);
    ExpectZones(1920, 1080,
                {{0, 0, szTopLeft},
                 {9, 9, szTopLeft},
                 {10, 9, -1},
                 {1911, 9, szTopRight},
                 {1910, 9, -1},
                 {9, 1071, szBottomLeft},
                 {9, 1070, -1},
                 {1911, 1071, szBottomRight},
                 {1910, 1079, -1},
                 {3, 65, szLeftEdge},
                 {3, 64, -1},
                 {3, 1015, szLeftEdge},
                 {3, 1016, -1},
                 {4, 500, -1},
                 {65, 3, szTopEdge},
                 {64, 3, -1},
                 {1855, 3, szTopEdge},
                 {1856, 3, -1},
                 {1917, 500, szRightEdge},
                 {1916, 500, -1},
                 {900, 1077, szBottomEdge},
                 {900, 1076, -1},
                 {0, 30, -1}});
}

TEST(ScreenEdge, Screen1024x768_CornersOfSevenAndEdgesLeavingFortyEight) {
    EXPECT_EQ(CornerSize(768), 7);
    EXPECT_EQ(EdgeMargin(768), 48);
    ExpectZones(1024, 768,
                {{6, 6, szTopLeft},
                 {7, 6, -1},
                 {1018, 6, szTopRight},
                 {1017, 6, -1},
                 {6, 762, szBottomLeft},
                 {6, 761, -1},
                 {1018, 762, szBottomRight},
                 {1018, 761, -1},
                 {0, 49, szLeftEdge},
                 {0, 48, -1},
                 {0, 719, szLeftEdge},
                 {0, 720, -1},
                 {49, 0, szTopEdge},
                 {976, 0, -1},
                 {1021, 400, szRightEdge},
                 {1020, 400, -1},
                 {500, 765, szBottomEdge},
                 {500, 764, -1}});
}

TEST(ScreenEdge, OnlyEnabledZonesCount) {
    std::array<bool, 8> on{};
    on[szTopRight] = true;
    EXPECT_EQ(ScreenZoneAt({0, 0}, 1024, 768, on), -1);
    EXPECT_EQ(ScreenZoneAt({1023, 0}, 1024, 768, on), szTopRight);
    EXPECT_EQ(ScreenZoneAt({1023, 0}, 1024, 768, {}), -1);
}

TEST(ScreenEdge, OffThePrimaryScreenOrOnNone_NoZone) {
    ExpectZones(1024, 768, {{-1, 400, -1}, {-300, -2, -1}, {1024, 400, -1}, {500, 768, -1}});
    EXPECT_EQ(ScreenZoneAt({0, 0}, 0, 0, kAll), -1);
    EXPECT_EQ(ScreenZoneAt({0, 0}, -5, -5, kAll), -1);
}
