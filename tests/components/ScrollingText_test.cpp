#include "components/ScrollingText.h"

#include "shared/DateFormat.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

using namespace forms;

namespace {

// A label of the given size whose text is 6 pixels a byte long, or whatever length a test sets.
struct FakeLabel : TScrollingTextHost {
    TSize size{185, 20};
    int fontSize = 9;
    bool visible = true;
    int fixedLength = -1;
    TDateTime now = EncodeDate(2024, 6, 3) + EncodeTime(13, 5, 0, 0);
    std::vector<int> turns;
    int redraws = 0;
    int measured = 0;

    TSize LabelSize() const override { return size; }
    int FontSize() const override { return fontSize; }
    bool LabelVisible() const override { return visible; }
    int TextLength(std::string_view text) override {
        ++measured;
        return fixedLength >= 0 ? fixedLength : 6 * static_cast<int>(text.size());
    }
    void TurnFont(int angle) override { turns.push_back(angle); }
    void Redraw() override { ++redraws; }
    TDateTime Now() const override { return now; }
};

// The model as the label builds it: the origin for tssHorzLeft, the font upright.
struct Built {
    FakeLabel label;
    TScrollingText text{label};
    explicit Built(TSize size = {185, 20}) {
        label.size = size;
        text.SetScrollStyle(tssHorzLeft);
    }
};

std::vector<int> Lefts(TScrollingText& text, int ticks) {
    std::vector<int> v{text.TextLeft()};
    for (int i = 0; i < ticks; ++i) {
        text.Tick();
        v.push_back(text.TextLeft());
    }
    return v;
}

std::vector<int> Tops(TScrollingText& text, int ticks) {
    std::vector<int> v{text.TextTop()};
    for (int i = 0; i < ticks; ++i) {
        text.Tick();
        v.push_back(text.TextTop());
    }
    return v;
}

} // namespace

// ---- construction ----

TEST(ScrollingText, ConstructionValues) {
    Built b({65, 17});
    EXPECT_EQ(b.text.ScrollStyle(), tssHorzLeft);
    EXPECT_EQ(b.text.TelopMessage(), "スクロール");
    EXPECT_EQ(b.text.ScrollValue(), 4);
    EXPECT_FALSE(b.text.ShowTime());
    EXPECT_FALSE(b.text.Telop());
    EXPECT_EQ(b.text.DateTimeFormat(), "yyyy/mm/dd - hh:nn");
    EXPECT_FALSE(b.text.TimerEnabled());
    EXPECT_EQ(b.text.Interval(), 200u);
    EXPECT_EQ(b.text.TextLeft(), 0);
    EXPECT_EQ(b.text.TextTop(), 4); // (17 - 9) div 2
    EXPECT_EQ(b.label.turns, std::vector<int>{0});
}

// ---- the text shown ----

TEST(ScrollingText, DisplayedTextIsTheMessageOrTheClock) {
    Built b;
    EXPECT_EQ(b.text.DisplayedText(), "スクロール");
    b.text.SetShowTime(true);
    EXPECT_EQ(b.text.DisplayedText(), "2024/06/03 - 13:05");
    EXPECT_EQ(b.text.DateTimeCaption(), "2024/06/03 - 13:05");
    b.text.SetDateTimeFormat("[@T] dddd[@WJ]");
    EXPECT_EQ(b.text.DisplayedText(), FormatDateTimeEx("[@T] dddd[@WJ]", b.label.now));
    EXPECT_EQ(b.text.DisplayedText(), "十三時五分 月曜日");
}

TEST(ScrollingText, LineBreaks_KeptInTheMessageLeftOutOfTheLineShown) {
    Built b;
    b.text.SetTelopMessage("[アプリ] \r\nメモ帳");
    EXPECT_EQ(b.text.TelopMessage(), "[アプリ] \r\nメモ帳");
    EXPECT_EQ(b.text.DisplayedText(), "[アプリ] メモ帳");
    b.text.SetTelopMessage("表\r\nソ\n\r"); // their trail bytes 5C stay
    EXPECT_EQ(b.text.DisplayedText(), "表ソ");
}

TEST(ScrollingText, MessageAndFormatRedrawOnlyWhenTheyChange) {
    Built b;
    const int before = b.label.redraws;
    b.text.SetTelopMessage("スクロール");
    b.text.SetDateTimeFormat("yyyy/mm/dd - hh:nn");
    EXPECT_EQ(b.label.redraws, before);
    b.text.SetTelopMessage("ページ1");
    b.text.SetDateTimeFormat("hh:nn");
    EXPECT_EQ(b.label.redraws, before + 2);
    EXPECT_EQ(b.text.TelopMessage(), "ページ1");
}

// ---- origin ----

