#include "shared/DateFormat.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>

using forms::EncodeDate;
using forms::EncodeTime;
using forms::TDateTime;

namespace {
std::string Ex(std::string_view format, TDateTime dt) {
    return FormatDateTimeEx(format, dt, forms::JapaneseFormatSettings());
}
TDateTime Day(int month, int day) {
    return EncodeDate(2024, month, day);
}
TDateTime At(int hour, int minute, int second = 0) {
    return EncodeDate(2024, 9, 5) + EncodeTime(hour, minute, second, 0);
}
size_t Count(const std::string& s, const std::string& sub) {
    size_t n = 0;
    for (size_t at = s.find(sub); at != std::string::npos; at = s.find(sub, at + sub.size()))
        ++n;
    return n;
}
} // namespace

TEST(DateFormat, IntToKanjiWritesTensAndOnes) {
    EXPECT_EQ(IntToKanji(0), "零");
    EXPECT_EQ(IntToKanji(7), "七");
    EXPECT_EQ(IntToKanji(10), "十");
    EXPECT_EQ(IntToKanji(11), "十一");
    EXPECT_EQ(IntToKanji(20), "二十");
    EXPECT_EQ(IntToKanji(25), "二十五");
    EXPECT_EQ(IntToKanji(99), "九十九");
}

TEST(DateFormat, IntToKanjiLeavesThreeDigitsAndNegativesDecimal) {
    EXPECT_EQ(IntToKanji(100), "100");
    EXPECT_EQ(IntToKanji(2024), "2024");
    EXPECT_EQ(IntToKanji(-5), "-5");
}

TEST(DateFormat, HourTo12) {
    EXPECT_EQ(HourTo12(0), "十二");
    EXPECT_EQ(HourTo12(12), "十二");
    EXPECT_EQ(HourTo12(11), "十一");
    EXPECT_EQ(HourTo12(13), "一");
    EXPECT_EQ(HourTo12(23), "十一");
}

TEST(DateFormat, HasAmPmFindsEveryMarkerInAnyCase) {
    EXPECT_TRUE(HasAmPm("h:nn am/pm"));
    EXPECT_TRUE(HasAmPm("h a/P"));
    EXPECT_TRUE(HasAmPm("AmPm h"));
    EXPECT_FALSE(HasAmPm("h:nn am pm"));
    EXPECT_FALSE(HasAmPm(""));
}

TEST(DateFormat, EveryDayInKanji) {
    static const std::array<const char*, 31> kDays{
        "一",     "二",     "三",     "四",     "五",     "六",     "七",     "八",
        "九",     "十",     "十一",   "十二",   "十三",   "十四",   "十五",   "十六",
        "十七",   "十八",   "十九",   "二十",   "二十一", "二十二", "二十三", "二十四",
        "二十五", "二十六", "二十七", "二十八", "二十九", "三十",   "三十一"};
    for (int d = 1; d <= 31; ++d) {
        const std::string kanji = kDays[static_cast<size_t>(d - 1)];
        EXPECT_EQ(Ex("[@D]", Day(1, d)), kanji) << d;
        EXPECT_EQ(Ex("[@DD]", Day(1, d)), kanji + "日") << d;
    }
}

TEST(DateFormat, EveryHourOnBothClocks) {
    static const std::array<const char*, 24> k24{
        "零",   "一",   "二",   "三",   "四",   "五",     "六",     "七",
        "八",   "九",   "十",   "十一", "十二", "十三",   "十四",   "十五",
        "十六", "十七", "十八", "十九", "二十", "二十一", "二十二", "二十三"};
    static const std::array<const char*, 24> k12{
        "十二", "一", "二", "三", "四", "五", "六", "七", "八", "九", "十", "十一",
        "十二", "一", "二", "三", "四", "五", "六", "七", "八", "九", "十", "十一"};
    for (int h = 0; h < 24; ++h) {
        const size_t i = static_cast<size_t>(h);
        EXPECT_EQ(Ex("[@T]", At(h, 0)), std::string(k24[i]) + "時零分") << h;
        EXPECT_EQ(Ex("[@T]ampm", At(h, 0)),
                  std::string(k12[i]) + "時零分" + (h < 12 ? "午前" : "午後"))
            << h;
    }
}

TEST(DateFormat, TimeWithSecondsTakesTheClockOfTheFormat) {
    EXPECT_EQ(Ex("[@TT] AM/PM", At(0, 5)), "十二時五分零秒 AM");
    EXPECT_EQ(Ex("[@TT]", At(0, 5)), "零時五分零秒");
    EXPECT_EQ(Ex("[@T] ampm", At(13, 30)), "一時三十分 午後");
    EXPECT_EQ(Ex("[@T]", At(13, 30)), "十三時三十分");
    EXPECT_EQ(Ex("[@TT]|[@TT]", At(23, 59, 59)),
              "二十三時五十九分五十九秒|二十三時五十九分五十九秒");
}

TEST(DateFormat, OldMonthNames) {
    static const std::array<const char*, 12> kOld{"睦月", "如月",   "弥生", "卯月",
                                                  "皐月", "水無月", "文月", "葉月",
                                                  "長月", "神無月", "霜月", "師走"};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(Ex("[@LU]", Day(m, 1)), kOld[static_cast<size_t>(m - 1)]) << m;
}

