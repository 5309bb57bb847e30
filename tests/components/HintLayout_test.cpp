// The pop-up hint's sizes on a measurer of one pixel per byte, its text rectangle, the link square
// and the look of each style.
#include "components/HintLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

using forms::Rect;
using forms::TRect;

namespace {

constexpr int kLine = 12; // the fake's line height

// One pixel per byte; lines end at CR LF and wrap into the width in pieces of that many bytes.
class ByteMeasurer : public THintMeasurer {
public:
    int TextWidth(std::string_view line) override { return static_cast<int>(line.size()); }
    forms::TSize WrappedSize(std::string_view text, int width) override {
        wrapWidths.push_back(width);
        int widest = 0, lines = 0;
        for (size_t start = 0;;) {
            const size_t end = text.find("\r\n", start);
            int n = static_cast<int>(text.substr(start, end - start).size());
            do {
                const int piece = width > 0 && n > width ? width : n;
                widest = std::max(widest, piece);
                n -= piece;
                ++lines;
            } while (n > 0);
            if (end == std::string_view::npos)
                break;
            start = end + 2;
        }
        return {widest, lines * kLine};
    }
    std::vector<int> wrapWidths;
};

// Margins told apart from each other: left 10, right 7, top 5, bottom 3; a 10-point font at 96
// pixels per inch (13 pixels a line).
THintMetrics Metrics() {
    THintMetrics m;
    m.LeftMargin = 10;
    m.RightMargin = 7;
    m.TopMargin = 5;
    m.HeightMargin = 3;
    m.MaxWidth = 300;
    m.FontSize = 10;
    m.PixelsPerInch = 96;
    return m;
}

constexpr int kExtra = 10 + 7 + 6; // margins and 6 pixels beside the text
constexpr int kCharHeight = 13;

} // namespace

// ---- line height ----

TEST(HintLineHeight, IsLinesTimesTheCharacterHeightOfTheFontSize) {
    THintMetrics m;
    m.FontSize = 9;
    m.PixelsPerInch = 96;
    EXPECT_EQ(m.LineHeight(1), 12);
    EXPECT_EQ(m.LineHeight(3), 36);
    m.FontSize = 10;
    EXPECT_EQ(m.LineHeight(2), 26); // 13.33 rounds to 13
    m.PixelsPerInch = 120;
    EXPECT_EQ(m.LineHeight(1), 17); // 16.67
    EXPECT_EQ(m.LineHeight(0), 0);
}

TEST(HintLineHeight, WithoutPixelsPerInchIsZero) {
    THintMetrics m;
    m.PixelsPerInch = 0;
    EXPECT_EQ(m.LineHeight(4), 0);
}

// ---- text width ----

TEST(HintTextWidth, OneLineIsItsWidthPlusMarginsAndSix) {
    ByteMeasurer meter;
    EXPECT_EQ(HintTextWidth(Metrics(), meter, "abcdef", 0), 6 + kExtra);
}

TEST(HintTextWidth, TheIconAdds36) {
    ByteMeasurer meter;
    THintMetrics m = Metrics();
    m.IsIcon = true;
    EXPECT_EQ(HintTextWidth(m, meter, "abcdef", 0), 6 + kExtra + 36);
}

TEST(HintTextWidth, TheLastLineCountsLikeTheOthers) {
    ByteMeasurer meter;
    EXPECT_EQ(HintTextWidth(Metrics(), meter, "ab\r\nabcd\r\nabcdefghij", 0), 10 + kExtra);
}

TEST(HintTextWidth, OnlyTheFirstMaxLinesCount) {
    ByteMeasurer meter;
    const std::string text = "abc\r\nabcde\r\nabcdefghij\r\na";
    EXPECT_EQ(HintTextWidth(Metrics(), meter, text, 2), 5 + kExtra);
    EXPECT_EQ(HintTextWidth(Metrics(), meter, text, 1), 3 + kExtra);
    EXPECT_EQ(HintTextWidth(Metrics(), meter, text, 9), 10 + kExtra);
}

