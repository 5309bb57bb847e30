// The version resource's translation key.
#include "shared/VersionInfo.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <random>

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