TEST(ScrollingText, ResetTextPos_EachStyleTurnsTheFontAndPlacesTheStart) {
    Built b({185, 20});
    b.text.SetScrollStyle(tssVertUp);
    EXPECT_EQ(b.label.turns.back(), -90);
    EXPECT_EQ(b.text.TextLeft(), (185 - 9) / 2 + 9);
    EXPECT_EQ(b.text.TextTop(), 0);
    b.text.SetScrollStyle(tssVertDn);
    EXPECT_EQ(b.label.turns.back(), 90);
    EXPECT_EQ(b.text.TextLeft(), (185 - 9) / 2);
    EXPECT_EQ(b.text.TextTop(), 20);
    b.text.SetScrollStyle(tssHorzLeft);
    EXPECT_EQ(b.label.turns.back(), 0);
    EXPECT_EQ(b.text.TextLeft(), 0);
    EXPECT_EQ(b.text.TextTop(), (20 - 9) / 2);
}

TEST(ScrollingText, ResetTextPos_HalvesTruncateTowardZero) {
    Built b({5, 4});                 // smaller than the font
    EXPECT_EQ(b.text.TextTop(), -2); // (4 - 9) div 2, not -3
    b.text.SetScrollStyle(tssVertDn);
    EXPECT_EQ(b.text.TextLeft(), -2);
    b.text.SetScrollStyle(tssVertUp);
    EXPECT_EQ(b.text.TextLeft(), 7);
}

TEST(ScrollingText, UnknownStyleCountsAsLeft) {
    Built b;
    b.text.SetScrollStyle(tssVertUp);
    b.text.SetScrollStyle(static_cast<TTelopScrollStyle>(7));
    EXPECT_EQ(b.text.ScrollStyle(), tssHorzLeft);
    EXPECT_EQ(b.label.turns.back(), 0);
    EXPECT_EQ(b.text.TextLeft(), 0);
}

TEST(ScrollingText, LaterSizeChangeDoesNotMoveTheOrigin) {
    Built b({185, 20});
    b.label.size = {300, 40};
    b.label.fontSize = 20;
    b.text.SetTelop(false);
    EXPECT_EQ(b.text.TextTop(), 5);
}

// ---- scrolling ----

TEST(ScrollingText, Tick_LeftScrollStartsOverOnceTheTextHasLeft) {
    Built b({185, 20});
    b.label.fixedLength = 60;
    b.text.SetScrollValue(10);
    b.text.SetTelop(true);
    EXPECT_EQ(Lefts(b.text, 8), (std::vector<int>{0, -10, -20, -30, -40, -50, -60, 185, 175}));
}

TEST(ScrollingText, Tick_UpScrollStartsOverAtTheBottom) {
    Built b({40, 100});
    b.label.fixedLength = 25;
    b.text.SetScrollStyle(tssVertUp);
    b.text.SetScrollValue(10);
    b.text.SetTelop(true);
    EXPECT_EQ(Tops(b.text, 5), (std::vector<int>{0, -10, -20, 100, 90, 80}));
}

TEST(ScrollingText, Tick_DownScrollStartsOverAtTheTop) {
    Built b({40, 50});
    b.label.fixedLength = 20;
    b.text.SetScrollStyle(tssVertDn);
    b.text.SetScrollValue(10);
    b.text.SetTelop(true);
    EXPECT_EQ(Tops(b.text, 4), (std::vector<int>{50, 60, 70, 0, 10}));
}

TEST(ScrollingText, Tick_MeasuresTheClockWhenItShowsTheTime) {
    Built b({185, 20});
    b.text.SetTelop(true);
    b.text.SetShowTime(true); // "2024/06/03 - 13:05": 18 bytes, 108 pixels
    b.text.SetScrollValue(100);
    EXPECT_EQ(Lefts(b.text, 2), (std::vector<int>{0, -100, 185}));
}

TEST(ScrollingText, Tick_StandingClockOnlyRedraws) {
    Built b;
    b.text.SetShowTime(true);
    ASSERT_TRUE(b.text.TimerEnabled());
    const int before = b.label.redraws;
    b.text.Tick();
    EXPECT_EQ(b.label.redraws, before + 1);
    EXPECT_EQ(b.text.TextLeft(), 0);
    EXPECT_EQ(b.label.measured, 0);
}

TEST(ScrollingText, Tick_HiddenLabelDoesNothing) {
    Built b;
    b.text.SetTelop(true);
    b.label.visible = false;
    const int before = b.label.redraws;
    b.text.Tick();
    b.text.Tick();
    EXPECT_EQ(b.text.TextLeft(), 0);
    EXPECT_EQ(b.label.redraws, before);
    b.label.visible = true;
    b.text.Tick();
    EXPECT_EQ(b.text.TextLeft(), -4);
}

