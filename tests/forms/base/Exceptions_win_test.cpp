#include "forms/base/Exceptions.h"

#include <gtest/gtest.h>

#include <windows.h>

TEST(ComErrorWin, CarriesTheSystemTextOfTheCode) {
    const int32_t code = HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
    const std::string text = forms::SysComErrorMessage(code);
    ASSERT_FALSE(text.empty());
    const forms::EComError e(code);
    EXPECT_EQ(e.Message(), text + " (0x80070002)");
}

TEST(ComErrorWin, ACodeWithoutSystemTextIsNamedByItsNumber) {
    const forms::EComError e(static_cast<int32_t>(0xA0C0FFEEu));
    EXPECT_EQ(e.Message(), "OLE エラー 0xA0C0FFEE");
}
