#pragma once
// Dates and times: a TDateTime counts days since 1899-12-30, the time of day being the fraction.
// FormatDateTime writes one by a format picture with the locale's names and formats, which a
// TFormatSettings holds: the user's own (UserFormatSettings) or any other, such as the Japanese
// data the tests inject.
//
// Format picture, letters in any case; a run of one letter is one token:
//   d dd            day (dd with a leading zero)    ddd dddd   short, long day name
//   ddddd dddddd    short, long date format          m mm       month
//   mmm mmmm        short, long month name           y yy       year in two digits
//   yyy yyyy        year in four digits              h hh       hour
//   n nn            minute                           s ss       second
//   z zz zzz        millisecond, padded to 1, 2, 3 digits
//   t tt            short, long time format          c          short date, blank, long time
//   am/pm a/p       "am"/"pm" or "a"/"p" in the letters as written
//   ampm            the locale's am or pm text       /  :       date, time separator
//   '...' "..."     the text inside, without the quotes (an unclosed quote runs to the end)
// Any other character is copied; a double-byte character is one character, so its trail byte is
// never taken for a letter (年 is 94 4E, 六 98 5A).
//
// Points settled here:
// - m or mm right after an hour token is the minute. Only letters break that bond: separators,
//   blanks, quoted text and double-byte characters between them do not ("h時m" is a time); a run
//   of three or more m there is the minute too.
// - An hour uses the 12-hour clock (0 and 12 give 12) when the picture it stands in holds an
//   am/pm marker outside quotes, before or after it.
// - c always writes the time, at midnight too, after exactly one blank.
// - ddddd, dddddd, t, tt and c expand the locale's formats; an expansion inside an expansion is
//   written, one more level is not, so a locale format that names itself ends.
// - Dates outside the years 1 to 9999, infinities and NaN count as 0 (1899-12-30 00:00).
#include <array>
#include <string>
#include <string_view>

namespace forms {

using TDateTime = double;

struct TFormatSettings {
    std::string DateSeparator;
    std::string TimeSeparator;
    std::string ShortDateFormat;
    std::string LongDateFormat;
    std::string ShortTimeFormat;
    std::string LongTimeFormat;
    std::array<std::string, 12> ShortMonthNames; // [0] January
    std::array<std::string, 12> LongMonthNames;
    std::array<std::string, 7> ShortDayNames; // [0] Sunday, as DayOfWeek - 1
    std::array<std::string, 7> LongDayNames;
    std::string TimeAMString;
    std::string TimePMString;
};

struct TDateParts {
    int Year, Month, Day;
};
struct TTimeParts {
    int Hour, Minute, Second, MilliSecond;
};

// For valid calendar values only.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int milliSecond);
// The time is rounded to the millisecond; 23:59:59.9995 and later belong to the next day.
TDateParts DecodeDate(TDateTime dt);
TTimeParts DecodeTime(TDateTime dt);
// 1 Sunday .. 7 Saturday.
int DayOfWeek(TDateTime dt);
// The local date and time.
TDateTime Now();

std::string FormatDateTime(std::string_view format, TDateTime dt, const TFormatSettings& settings);

// The formats and names of Japanese Windows: the host build's user locale and the tests' fixture.
TFormatSettings JapaneseFormatSettings();
// The user's locale, read once. Windows gives it through GetLocaleInfoW; what it cannot give (or
// code page 932 cannot hold) keeps the Japanese value.
const TFormatSettings& UserFormatSettings();
// Reads the user's locale afresh.
TFormatSettings ReadUserFormatSettings();
// A Windows locale picture in this formatter's letters: its am/pm marker, t or tt, becomes
// "ampm" (left as it is, tt would expand the long time format, which holds it again).
std::string FromLocalePicture(std::string_view picture);

} // namespace forms
