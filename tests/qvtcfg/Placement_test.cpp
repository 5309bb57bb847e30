// Where the start form and the editors go: centred on the screen, or at the given corner moved
// into the work area.
#include "qvtcfg/Placement.h"

#include <gtest/gtest.h>

using forms::TPoint;

namespace {
const forms::TSize kScreen{1024, 768};
const forms::TRect kWorkArea{0, 0, 1024, 748};
} // namespace

TEST(CentredOn, HalfTheRoomRoundedTowardsZero) {
    EXPECT_EQ(CentredOn(1024, 422), 301);
    EXPECT_EQ(CentredOn(768, 173), 297);
    EXPECT_EQ(CentredOn(100, 103), -1); // -3 div 2
    EXPECT_EQ(CentredOn(100, 100), 0);
}

TEST(EditorPosition, CentredIgnoresTheCorner) {
    EXPECT_EQ(EditorPosition(116, 216, true, 422, 399, kScreen, kWorkArea), (TPoint{301, 184}));
    EXPECT_EQ(EditorPosition(5000, -5000, true, 422, 399, kScreen, kWorkArea), (TPoint{301, 184}));
}

TEST(EditorPosition, ACornerInsideStays) {
    EXPECT_EQ(EditorPosition(116, 216, false, 422, 399, kScreen, kWorkArea), (TPoint{116, 216}));
}

TEST(EditorPosition, ACornerOutsideIsMovedIntoTheWorkArea) {
    EXPECT_EQ(EditorPosition(900, 700, false, 422, 399, kScreen, kWorkArea), (TPoint{602, 349}));
    EXPECT_EQ(EditorPosition(-300, -40, false, 422, 399, kScreen, kWorkArea), (TPoint{0, 0}));
    EXPECT_EQ(EditorPosition(INT32_MAX, INT32_MIN, false, 422, 399, kScreen, kWorkArea),
              (TPoint{602, 0}));
}

TEST(EditorPosition, ATallerBoxEndsAtTheBottomEdge) {
    EXPECT_EQ(EditorPosition(10, 10, false, 422, 800, kScreen, kWorkArea), (TPoint{10, -52}));
}
