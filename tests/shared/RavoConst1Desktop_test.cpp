// The portable halves of the mouse-button set, the work-area clamp, the pointer test and the
// version resource's translation key.
#include "shared/RavoConst1.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <random>

using forms::TPoint;
using forms::TRect;

namespace {
const TRect kWorkArea{0, 0, 1024, 748};

TPoint Clamped(int x, int y, int w, int h, const TRect& area = kWorkArea) {
    ClampToArea(x, y, w, h, area);
    return {x, y};
}
} // namespace

TEST(LaunchMouseBtns, HoldsBitNForOrdinalN) {
    EXPECT_EQ(lmMos5, 5);
    EXPECT_EQ(TLaunchMouseBtns({lmNone}).Bits(), 0x01);
    EXPECT_EQ(TLaunchMouseBtns({lmLeft, lmMiddle}).Bits(), 0x0A);
    EXPECT_EQ(TLaunchMouseBtns({lmMos4, lmMos5}).Bits(), 0x30);
}

TEST(LaunchMouseBtns, IncludeAndExcludeChangeOnlyTheirMember) {
    TLaunchMouseBtns s{lmRight};
    s.Include(lmMos4);
    EXPECT_TRUE(s.Contains(lmRight));
    EXPECT_TRUE(s.Contains(lmMos4));
    s.Exclude(lmRight);
    EXPECT_FALSE(s.Contains(lmRight));
    EXPECT_EQ(s, TLaunchMouseBtns({lmMos4}));
    s.Exclude(lmMos4);
    EXPECT_TRUE(s.Empty());
}

TEST(LaunchMouseBtns, EqualityIsExact) {
    EXPECT_NE(TLaunchMouseBtns({lmMiddle}), TLaunchMouseBtns({lmMiddle, lmLeft}));
    EXPECT_EQ(TLaunchMouseBtns({lmMiddle, lmLeft}), TLaunchMouseBtns({lmLeft, lmMiddle}));
}

TEST(LaunchMouseBtns, FromBitsDropsBitsAboveTheLastButton) {
    EXPECT_EQ(TLaunchMouseBtns::FromBits(0xC4), TLaunchMouseBtns({lmRight}));
}

TEST(MouseBtnType, OrdinalsFollowTheAssignmentOrder) {
    EXPECT_EQ(mbtNone, 0);
    EXPECT_EQ(mbt5, 5);
    EXPECT_EQ(mbtWhlup, 6);
    EXPECT_EQ(mbtLWhlup, 8);
    EXPECT_EQ(mbtRWhldn, 11);
    EXPECT_EQ(mbtMWhldn, 13);
}

TEST(ClampToArea, BoxInsideStays) {
    EXPECT_EQ(Clamped(100, 200, 300, 100), (TPoint{100, 200}));
    EXPECT_EQ(Clamped(724, 648, 300, 100), (TPoint{724, 648})); // touching the corner
}

TEST(ClampToArea, BoxPastAnEdgeMovesBackToIt) {
    EXPECT_EQ(Clamped(900, 10, 300, 100), (TPoint{724, 10}));
    EXPECT_EQ(Clamped(-50, 10, 300, 100), (TPoint{0, 10}));
    EXPECT_EQ(Clamped(10, -5, 300, 100), (TPoint{10, 0}));
    EXPECT_EQ(Clamped(10, 700, 300, 100), (TPoint{10, 648}));
    EXPECT_EQ(Clamped(2000, 2000, 300, 100), (TPoint{724, 648}));
}

TEST(ClampToArea, BoxWiderThanTheAreaEndsAtItsLeftEdge) {
    EXPECT_EQ(Clamped(500, 10, 1200, 100).X, 0);
    EXPECT_EQ(Clamped(-300, 10, 1200, 100).X, 0);
}

TEST(ClampToArea, BoxTallerThanTheAreaEndsAtItsBottomEdge) {
    EXPECT_EQ(Clamped(10, 0, 100, 800).Y, 748 - 800);
}

TEST(ClampToArea, AreaAwayFromTheOrigin) {
    const TRect area{-1024, 100, 0, 868}; // a monitor left of the primary one, taskbar on top
    EXPECT_EQ(Clamped(-10, 50, 100, 100, area), (TPoint{-100, 100}));
    EXPECT_EQ(Clamped(-2000, 900, 100, 100, area), (TPoint{-1024, 768}));
}

