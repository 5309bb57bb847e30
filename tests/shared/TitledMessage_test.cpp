// The titled message's text and place.
#include "shared/TitledMessage.h"

#include <gtest/gtest.h>

using forms::TPoint;

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
