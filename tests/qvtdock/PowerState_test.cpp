// The launcher's answer to the machine's power events.
#include "qvtdock/PowerState.h"

#include <gtest/gtest.h>

TEST(PowerEvent, QuerySuspendThenSuspend_BothSuspendAndTheSecondAlsoHides) {
    int count = 0;
    const TPowerSteps query = PowerEvent(count, pbQuerySuspend);
    EXPECT_TRUE(query.Suspend);
    EXPECT_FALSE(query.HideIfVisible);
    EXPECT_EQ(count, 1);
    const TPowerSteps suspend = PowerEvent(count, pbSuspend);
    EXPECT_TRUE(suspend.Suspend);
    EXPECT_TRUE(suspend.HideIfVisible);
    EXPECT_EQ(count, 2);
}

TEST(PowerEvent, StandbyCodesCountAsSuspends) {
    int count = 0;
    EXPECT_TRUE(PowerEvent(count, pbQueryStandby).Suspend);
    EXPECT_TRUE(PowerEvent(count, pbStandby).Suspend);
    EXPECT_EQ(count, 2);
}

TEST(PowerEvent, EveryResumeSetsTheCountPastTheHide) {
    for (const uint32_t code :
         {pbResumeCritical, pbResumeSuspend, pbResumeStandby, pbResumeAutomatic}) {
        int count = 2;
        const TPowerSteps steps = PowerEvent(count, code);
        EXPECT_FALSE(steps.Suspend) << code;
        EXPECT_FALSE(steps.HideIfVisible) << code;
        EXPECT_EQ(count, 3) << code;
    }
}

TEST(PowerEvent, AfterAResume_ANewSuspendSuspendsButDoesNotReachTwo) {
    int count = 0;
    (void)PowerEvent(count, pbQuerySuspend);
    (void)PowerEvent(count, pbSuspend);
    (void)PowerEvent(count, pbResumeAutomatic);
    const TPowerSteps again = PowerEvent(count, pbQuerySuspend);
    EXPECT_TRUE(again.Suspend);
    EXPECT_FALSE(again.HideIfVisible);
    EXPECT_EQ(count, 4);
}

TEST(PowerEvent, OtherCodes_NothingButTheHideAtTwo) {
    int count = 0;
    EXPECT_FALSE(PowerEvent(count, 10).Suspend);
    EXPECT_FALSE(PowerEvent(count, 10).HideIfVisible);
    EXPECT_EQ(count, 0);
    count = 2;
    const TPowerSteps steps = PowerEvent(count, 10); // a power-status change after two suspends
    EXPECT_FALSE(steps.Suspend);
    EXPECT_TRUE(steps.HideIfVisible);
    EXPECT_EQ(count, 2);
    EXPECT_FALSE(PowerEvent(count, 0xFFFFFFFFu).Suspend);
}
