#include "shared/DateFormat.h"

#include "forms/base/StrUtils.h"

#include <array>

namespace {
constexpr std::array<const char*, 10> kNumerals{"零", "一", "二", "三", "四",
                                                "五", "六", "七", "八", "九"};

constexpr std::array<const char*, 12> kOldMonthNames{"睦月", "如月",   "弥生", "卯月",
                                                     "皐月", "水無月", "文月", "葉月",
                                                     "長月", "神無月", "霜月", "師走"};
constexpr std::array<const char*, 12> kEnglishMonthsLong{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
// September is "Sept", four letters.
constexpr std::array<const char*, 12> kEnglishMonthsShort{
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sept", "Oct", "Nov", "Dec"};
constexpr std::array<const char*, 7> kEnglishDaysLong{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                      "Thursday", "Friday", "Saturday"};
constexpr std::array<const char*, 7> kEnglishDaysShort{"Sun", "Mon", "Tue", "Wed",
                                                       "Thu", "Fri", "Sat"};
constexpr std::array<const char*, 7> kJapaneseDaysShort{"日", "月", "火", "水", "木", "金", "土"};

void EnglishMonths(forms::TFormatSettings& s) {
    for (size_t m = 0; m < 12; ++m) {
        s.ShortMonthNames[m] = kEnglishMonthsShort[m];
        s.LongMonthNames[m] = kEnglishMonthsLong[m];
    }
}
void KanjiMonths(forms::TFormatSettings& s) {
    for (size_t m = 0; m < 12; ++m) {
        s.ShortMonthNames[m] = IntToKanji(static_cast<int>(m + 1));
        s.LongMonthNames[m] = s.ShortMonthNames[m] + "月";
    }
}
void OldMonths(forms::TFormatSettings& s) {
    for (size_t m = 0; m < 12; ++m)
        s.ShortMonthNames[m] = s.LongMonthNames[m] = kOldMonthNames[m];
}
void EnglishDays(forms::TFormatSettings& s) {
    for (size_t d = 0; d < 7; ++d) {
        s.ShortDayNames[d] = kEnglishDaysShort[d];
        s.LongDayNames[d] = kEnglishDaysLong[d];
    }
}
void JapaneseDays(forms::TFormatSettings& s) {
    for (size_t d = 0; d < 7; ++d) {
        s.ShortDayNames[d] = kJapaneseDaysShort[d];
        s.LongDayNames[d] = std::string(kJapaneseDaysShort[d]) + "曜日";
    }
}

// Applied in this order, so a later switch wins.
struct NameSwitch {
    const char* token;
    void (*apply)(forms::TFormatSettings&);
};
constexpr std::array<NameSwitch, 5> kSwitches{{{"[@ME]", EnglishMonths},
                                               {"[@MJ]", KanjiMonths},
                                               {"[@ML]", OldMonths},
                                               {"[@WE]", EnglishDays},
                                               {"[@WJ]", JapaneseDays}}};

bool Contains(std::string_view s, std::string_view token) {
    return forms::PosIC(token, s) != forms::npos;
}

// hour時minute分 (and second秒), the hour on the clock the format asks for.
std::string KanjiTime(const std::string& format, const forms::TTimeParts& t, bool seconds) {
    std::string text = (HasAmPm(format) ? HourTo12(t.Hour) : IntToKanji(t.Hour)) + "時" +
                       IntToKanji(t.Minute) + "分";
    if (seconds)
        text += IntToKanji(t.Second) + "秒";
    return text;
}
} // namespace

std::string IntToKanji(int n) {
    const std::string digits = std::to_string(n);
    if (n < 0 || digits.size() > 2)
        return digits;
    if (digits.size() == 1)
        return kNumerals[static_cast<size_t>(n)];
    const int tens = n / 10, ones = n % 10;
    std::string text = tens == 1 ? "" : kNumerals[static_cast<size_t>(tens)];
    text += "十";
    if (ones != 0)
        text += kNumerals[static_cast<size_t>(ones)];
    return text;
}

std::string HourTo12(int hour) {
    if (hour == 0 || hour == 12)
        return IntToKanji(12);
    return IntToKanji(hour > 12 ? hour - 12 : hour);
}

bool HasAmPm(std::string_view format) {
    return Contains(format, "AM/PM") || Contains(format, "A/P") || Contains(format, "AMPM");
}

std::string FormatDateTimeEx(std::string_view format, forms::TDateTime dt) {
    return FormatDateTimeEx(format, dt, forms::UserFormatSettings());
}

std::string FormatDateTimeEx(std::string_view format, forms::TDateTime dt,
                             const forms::TFormatSettings& locale) {
    forms::TFormatSettings settings = locale;
    std::string f(format);

    const forms::TTimeParts time = forms::DecodeTime(dt);
    if (Contains(f, "[@TT]"))
        f = forms::ReplaceText(f, "[@TT]", KanjiTime(f, time, true));
    if (Contains(f, "[@T]"))
        f = forms::ReplaceText(f, "[@T]", KanjiTime(f, time, false));

    const forms::TDateParts date = forms::DecodeDate(dt);
    f = forms::ReplaceText(f, "[@LU]", kOldMonthNames[static_cast<size_t>(date.Month - 1)]);
    f = forms::ReplaceText(f, "[@DD]", IntToKanji(date.Day) + "日");
    f = forms::ReplaceText(f, "[@D]", IntToKanji(date.Day));

    for (const NameSwitch& s : kSwitches) {
        const size_t at = forms::PosIC(s.token, f);
        if (at != forms::npos) {
            s.apply(settings);
            f.erase(at, 5);
        }
    }
    return forms::FormatDateTime(f, dt, settings);
}