TEST(HintTextWidth, OnlyCrLfEndsALine) {
    ByteMeasurer meter;
    EXPECT_EQ(HintTextWidth(Metrics(), meter, "ab\rcd\nef", 1), 8 + kExtra);
}

TEST(HintTextWidth, EmptyTextIsTheExtrasAlone) {
    ByteMeasurer meter;
    EXPECT_EQ(HintTextWidth(Metrics(), meter, "", 0), kExtra);
    EXPECT_EQ(HintTextWidth(Metrics(), meter, "abc\r\n", 0), 3 + kExtra);
}

// ---- hint rectangle ----

TEST(HintRect, OneLineIsTextPlusSixAndMarginsWideAndOneLinePlusMarginsHigh) {
    ByteMeasurer meter;
    EXPECT_EQ(HintRect(Metrics(), meter, 0, "abcdef"), Rect(0, 0, 6 + kExtra, kLine + 2 + 5 + 3));
}

TEST(HintRect, TextIsMeasuredInTheWiderOfItsWidthAndTheLimit) {
    ByteMeasurer meter;
    (void)HintRect(Metrics(), meter, 200, "abcdef");
    (void)HintRect(Metrics(), meter, 4, "abcdef");
    EXPECT_EQ(meter.wrapWidths, (std::vector<int>{200, 6 + kExtra}));
}

TEST(HintRect, MaxLineSetsTheHeightToThatManyCharacterHeights) {
    ByteMeasurer meter;
    THintMetrics m = Metrics();
    m.MaxLine = 2;
    const TRect r = HintRect(m, meter, 500, "a\r\nbb\r\nccc\r\ndddd\r\neeeee");
    EXPECT_EQ(r.Height(), 2 * kCharHeight + 5 + 3);
    EXPECT_EQ(meter.wrapWidths, (std::vector<int>{2 + kExtra})); // the limit is not used
}

TEST(HintRect, MaxHeightFixesTheHeightWhenMaxLineIsZero) {
    ByteMeasurer meter;
    THintMetrics m = Metrics();
    m.MaxHeight = 70;
    EXPECT_EQ(HintRect(m, meter, 0, "abc").Height(), 70);
    m.MaxLine = 1;
    EXPECT_EQ(HintRect(m, meter, 0, "abc").Height(), kCharHeight + 5 + 3);
}

TEST(HintRect, TheIconAddsFourHighAnd36Wide) {
    ByteMeasurer meter;
    THintMetrics m = Metrics();
    m.IsIcon = true;
    EXPECT_EQ(HintRect(m, meter, 0, "abcdef"), Rect(0, 0, 6 + kExtra + 36, kLine + 2 + 5 + 3 + 4));
}

TEST(HintRect, LockWidthMeasuresInMaxWidthSoLongTextWraps) {
    ByteMeasurer meter;
    THintMetrics m = Metrics();
    m.LockWidth = true;
    m.MaxWidth = 20;
    const TRect r = HintRect(m, meter, 500, std::string(50, 'x'));
    EXPECT_EQ(meter.wrapWidths, (std::vector<int>{20}));
    EXPECT_EQ(r, Rect(0, 0, 20 + 6 + 17, 3 * kLine + 2 + 5 + 3));
}

TEST(HintRect, LockWidthWithMaxLineIsThatManyLinesAndFourHigh) {
    ByteMeasurer meter;
    THintMetrics m = Metrics();
    m.LockWidth = true;
    m.MaxLine = 3;
    EXPECT_EQ(HintRect(m, meter, 0, "abc").Height(), 3 * kCharHeight + 4);
}

TEST(HintRect, LockWidthRaisesAFixedHeightToTheTextAndMargins) {
    ByteMeasurer meter;
    THintMetrics m = Metrics();
    m.LockWidth = true;
    m.MaxHeight = 4;
    EXPECT_EQ(HintRect(m, meter, 0, "a\r\nb").Height(), 2 * kLine + 2 + 5 + 3);
    m.MaxHeight = 90;
    EXPECT_EQ(HintRect(m, meter, 0, "a\r\nb").Height(), 90);
}