TEST(StrictlyInside, LeftAndTopEdgesAreOutside) {
    const TRect bar{0, 748, 1024, 768};
    EXPECT_FALSE(StrictlyInside(bar, {500, 748}));
    EXPECT_TRUE(StrictlyInside(bar, {500, 749}));
    EXPECT_FALSE(StrictlyInside(bar, {0, 760}));
    EXPECT_TRUE(StrictlyInside(bar, {1, 760}));
}

TEST(StrictlyInside, RightColumnAndBottomRowAreOutside) {
    const TRect r{10, 20, 30, 40};
    EXPECT_TRUE(StrictlyInside(r, {29, 39}));
    EXPECT_FALSE(StrictlyInside(r, {30, 30}));
    EXPECT_FALSE(StrictlyInside(r, {20, 40}));
    EXPECT_FALSE(StrictlyInside(TRect{}, {0, 0}));
}

TEST(VersionTranslationKey, LanguageThenCodePageInLowerCaseHex) {
    EXPECT_EQ(VersionTranslationKey(std::string("\x11\x04\xa4\x03", 4)), "041103a4");
    EXPECT_EQ(VersionTranslationKey(std::string("\x09\x04\xb0\x04", 4)), "040904b0");
    EXPECT_EQ(VersionTranslationKey(std::string("\xff\xff\x00\x00", 4)), "ffff0000");
}

TEST(VersionTranslationKey, FirstOfSeveralEntriesWins) {
    EXPECT_EQ(VersionTranslationKey(std::string("\x09\x04\xe4\x04\x11\x04\xa4\x03", 8)),
              "040904e4");
}

TEST(VersionTranslationKey, ValueShorterThanOneEntryGivesNoKey) {
    EXPECT_EQ(VersionTranslationKey(""), "");
    EXPECT_EQ(VersionTranslationKey(std::string("\x11\x04", 2)), "");
    EXPECT_EQ(VersionTranslationKey(std::string("\x11\x04\xa4", 3)), "");
}

TEST(VersionTranslationKey, RandomValuesReadOnlyTheirOwnBytes) {
    std::mt19937 random(108);
    for (int round = 0; round < 2000; ++round) {
        // A value of its own allocation, so that the sanitizer sees any read past it.
        const size_t size = random() % 10;
        auto bytes = std::make_unique<char[]>(size ? size : 1);
        for (size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<char>(random());
        const std::string key = VersionTranslationKey({bytes.get(), size});
        if (size < 4) {
            EXPECT_EQ(key, "");
            continue;
        }
        ASSERT_EQ(key.size(), 8u);
        unsigned lang = 0, page = 0;
        ASSERT_EQ(std::sscanf(key.c_str(), "%4x%4x", &lang, &page), 2);
        EXPECT_EQ(lang, static_cast<unsigned char>(bytes[0]) | static_cast<unsigned char>(bytes[1])
                                                                   << 8);
        EXPECT_EQ(page, static_cast<unsigned char>(bytes[2]) | static_cast<unsigned char>(bytes[3])
                                                                   << 8);
        EXPECT_EQ(key.find_first_not_of("0123456789abcdef"), std::string::npos);
    }
}

TEST(TitledMessageText, TitleInBracketsThenTwoCarriageReturnsThenTheMessage) {
    EXPECT_EQ(TitledMessageText("登録の確認", "\"C:\\表\" を\r\r登録しますか？"),
              "【 登録の確認 】\r\r\"C:\\表\" を\r\r登録しますか？");
    EXPECT_EQ(TitledMessageText("", "A&B"), "【  】\r\rA&B");
}

TEST(TitledMessagePlace, ZeroMeansThePointerMinus16) {
    EXPECT_EQ(TitledMessagePlace(0, 0, {400, 300}), (TPoint{384, 284}));
    EXPECT_EQ(TitledMessagePlace(0, 50, {400, 300}), (TPoint{384, 50}));
    EXPECT_EQ(TitledMessagePlace(70, 0, {10, 5}), (TPoint{70, -11}));
}

TEST(TitledMessagePlace, OtherCoordinatesStay) {
    EXPECT_EQ(TitledMessagePlace(-1, -1, {400, 300}), (TPoint{-1, -1}));
    EXPECT_EQ(TitledMessagePlace(216, 116, {400, 300}), (TPoint{216, 116}));
}
