#include "forms/base/Exceptions.h"

#include <gtest/gtest.h>

using forms::EComError;
using forms::OleCheck;

TEST(ComError, KeepsTheCodeAndShowsItInHexadecimal) {
    const EComError e(static_cast<int32_t>(0x80004005u));
    EXPECT_EQ(e.Code(), static_cast<int32_t>(0x80004005u));
    EXPECT_NE(e.Message().find("0x80004005"), std::string::npos) << e.Message();
}

TEST(ComError, OleCheckPassesSuccessCodesAndRaisesFailures) {
    EXPECT_NO_THROW(OleCheck(0));
    EXPECT_NO_THROW(OleCheck(1)); // S_FALSE
    EXPECT_THROW(OleCheck(static_cast<int32_t>(0x80070002u)), EComError);
}
