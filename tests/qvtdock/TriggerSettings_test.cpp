// The launch combination between the settings record and the trigger timer.
#include "qvtdock/TriggerSettings.h"

#include <gtest/gtest.h>

TEST(LaunchCombination, NoButtonNamed_TheMiddleButtonAndTheRecordSaysSo) {
    TAppCfg cfg;
    EXPECT_EQ(LaunchCombination(cfg), TLaunchMouseBtns({lmMiddle}));
    EXPECT_TRUE(cfg.LMMiddle);
}

TEST(LaunchCombination, TheNamedButtons) {
    TAppCfg cfg;
    cfg.LMLeft = true;
    cfg.LMRight = true;
    EXPECT_EQ(LaunchCombination(cfg), TLaunchMouseBtns({lmLeft, lmRight}));
    EXPECT_FALSE(cfg.LMMiddle);
    cfg = TAppCfg{};
    cfg.LMMos4 = true;
    cfg.LMMos5 = true;
    EXPECT_EQ(LaunchCombination(cfg), TLaunchMouseBtns({lmMos4, lmMos5}));
}

TEST(LaunchCombination, StoredBack_EveryFlagFollowsTheSet) {
    TAppCfg cfg;
    cfg.LMMiddle = true;
    cfg.LMMos5 = true;
    StoreLaunchCombination({lmLeft, lmMos4}, cfg);
    EXPECT_TRUE(cfg.LMLeft);
    EXPECT_FALSE(cfg.LMRight);
    EXPECT_FALSE(cfg.LMMiddle);
    EXPECT_TRUE(cfg.LMMos4);
    EXPECT_FALSE(cfg.LMMos5);
    EXPECT_EQ(LaunchCombination(cfg), TLaunchMouseBtns({lmLeft, lmMos4}));
}