TEST(DateFormat, KanjiWhoseTrailBytesAreTokenLettersComeOutIntact) {
    // 皐 8E 48 (H), 葉 97 74 (t), 師 8E 74 (t), 六 98 5A (Z), 年 94 4E (N).
    EXPECT_EQ(Ex("[@LU]mm", Day(5, 1)), "皐月05");
    EXPECT_EQ(Ex("[@LU]", Day(8, 1)), "葉月");
    EXPECT_EQ(Ex("mmmm[@ML]", Day(12, 1)), "師走");
    EXPECT_EQ(Ex("[@DD]", Day(1, 6)), "六日");
    EXPECT_EQ(Ex("yyyy年", Day(1, 6)), "2024年");
}

TEST(DateFormat, TokensAreFoundOnlyAtCharacterStarts) {
    // ゼ is 83 5B: its trail byte followed by "@D]" must not read as "[@D]".
    EXPECT_EQ(Ex("ゼ@D]", Day(1, 5)), "ゼ@5]");
    EXPECT_EQ(Ex("ゼ@ME]", Day(1, 5)), "ゼ@1E]");
}

TEST(DateFormat, MonthNameSwitches) {
    EXPECT_EQ(Ex("mmm mmmm[@ME]", Day(9, 1)), "Sept September");
    EXPECT_EQ(Ex("mmm mmmm[@ME]", Day(5, 1)), "May May");
    EXPECT_EQ(Ex("mmm mmmm[@MJ]", Day(12, 1)), "十二 十二月");
    EXPECT_EQ(Ex("mmm mmmm[@ML]", Day(6, 1)), "水無月 水無月");
}

TEST(DateFormat, WeekdayNameSwitches) {
    EXPECT_EQ(Ex("ddd dddd[@WE]", Day(6, 2)), "Sun Sunday");
    EXPECT_EQ(Ex("ddd dddd[@WE]", Day(6, 5)), "Wed Wednesday");
    forms::TFormatSettings english = forms::JapaneseFormatSettings();
    english.ShortDayNames[0] = "Sun";
    english.LongDayNames[0] = "Sunday";
    EXPECT_EQ(FormatDateTimeEx("ddd dddd[@WJ]", Day(6, 2), english), "日 日曜日");
}

TEST(DateFormat, LaterSwitchesWinWhereverTheyStand) {
    EXPECT_EQ(Ex("[@ML][@MJ][@ME]mmmm", Day(6, 1)), "水無月");
    EXPECT_EQ(Ex("[@ME][@ML]mmmm", Day(6, 1)), "水無月");
    EXPECT_EQ(Ex("mmmm[@MJ][@ME]", Day(6, 1)), "六月");
    EXPECT_EQ(Ex("[@WJ]dddd[@WE]", Day(6, 2)), "日曜日");
    EXPECT_EQ(Ex("[@ME]mmm[@WE]ddd", Day(6, 2)), "JunSun");
}

TEST(DateFormat, ASecondSwitchReachesTheFormatter) {
    EXPECT_EQ(Ex("mmm[@ME][@ME]", Day(9, 15)), "Sept[@9E]");
}

TEST(DateFormat, TokensInLowerCase) {
    EXPECT_EQ(Ex("[@tt]", At(0, 5)), "零時五分零秒");
    EXPECT_EQ(Ex("[@t]", At(13, 30)), "十三時三十分");
    EXPECT_EQ(Ex("mmm[@me]", Day(9, 1)), "Sept");
    EXPECT_EQ(Ex("[@lu]/[@dd]/[@d]", Day(6, 30)), "水無月/三十日/三十");
}

TEST(DateFormat, PlainFormatsUseTheLocale) {
    EXPECT_EQ(Ex("yyyy/mm/dd(ddd) hh:nn:ss", At(9, 8, 7)), "2024/09/05(木) 09:08:07");
    EXPECT_EQ(Ex("", At(9, 8, 7)), "");
}

// Random formats of tokens, letters, quotes and double-byte characters never crash, never hang,
// and every kanji of the format comes out whole.
TEST(DateFormat, RandomFormatsAreFormattedSafely) {
    static const std::array<const char*, 36> kPieces{
        "[@TT]", "[@T]", "[@LU]", "[@DD]", "[@D]",  "[@ME]", "[@MJ]", "[@ML]", "[@WE]",
        "[@WJ]", "[@",   "]",     "d",     "m",     "y",     "h",     "n",     "s",
        "z",     "t",    "c",     "a",     "am/pm", "a/p",   "ampm",  "'",     "\"",
        "/",     ":",    " ",     "六",    "皐",    "葉",    "師",    "年",    "\x83"};
    static const std::array<const char*, 5> kKanji{"六", "皐", "葉", "師", "年"};
    std::mt19937 rng(20240905);
    for (int round = 0; round < 20000; ++round) {
        std::string format;
        bool strayLeadByte = false; // one would pair with the next piece's first byte
        const int pieces = static_cast<int>(rng() % 24);
        for (int p = 0; p < pieces; ++p) {
            const size_t pick = rng() % (kPieces.size() + 4);
            if (pick < kPieces.size()) {
                format += kPieces[pick];
                strayLeadByte |= pick + 1 == kPieces.size();
            } else {
                const auto byte = static_cast<unsigned char>(rng() % 256);
                format += static_cast<char>(byte);
                strayLeadByte |= byte >= 0x80;
            }
        }
        const double dt = static_cast<double>(static_cast<int64_t>(rng() % 4000000) - 700000) +
                          static_cast<double>(rng() % 86400000) / 86400000.0;
        const std::string out = Ex(format, dt);
        ASSERT_LT(out.size(), 200 + format.size() * 40) << format;
        if (!strayLeadByte) {
            for (const char* k : kKanji)
                ASSERT_GE(Count(out, k), Count(format, k)) << format;
        }
    }
}
