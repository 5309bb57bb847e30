// The launcher's answer to the machine's power events.
#include "qvtdock/PowerState.h"

#include <gtest/gtest.h>

TEST(PowerEvent, QuerySuspendThenSuspend_BothSuspendAndTheSecondAlsoHides) {
    int count = 0;
    const TPowerSteps query = PowerEvent(count, pbQuerySuspend);
    EXPECT_TRUE(query.Suspend);
    EXPECT_FALSE(query.HideIfVisible);
    const TPowerSteps suspend = PowerEvent(count, pbSuspend);
    EXPECT_TRUE(suspend.Suspend);
    EXPECT_TRUE(suspend.HideIfVisible);
    EXPECT_EQ(count, 2);
    EXPECT_TRUE(PowerEvent(count, pbStandby).Suspend);
}

TEST(PowerEvent, EveryResumeSetsTheCountPastTheHide) {
    for (const uint32_t code :
         {pbResumeCritical, pbResumeSuspend, pbResumeStandby, pbResumeAutomatic}) {
        int count = 2;
        const TPowerSteps steps = PowerEvent(count, code);
        EXPECT_FALSE(steps.Suspend || steps.HideIfVisible) << code;
        EXPECT_EQ(count, 3) << code;
    }
}

TEST(PowerEvent, OtherCodes_OnlyTheHideAtTwo) {
    int count = 0;
    EXPECT_FALSE(PowerEvent(count, 10).Suspend);
    EXPECT_FALSE(PowerEvent(count, 0xFFFFFFFFu).HideIfVisible);
    EXPECT_EQ(count, 0);
    count = 2;
    const TPowerSteps steps = PowerEvent(count, 10);
    EXPECT_FALSE(steps.Suspend);
    EXPECT_TRUE(steps.HideIfVisible);
}
