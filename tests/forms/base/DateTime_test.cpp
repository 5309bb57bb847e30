#include "forms/base/DateTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace forms;

namespace {
// Thursday 2024-09-05 14:07:03.045.
const TDateTime kAfternoon = EncodeDate(2024, 9, 5) + EncodeTime(14, 7, 3, 45);

std::string Fmt(std::string_view format, TDateTime dt = kAfternoon) {
    return FormatDateTime(format, dt, JapaneseFormatSettings());
}
} // namespace

TEST(DateTime, EncodeCountsDaysFrom18991230) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
    EXPECT_EQ(EncodeTime(18, 0, 0, 0), 0.75);
}

TEST(DateTime, DecodeDateRoundTripsEveryDayOfFourCenturies) {
    for (int serial = -36524; serial < 146097 - 36524; ++serial) {
        const TDateParts d = DecodeDate(serial);
        ASSERT_EQ(EncodeDate(d.Year, d.Month, d.Day), serial);
    }
    const TDateParts leap = DecodeDate(EncodeDate(2000, 2, 29));
    EXPECT_EQ(leap.Month * 100 + leap.Day, 229);
}

TEST(DateTime, NegativeValuesCountTheTimeForwardFromTheirDay) {
    const TDateParts d = DecodeDate(-1.25);
    EXPECT_EQ(d.Year * 10000 + d.Month * 100 + d.Day, 18991229);
    EXPECT_EQ(DecodeTime(-1.25).Hour, 6);
}

TEST(DateTime, TimeRoundsToTheMillisecondAndCarriesIntoTheNextDay) {
    const TTimeParts t = DecodeTime(kAfternoon);
    EXPECT_EQ(t.Hour, 14);
    EXPECT_EQ(t.Minute, 7);
    EXPECT_EQ(t.Second, 3);
    EXPECT_EQ(t.MilliSecond, 45);
    const TDateTime almostMidnight = EncodeDate(2024, 2, 29) + 0.9999999999;
    const TDateParts d = DecodeDate(almostMidnight);
    EXPECT_EQ(d.Month * 100 + d.Day, 301);
    EXPECT_EQ(DecodeTime(almostMidnight).Hour, 0);
    EXPECT_EQ(DayOfWeek(almostMidnight), 6); // Friday, the day it rounds to
}

TEST(DateTime, DayOfWeekCountsFromSunday) {
    EXPECT_EQ(DayOfWeek(0), 7); // 1899-12-30 was a Saturday
    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 6, 2)), 1);
    EXPECT_EQ(DayOfWeek(kAfternoon), 5);
    EXPECT_EQ(DayOfWeek(-1), 6);
    EXPECT_EQ(DayOfWeek(-8), 6);
}

TEST(DateTime, ValuesOutsideTheCalendarCountAsZero) {
    for (double bad : {std::numeric_limits<double>::quiet_NaN(),
                       std::numeric_limits<double>::infinity(), -1e300, 1e10, 2958466.0}) {
        const TDateParts d = DecodeDate(bad);
        EXPECT_EQ(d.Year * 10000 + d.Month * 100 + d.Day, 18991230) << bad;
        EXPECT_EQ(DecodeTime(bad).Hour, 0);
        EXPECT_EQ(DayOfWeek(bad), 7);
    }
    EXPECT_EQ(Fmt("yyyy/mm/dd hh:nn", std::nan("")), "1899/12/30 00:00");
}

TEST(DateTime, DayTokens) {
    EXPECT_EQ(Fmt("d dd ddd dddd"), "5 05 木 木曜日");
    EXPECT_EQ(Fmt("ddddd"), "2024/09/05");
    EXPECT_EQ(Fmt("dddddd"), "2024年9月5日");
    EXPECT_EQ(Fmt("ddddddd"), "2024年9月5日");
}

TEST(DateTime, MonthAndYearTokens) {
    EXPECT_EQ(Fmt("m mm mmm mmmm"), "9 09 9 9月");
    EXPECT_EQ(Fmt("y yy yyy yyyy yyyyy"), "24 24 2024 2024 2024");
    EXPECT_EQ(Fmt("yy", EncodeDate(2003, 1, 1)), "03");
}

TEST(DateTime, TimeTokens) {
    EXPECT_EQ(Fmt("h hh n nn s ss"), "14 14 7 07 3 03");
    EXPECT_EQ(Fmt("z zz zzz zzzz"), "45 45 045 045");
    EXPECT_EQ(Fmt("hh", EncodeTime(9, 0, 0, 0)), "09");
    EXPECT_EQ(Fmt("t|tt"), "14:07|14:07:03");
}

TEST(DateTime, LettersCountInAnyCase) {
    EXPECT_EQ(Fmt("YYYY-MM-DD HH:NN:SS"), "2024-09-05 14:07:03");
    EXPECT_EQ(Fmt("Dddd"), "木曜日");
}

