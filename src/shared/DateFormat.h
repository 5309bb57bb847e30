#pragma once
// Date formatting for the title clock: kanji numerals, the 12-hour clock, and FormatDateTimeEx.
//
// The title clock's date-time format: the class library's format picture plus bracketed tokens
// (any letter case) that write times and days in kanji numerals, give the old month names and
// switch the month and weekday names:
//   [@TT]  hour時minute分second秒 in kanji   [@T]   hour時minute分
//          (the hour on the 12-hour clock when the format holds an am/pm marker)
//   [@LU]  the old name of the month          [@DD]  the day in kanji + 日     [@D]  the day
//   [@ME]  English month names                [@MJ]  kanji month names
//   [@ML]  old month names                    [@WE]  English weekday names
//   [@WJ]  Japanese weekday names
// The time and day tokens are replaced wherever they stand; of each switch the first occurrence
// is removed, and [@ML] beats [@MJ] beats [@ME], [@WJ] beats [@WE], wherever they stand.
#include "forms/base/DateTime.h"

#include <string>
#include <string_view>

// 0 to 99 in kanji numerals (10 十, 25 二十五); negative numbers and three or more digits stay
// decimal.
std::string IntToKanji(int n);
// An hour 0 to 23 on the 12-hour clock in kanji numerals (0 and 12 give 十二).
std::string HourTo12(int hour);
// The format holds "AM/PM", "A/P" or "AMPM" (any letter case).
bool HasAmPm(std::string_view format);

// dt by format with the tokens above, in the user's locale.
std::string FormatDateTimeEx(std::string_view format, forms::TDateTime dt);
std::string FormatDateTimeEx(std::string_view format, forms::TDateTime dt,
                             const forms::TFormatSettings& locale);