TEST(ScrollingText, Tick_NegativeAndHugeValuesStayInsideTheIntegerRange) {
    Built b;
    b.label.fixedLength = 60;
    b.text.SetTelop(true);
    b.text.SetScrollValue(-10); // moves right and never starts over
    EXPECT_EQ(Lefts(b.text, 2), (std::vector<int>{0, 10, 20}));
    b.text.SetScrollValue(INT_MIN);
    b.text.Tick();
    b.text.Tick();
    EXPECT_EQ(b.text.TextLeft(), INT_MAX);
    b.text.SetScrollValue(INT_MAX);
    b.text.Tick();
    b.text.Tick(); // back to 0, then far past the left edge: starts over
    EXPECT_EQ(b.text.TextLeft(), 185);
    b.text.SetScrollStyle(tssVertDn);
    b.text.SetScrollValue(INT_MAX);
    b.text.Tick();
    EXPECT_EQ(b.text.TextTop(), 0); // past the bottom: starts over
}

// ---- the timer and the setters ----

TEST(ScrollingText, Telop_RunsTheTimerAtItsIntervalAndOffStopsAndResets) {
    Built b;
    b.text.SetTelop(true);
    EXPECT_TRUE(b.text.TimerEnabled());
    EXPECT_EQ(b.text.Interval(), 200u);
    b.text.Tick();
    b.text.Tick();
    ASSERT_EQ(b.text.TextLeft(), -8);
    const int redraws = b.label.redraws;
    b.text.SetTelop(false);
    EXPECT_FALSE(b.text.TimerEnabled());
    EXPECT_EQ(b.text.TextLeft(), 0);
    EXPECT_EQ(b.text.TextTop(), 5); // untouched
    EXPECT_EQ(b.label.redraws, redraws + 1);
    EXPECT_EQ(b.label.turns.size(), 1u); // the font stays as it is
    b.text.SetScrollStyle(tssVertUp);
    b.text.SetTelop(true);
    b.text.Tick();
    b.text.SetTelop(false);
    EXPECT_EQ(b.text.TextTop(), 0);
}

TEST(ScrollingText, Telop_OffKeepsTheClockRunningWhereTheTextIs) {
    Built b;
    b.text.SetTelop(true);
    b.text.SetShowTime(true);
    b.text.Tick();
    b.text.SetTelop(false);
    EXPECT_TRUE(b.text.TimerEnabled());
    EXPECT_EQ(b.text.TextLeft(), -4); // the timer did not stop, so nothing is reset
    EXPECT_EQ(b.text.Interval(), 500u);
}

TEST(ScrollingText, ShowTimeThenTelopKeepsTheStandingClocksInterval) {
    Built b;
    b.text.SetShowTime(true);
    EXPECT_EQ(b.text.Interval(), 1000u);
    EXPECT_TRUE(b.text.TimerEnabled());
    b.text.SetTelop(true);
    EXPECT_EQ(b.text.Interval(), 1000u);
    EXPECT_TRUE(b.text.TimerEnabled());
}

TEST(ScrollingText, TelopThenShowTimeScrollsTheClockEvery500) {
    Built b;
    b.text.SetTelop(true);
    EXPECT_EQ(b.text.Interval(), 200u);
    b.text.SetShowTime(true);
    EXPECT_EQ(b.text.Interval(), 500u);
    EXPECT_TRUE(b.text.TimerEnabled());
}

TEST(ScrollingText, ShowTimeOffSets500AndRunsOnlyWhileScrolling) {
    Built b;
    b.text.SetShowTime(true);
    b.text.SetShowTime(false);
    EXPECT_EQ(b.text.Interval(), 500u);
    EXPECT_FALSE(b.text.TimerEnabled());
    b.text.SetTelop(true);
    b.text.SetShowTime(false);
    EXPECT_EQ(b.text.Interval(), 500u);
    EXPECT_TRUE(b.text.TimerEnabled());
}

TEST(ScrollingText, Interval_ZeroStopsAndPutsTheTextBack) {
    Built b;
    b.text.SetTelop(true);
    b.text.Tick();
    ASSERT_EQ(b.text.TextLeft(), -4);
    const int redraws = b.label.redraws;
    b.text.SetInterval(0);
    EXPECT_EQ(b.text.Interval(), 0u);
    EXPECT_EQ(b.text.TextLeft(), 0);
    EXPECT_EQ(b.label.redraws, redraws + 1);
    EXPECT_TRUE(b.text.TimerEnabled()); // enabled, but an interval of 0 never ticks
    b.text.SetScrollStyle(tssVertDn);
    b.text.SetInterval(200);
    b.text.Tick();
    b.text.SetInterval(0);
    EXPECT_EQ(b.text.TextTop(), 20); // the down scroll starts at the bottom
}

TEST(ScrollingText, Interval_SameValueOrNonZeroLeavesTheText) {
    Built b;
    b.text.SetTelop(true);
    b.text.Tick();
    const int redraws = b.label.redraws;
    b.text.SetInterval(500);
    b.text.SetInterval(500);
    EXPECT_EQ(b.text.TextLeft(), -4);
    EXPECT_EQ(b.label.redraws, redraws);
    b.text.SetInterval(0);
    b.text.Tick();
    b.text.SetInterval(0); // unchanged: no reset
    EXPECT_EQ(b.text.TextLeft(), -4);
}