TEST(DateTime, CWritesShortDateBlankAndLongTimeEvenAtMidnight) {
    EXPECT_EQ(Fmt("c"), "2024/09/05 14:07:03");
    EXPECT_EQ(Fmt("c", EncodeDate(2024, 9, 5)), "2024/09/05 0:00:00");
}

TEST(DateTime, MinuteFollowsAnHourAcrossNonLettersOnly) {
    EXPECT_EQ(Fmt("h:m"), "14:7");
    EXPECT_EQ(Fmt("hh mm"), "14 07");
    EXPECT_EQ(Fmt("h時mm分"), "14時07分");
    EXPECT_EQ(Fmt("h'x'mm"), "14x07");
    EXPECT_EQ(Fmt("h:mmm"), "14:07");
    EXPECT_EQ(Fmt("hxmm"), "14x09");
    EXPECT_EQ(Fmt("d mm"), "5 09");
    EXPECT_EQ(Fmt("h:nn mm"), "14:07 09");
}

TEST(DateTime, AmPmMarkersAndTheTwelveHourClock) {
    EXPECT_EQ(Fmt("am/pm AM/PM a/p A/P ampm"), "pm PM p P 午後");
    EXPECT_EQ(Fmt("h:nn ampm"), "2:07 午後");
    EXPECT_EQ(Fmt("ampm h:nn"), "午後 2:07");
    EXPECT_EQ(Fmt("hh:nn AM/PM", EncodeTime(0, 5, 0, 0)), "12:05 AM");
    EXPECT_EQ(Fmt("h a/p", EncodeTime(12, 0, 0, 0)), "12 p");
    EXPECT_EQ(Fmt("h 'ampm'"), "14 ampm");
    EXPECT_EQ(Fmt("aaa"), "aaa");
}

TEST(DateTime, SeparatorsComeFromTheSettings) {
    TFormatSettings s = JapaneseFormatSettings();
    s.DateSeparator = "-";
    s.TimeSeparator = ".";
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd hh:nn", kAfternoon, s), "2024-09-05 14.07");
}

TEST(DateTime, QuotedTextIsCopiedWithoutTheQuotes) {
    EXPECT_EQ(Fmt("'h' \"dd\" h"), "h dd 14");
    EXPECT_EQ(Fmt("\"it's\""), "it's");
    EXPECT_EQ(Fmt("d 'open"), "5 open");
    EXPECT_EQ(Fmt("''"), "");
}

TEST(DateTime, DoubleByteCharactersAreNeverTakenForLetters) {
    // 年 94 4E, 六 98 5A, 皐 8E 48, 葉 97 74, 師 8E 74: trail bytes N, Z, H, t, t.
    EXPECT_EQ(Fmt("yyyy年"), "2024年");
    EXPECT_EQ(Fmt("六皐葉師 mm"), "六皐葉師 09");
    EXPECT_EQ(Fmt("\x95"), "\x95"); // a lone lead byte at the end is copied
}

TEST(DateTime, NestedExpansionStopsAfterTwoLevels) {
    TFormatSettings s = JapaneseFormatSettings();
    s.ShortDateFormat = "d ddddd";
    EXPECT_EQ(FormatDateTime("ddddd", kAfternoon, s), "5 5 ");
    s.LongTimeFormat = "tt";
    s.ShortTimeFormat = "c";
    EXPECT_EQ(FormatDateTime("tt|t", kAfternoon, s), "|5  ");
}

TEST(DateTime, NamesComeFromTheSettings) {
    TFormatSettings s = JapaneseFormatSettings();
    s.ShortMonthNames[8] = "Sep";
    s.LongMonthNames[8] = "September";
    s.ShortDayNames[4] = "Thu";
    s.LongDayNames[4] = "Thursday";
    EXPECT_EQ(FormatDateTime("mmm mmmm ddd dddd", kAfternoon, s), "Sep September Thu Thursday");
}

TEST(DateTime, LocaleAmPmMarkerBecomesAmpm) {
    EXPECT_EQ(FromLocalePicture("h:mm:ss tt"), "h:mm:ss ampm");
    EXPECT_EQ(FromLocalePicture("tt h:mm"), "ampm h:mm");
    EXPECT_EQ(FromLocalePicture("H:mm t"), "H:mm ampm");
    EXPECT_EQ(FromLocalePicture("'at' H"), "'at' H");
    EXPECT_EQ(FromLocalePicture("葉 H"), "葉 H");
    EXPECT_EQ(FromLocalePicture("yyyy年M月d日"), "yyyy年M月d日");

    TFormatSettings s = JapaneseFormatSettings();
    s.LongTimeFormat = FromLocalePicture("h:mm:ss tt");
    s.TimeAMString = "AM";
    s.TimePMString = "PM";
    EXPECT_EQ(FormatDateTime("tt", kAfternoon, s), "2:07:03 PM");
}