// ---- shown rectangle ----

TEST(ShownHintRect, OneLineShownWithoutWidthAndHeightFitsTheText) {
    ByteMeasurer meter;
    EXPECT_EQ(ShownHintRect(Metrics(), meter, 100, 50, 0, 0, "abcdef"),
              Rect(100, 50, 100 + 6 + kExtra, 50 + kLine + 2 + 5 + 3));
}

TEST(ShownHintRect, OneLineWithTheIconIs36WiderAndFourHigher) {
    ByteMeasurer meter;
    THintMetrics m = Metrics();
    m.IsIcon = true;
    const TRect r = ShownHintRect(m, meter, 0, 0, 0, 0, "abcdef");
    EXPECT_EQ(r.Width(), 6 + kExtra + 36);
    // Four from the rectangle's calculation and four more where the hint is placed.
    EXPECT_EQ(r.Height(), kLine + 2 + 5 + 3 + 4 + 4);
}

TEST(ShownHintRect, TheCallersWidthAndHeightWinWhenGiven) {
    ByteMeasurer meter;
    const TRect r = ShownHintRect(Metrics(), meter, 0, 0, 250, 40, "abc");
    EXPECT_EQ(r, Rect(0, 0, 250, 40));
}

TEST(ShownHintRect, MaxLineThreeWithTheLastLineLongestFitsTheLastLine) {
    ByteMeasurer meter;
    THintMetrics m = Metrics();
    m.MaxLine = 3;
    const TRect r = ShownHintRect(m, meter, 0, 0, 0, 0, "ab\r\nabc\r\nabcdefghijkl");
    EXPECT_EQ(r.Width(), 12 + kExtra);
    EXPECT_EQ(r.Height(), 3 * kCharHeight + 5 + 3);
}

TEST(ShownHintRect, MaxLineTwoOfFiveLinesFitsTheFirstTwo) {
    ByteMeasurer meter;
    THintMetrics m = Metrics();
    m.MaxLine = 2;
    const TRect r =
        ShownHintRect(m, meter, 0, 0, 0, 0, "abcd\r\nabcdefg\r\nabcdefghijklmn\r\nx\r\ny");
    EXPECT_EQ(r.Width(), 7 + kExtra);
    EXPECT_EQ(r.Height(), 2 * kCharHeight + 5 + 3);
}

TEST(ShownHintRect, MaxLineIgnoresAFixedHeight) {
    ByteMeasurer meter;
    THintMetrics m = Metrics();
    m.MaxLine = 1;
    EXPECT_EQ(ShownHintRect(m, meter, 0, 0, 0, 200, "abc").Height(), kCharHeight + 5 + 3);
}

TEST(ShownHintRect, LockWidthIsMaxWidthWideForAnyText) {
    ByteMeasurer meter;
    THintMetrics m = Metrics();
    m.LockWidth = true;
    m.MaxWidth = 120;
    for (const char* text : {"", "a", "abcdefghijklmnopqrstuvwxyz", "a\r\nb\r\nc"}) {
        const TRect r = ShownHintRect(m, meter, 0, 0, 400, 0, text);
        EXPECT_EQ(r.Width(), 120) << text;
        // At least the calculated height and the margins once more.
        EXPECT_EQ(r.Height(), HintRect(m, meter, 400, text).Height() + 5 + 3) << text;
    }
}

TEST(ShownHintRect, NegativeMarginsAndSizesGiveARectangleWithoutFailing) {
    ByteMeasurer meter;
    THintMetrics m = Metrics();
    m.LeftMargin = m.RightMargin = m.TopMargin = m.HeightMargin = -40;
    const TRect r = ShownHintRect(m, meter, 0, 0, -5, 0, "abc");
    EXPECT_EQ(r.Width(), -5); // the caller's width is the larger one
}

