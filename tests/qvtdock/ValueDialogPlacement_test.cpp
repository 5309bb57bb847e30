// The value dialog's place: the point asked for, moved into the work area.
#include "qvtdock/ValueDialogPlacement.h"

#include <gtest/gtest.h>

namespace {
// A work area with the taskbar below it, as on a 1024 x 768 screen.
constexpr forms::TRect kWork{0, 0, 1024, 738};
// The dialog's window: 286 x 80 inside, with its frame.
constexpr forms::TSize kDialog{292, 109};
} // namespace

TEST(ValueDialogPosition, InsideTheWorkArea_StaysWhereAsked) {
    EXPECT_EQ(ValueDialogPosition(100, 200, kDialog, kWork), (forms::TPoint{100, 200}));
    EXPECT_EQ(ValueDialogPosition(1024 - 292, 738 - 109, kDialog, kWork),
              (forms::TPoint{732, 629}));
}

TEST(ValueDialogPosition, NearTheBottomRightCorner_EndsOnTheWorkAreasCorner) {
    EXPECT_EQ(ValueDialogPosition(1000, 730, kDialog, kWork), (forms::TPoint{732, 629}));
    EXPECT_EQ(ValueDialogPosition(5000, 5000, kDialog, kWork), (forms::TPoint{732, 629}));
}

TEST(ValueDialogPosition, LeftOfOrAboveTheWorkArea_MovesToItsEdges) {
    const forms::TRect work{40, 30, 1024, 768}; // taskbars on the left and at the top
    EXPECT_EQ(ValueDialogPosition(-500, 10, kDialog, work), (forms::TPoint{40, 30}));
    EXPECT_EQ(ValueDialogPosition(100, -20, kDialog, work), (forms::TPoint{100, 30}));
}

TEST(ValueDialogPosition, WiderThanTheWorkArea_StartsAtItsLeftEdge) {
    const forms::TRect narrow{10, 0, 200, 738};
    EXPECT_EQ(ValueDialogPosition(50, 100, kDialog, narrow), (forms::TPoint{10, 100}));
    EXPECT_EQ(ValueDialogPosition(-50, 100, kDialog, narrow), (forms::TPoint{10, 100}));
}

TEST(ValueDialogPosition, TallerThanTheWorkArea_EndsAtItsBottomEdge) {
    const forms::TRect low{0, 20, 1024, 100};
    EXPECT_EQ(ValueDialogPosition(10, 50, kDialog, low), (forms::TPoint{10, 100 - 109}));
    EXPECT_EQ(ValueDialogPosition(10, -50, kDialog, low), (forms::TPoint{10, 100 - 109}));
}
