// The Windows conversion and the portable table must agree on every character of the code page.
#include "forms/base/Codepage.h"

#include <gtest/gtest.h>

TEST(CodepageWin, SystemAndTableDecodeEveryByteAndPairAlike) {
    int differences = 0;
    for (int b = 0; b < 256; ++b) {
        const std::string s(1, static_cast<char>(b));
        if (cp932::ToUtf16(s) != cp932::table::ToUtf16(s) && ++differences < 10)
            ADD_FAILURE() << "byte " << std::hex << b;
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead)
        for (int trail = 1; trail < 256; ++trail) {
            const std::string s{static_cast<char>(lead), static_cast<char>(trail)};
            if (cp932::ToUtf16(s) != cp932::table::ToUtf16(s) && ++differences < 10)
                ADD_FAILURE() << "pair " << std::hex << lead << " " << trail;
        }
    EXPECT_EQ(differences, 0);
}

TEST(CodepageWin, SystemAndTableEncodeEveryCharacterAlike) {
    int differences = 0;
    for (int u = 1; u < 0x10000; ++u) {
        if (u >= 0xD800 && u <= 0xDFFF)
            continue;
        const std::u16string s(1, static_cast<char16_t>(u));
        bool lossySystem = false, lossyTable = false;
        const std::string a = cp932::FromUtf16(s, &lossySystem);
        const std::string b = cp932::table::FromUtf16(s, &lossyTable);
        if ((a != b || lossySystem != lossyTable) && ++differences < 10)
            ADD_FAILURE() << "U+" << std::hex << u;
    }
    EXPECT_EQ(differences, 0);
}

TEST(CodepageWin, NarrowExactRefusesTextTheCodePageCannotHold) {
    EXPECT_EQ(cp932::NarrowExact(L"C:\\\u8868\u793A"), std::optional<std::string>("C:\\表示"));
    EXPECT_EQ(cp932::NarrowExact(L""), std::optional<std::string>(""));
    EXPECT_EQ(cp932::NarrowExact(L"a\u00E9"), std::nullopt); // é
}
