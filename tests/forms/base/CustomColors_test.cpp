// Custom colours as sixteen "ColorA=BBGGRR" lines: written in upper case, read forgivingly, a
// missing or malformed line reading as 0.
#include "forms/base/CustomColors.h"
#include "forms/base/Strings.h"

#include <gtest/gtest.h>

#include <random>

using namespace forms;

TEST(CustomColors, WritesSixteenLinesOfSixUpperCaseDigits) {
    TCustomColors colors{};
    colors[0] = 0x0000FF;
    colors[1] = 0xABCDEF;
    colors[15] = 0x12345678; // bits above the colour are not written
    TStringList lines{"old"};
    WriteCustomColors(colors, lines);
    ASSERT_EQ(lines.Count(), 16);
    EXPECT_EQ(lines.Strings(0), "ColorA=0000FF");
    EXPECT_EQ(lines.Strings(1), "ColorB=ABCDEF");
    EXPECT_EQ(lines.Strings(2), "ColorC=000000");
    EXPECT_EQ(lines.Strings(15), "ColorP=345678");
}

TEST(CustomColors, MissingAndMalformedLinesReadAsZero) {
    TStringList lines{"ColorA=FF", "colorb=00ff00",   "ColorC=GG0000", "ColorD=1234567",
                      "ColorE=",   "ColorF= 0A0B0C ", "ColorG=-1",     "ColorH=0x12",
                      "ColorI=表", "ColorJ=123456",   "ColorJ=654321", "Color K=1",
                      "ColorL"};
    const TCustomColors c = ReadCustomColors(lines);
    EXPECT_EQ(c[0], 0xFFu);
    EXPECT_EQ(c[1], 0x00FF00u); // any letter case in names and digits
    EXPECT_EQ(c[2], 0u);
    EXPECT_EQ(c[3], 0u); // seven digits
    EXPECT_EQ(c[4], 0u);
    EXPECT_EQ(c[5], 0x0A0B0Cu); // blanks around the digits
    EXPECT_EQ(c[6], 0u);
    EXPECT_EQ(c[7], 0u);
    EXPECT_EQ(c[8], 0u);
    EXPECT_EQ(c[9], 0x123456u); // the first line of a name
    EXPECT_EQ(c[10], 0u);
    EXPECT_EQ(c[11], 0u);
    EXPECT_EQ(c[15], 0u);
}

TEST(CustomColors, RandomColoursRoundTrip) {
    std::mt19937 rng(17);
    for (int round = 0; round < 500; ++round) {
        TCustomColors colors{};
        for (uint32_t& c : colors)
            c = rng() & 0xFFFFFF;
        TStringList lines;
        WriteCustomColors(colors, lines);
        EXPECT_EQ(ReadCustomColors(lines), colors);
    }
}

TEST(CustomColors, RandomLinesReadAsColoursOrZero) {
    std::mt19937 rng(18);
    const std::string bytes = "ColorABP=0123456789abcdefFG \t-x$\x83\x7c";
    for (int round = 0; round < 5000; ++round) {
        TStringList lines;
        const int count = static_cast<int>(rng() % 20);
        for (int i = 0; i < count; ++i) {
            std::string line =
                rng() % 2 ? CustomColorName(static_cast<int>(rng() % 16)) + "=" : std::string();
            const int n = static_cast<int>(rng() % 9);
            for (int j = 0; j < n; ++j)
                line += bytes[rng() % bytes.size()];
            lines.Add(line);
        }
        for (const uint32_t c : ReadCustomColors(lines))
            EXPECT_LE(c, 0xFFFFFFu);
        // Writing what was read and reading it again changes nothing.
        const TCustomColors first = ReadCustomColors(lines);
        TStringList again;
        WriteCustomColors(first, again);
        EXPECT_EQ(ReadCustomColors(again), first);
    }
}