// A line limit of 200 million overflowed the line height, a hint near the end of int its corner.
TEST(HintSizes, SaturateAtTheEndsOfInt) {
    ByteMeasurer meter;
    THintMetrics m = Metrics();
    EXPECT_EQ(ShownHintRect(m, meter, INT32_MAX - 5, 0, 0, 0, "abc").Right, INT32_MAX);
    m.MaxLine = 200000000;
    EXPECT_EQ(HintRect(m, meter, 0, "abc").Bottom, INT32_MAX);
}

// ---- text rectangle ----

TEST(HintTextRect, LiesInsideTheMarginsAndTwoPixels) {
    ByteMeasurer meter;
    const TRect r = HintTextRect(Metrics(), meter, Rect(0, 0, 100, 50), "abcd\r\nab");
    EXPECT_EQ(meter.wrapWidths, (std::vector<int>{100 - 10 - 2 - 7 - 2}));
    EXPECT_EQ(r, Rect(12, 7, 12 + 4, 7 + 2 * kLine));
}

TEST(HintTextRect, TheIconMovesTheTextRight) {
    ByteMeasurer meter;
    THintMetrics m = Metrics();
    m.IsIcon = true;
    EXPECT_EQ(HintTextRect(m, meter, Rect(0, 0, 100, 50), "a").Left, 12 + 36);
}

TEST(HintTextRect, MaxLineCutsTheTextAfterThatManyLines) {
    ByteMeasurer meter;
    THintMetrics m = Metrics();
    m.MaxLine = 2;
    const TRect r = HintTextRect(m, meter, Rect(0, 0, 100, 200), "a\r\nb\r\nc\r\nd\r\ne");
    EXPECT_EQ(r.Bottom, 7 + 2 * kCharHeight + 2);
}

TEST(HintTextRect, MaxHeightLeavesOutTheMargins) {
    ByteMeasurer meter;
    THintMetrics m = Metrics();
    m.MaxHeight = 40;
    EXPECT_EQ(HintTextRect(m, meter, Rect(0, 0, 100, 200), "a").Bottom, 7 + 40 - 5 - 3);
}

// ---- link square ----

TEST(HintLinkSquare, OnlyStrictlyInsideTheSquareAtTheMarginsWithTheIcon) {
    THintMetrics m = Metrics(); // the square's corner is (10, 5)
    m.IsIcon = true;
    EXPECT_TRUE(InHintLinkSquare(m, 11, 6));
    EXPECT_TRUE(InHintLinkSquare(m, 41, 36));
    EXPECT_TRUE(InHintLinkSquare(m, 26, 20));
    EXPECT_FALSE(InHintLinkSquare(m, 10, 20)); // the edge lines
    EXPECT_FALSE(InHintLinkSquare(m, 26, 5));
    EXPECT_FALSE(InHintLinkSquare(m, 42, 20));
    EXPECT_FALSE(InHintLinkSquare(m, 26, 37));
    m.IsIcon = false;
    EXPECT_FALSE(InHintLinkSquare(m, 26, 20));
}

// ---- looks ----

TEST(HintLook, TheSkinNeedsBothSwitchesAndAllPictures) {
    EXPECT_EQ(HintLook(hwsStyle, true, true, true), THintLook::Skin);
    EXPECT_EQ(HintLook(hwsStyle, false, true, true), THintLook::Plain);
    EXPECT_EQ(HintLook(hwsStyle, true, false, true), THintLook::Plain);
    EXPECT_EQ(HintLook(hwsStyle, true, true, false), THintLook::Plain);
}

TEST(HintLook, OtherStylesKeepTheirLookWhateverTheSwitches) {
    for (const bool on : {false, true}) {
        EXPECT_EQ(HintLook(hwsNormal, on, on, on), THintLook::Plain);
        EXPECT_EQ(HintLook(hwsRoundRect, on, on, on), THintLook::Round);
        EXPECT_EQ(HintLook(hwsOwnerDraw, on, on, on), THintLook::OwnerDraw);
    }
}
