// The mouse-button set and the order of the mouse events.
#include "shared/MouseButtons.h"

#include <gtest/gtest.h>

TEST(LaunchMouseBtns, HoldsBitNForOrdinalN) {
    EXPECT_EQ(lmMos5, 5);
    EXPECT_EQ(TLaunchMouseBtns({lmNone}).Bits(), 0x01);
    EXPECT_EQ(TLaunchMouseBtns({lmLeft, lmMiddle}).Bits(), 0x0A);
    EXPECT_EQ(TLaunchMouseBtns({lmMos4, lmMos5}).Bits(), 0x30);
}

TEST(LaunchMouseBtns, IncludeAndExcludeChangeOnlyTheirMember) {
    TLaunchMouseBtns s{lmRight};
    s.Include(lmMos4);
    EXPECT_TRUE(s.Contains(lmRight));
    EXPECT_TRUE(s.Contains(lmMos4));
    s.Exclude(lmRight);
    EXPECT_FALSE(s.Contains(lmRight));
    EXPECT_EQ(s, TLaunchMouseBtns({lmMos4}));
    s.Exclude(lmMos4);
    EXPECT_TRUE(s.Empty());
}

TEST(LaunchMouseBtns, EqualityIsExact) {
    EXPECT_NE(TLaunchMouseBtns({lmMiddle}), TLaunchMouseBtns({lmMiddle, lmLeft}));
    EXPECT_EQ(TLaunchMouseBtns({lmMiddle, lmLeft}), TLaunchMouseBtns({lmLeft, lmMiddle}));
}

TEST(LaunchMouseBtns, FromBitsDropsBitsAboveTheLastButton) {
    EXPECT_EQ(TLaunchMouseBtns::FromBits(0xC4), TLaunchMouseBtns({lmRight}));
}

TEST(MouseBtnType, OrdinalsFollowTheAssignmentOrder) {
    EXPECT_EQ(mbtNone, 0);
    EXPECT_EQ(mbt5, 5);
    EXPECT_EQ(mbtWhlup, 6);
    EXPECT_EQ(mbtLWhlup, 8);
    EXPECT_EQ(mbtRWhldn, 11);
    EXPECT_EQ(mbtMWhldn, 13);
}
