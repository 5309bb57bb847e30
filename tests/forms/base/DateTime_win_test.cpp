// The user's locale as Windows gives it.
#include "forms/base/Codepage.h"
#include "forms/base/DateTime.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cmath>

using namespace forms;

namespace {
std::string Raw(LCTYPE type) {
    wchar_t buffer[256];
    const int n = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 256);
    return n > 0 ? cp932::Narrow(std::wstring_view(buffer, static_cast<size_t>(n - 1))) : "";
}
} // namespace

TEST(DateTimeWin, UserSettingsComeFromTheLocaleWithItsMarkerTranslated) {
    const TFormatSettings& s = UserFormatSettings();
    EXPECT_EQ(s.LongMonthNames[0], Raw(LOCALE_SMONTHNAME1));
    EXPECT_EQ(s.ShortMonthNames[11], Raw(LOCALE_SABBREVMONTHNAME12));
    EXPECT_EQ(s.LongDayNames[0], Raw(LOCALE_SDAYNAME7)); // Sunday
    EXPECT_EQ(s.ShortDayNames[1], Raw(LOCALE_SABBREVDAYNAME1));
    EXPECT_EQ(s.ShortDateFormat, FromLocalePicture(Raw(LOCALE_SSHORTDATE)));
    EXPECT_EQ(s.LongTimeFormat, FromLocalePicture(Raw(LOCALE_STIMEFORMAT)));
    EXPECT_EQ(s.TimePMString, Raw(LOCALE_S2359));

    const TDateTime dt = EncodeDate(2024, 9, 5) + EncodeTime(14, 7, 3, 0);
    const std::string text = FormatDateTime("c|tt|t|dddddd", dt, s);
    EXPECT_NE(text.find("24"), std::string::npos) << text;
    EXPECT_NE(text.find("07"), std::string::npos) << text;
}

TEST(DateTimeWin, NowIsTheLocalTime) {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    const TDateTime system = EncodeDate(t.wYear, t.wMonth, t.wDay) +
                             EncodeTime(t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
    EXPECT_LT(std::fabs(Now() - system), 60.0 / 86400);
}
