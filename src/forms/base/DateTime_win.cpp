// The user's locale through GetLocaleInfoW.
#include "forms/base/Codepage.h"
#include "forms/base/DateTime.h"

#include <windows.h>

#include <optional>

namespace forms {

namespace {
std::optional<std::string> LocaleText(LCTYPE type) {
    wchar_t buffer[256];
    const int n = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 256);
    if (n <= 0)
        return std::nullopt; // an empty text (n = 1) is a value too
    return cp932::NarrowExact(std::wstring_view(buffer, static_cast<size_t>(n - 1)));
}

void Take(std::string& field, LCTYPE type) {
    if (auto text = LocaleText(type))
        field = std::move(*text);
}

void TakePicture(std::string& field, LCTYPE type) {
    if (auto text = LocaleText(type))
        field = FromLocalePicture(*text);
}
} // namespace

TFormatSettings ReadUserFormatSettings() {
    TFormatSettings s = JapaneseFormatSettings();
    Take(s.DateSeparator, LOCALE_SDATE);
    Take(s.TimeSeparator, LOCALE_STIME);
    TakePicture(s.ShortDateFormat, LOCALE_SSHORTDATE);
    TakePicture(s.LongDateFormat, LOCALE_SLONGDATE);
    TakePicture(s.ShortTimeFormat, LOCALE_SSHORTTIME);
    TakePicture(s.LongTimeFormat, LOCALE_STIMEFORMAT);
    for (LCTYPE m = 0; m < 12; ++m) {
        Take(s.ShortMonthNames[m], LOCALE_SABBREVMONTHNAME1 + m);
        Take(s.LongMonthNames[m], LOCALE_SMONTHNAME1 + m);
    }
    // The locale's day names start with Monday, ours with Sunday.
    for (LCTYPE d = 0; d < 7; ++d) {
        Take(s.ShortDayNames[d], LOCALE_SABBREVDAYNAME1 + (d + 6) % 7);
        Take(s.LongDayNames[d], LOCALE_SDAYNAME1 + (d + 6) % 7);
    }
    Take(s.TimeAMString, LOCALE_S1159);
    Take(s.TimePMString, LOCALE_S2359);
    return s;
}

TDateTime Now() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    return EncodeDate(t.wYear, t.wMonth, t.wDay) +
           EncodeTime(t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
}

} // namespace forms
