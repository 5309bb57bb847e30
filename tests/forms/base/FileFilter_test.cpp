// File-dialog filters: split at each single-byte '|', never inside a double-byte character;
// anything that is no list of non-empty pairs is refused.
#include "forms/base/FileFilter.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace forms;

namespace {
using Entries = std::vector<TFilterEntry>;
} // namespace

TEST(FileFilter, PairsInOrder) {
    const auto e = ParseFileFilter("実行ファイル(*.EXE)|*.EXE|すべてのファイル(*.*)|*.*");
    ASSERT_TRUE(e);
    EXPECT_EQ(*e, (Entries{{"実行ファイル(*.EXE)", "*.EXE"}, {"すべてのファイル(*.*)", "*.*"}}));
}

TEST(FileFilter, TrailByteBarStaysInsideItsCharacter) {
    // ポ is 83 7C and 表 is 95 5C: neither splits nor ends a piece.
    const auto e = ParseFileFilter("ポ表|*.ポ;*.txt");
    ASSERT_TRUE(e);
    EXPECT_EQ(*e, (Entries{{"ポ表", "*.ポ;*.txt"}}));
}

TEST(FileFilter, EmptyTextHasNoEntries) {
    const auto e = ParseFileFilter("");
    ASSERT_TRUE(e);
    EXPECT_TRUE(e->empty());
}

TEST(FileFilter, OneBarAfterTheLastPatternIsAllowed) {
    const auto e = ParseFileFilter("Text|*.txt|");
    ASSERT_TRUE(e);
    EXPECT_EQ(*e, (Entries{{"Text", "*.txt"}}));
}

TEST(FileFilter, MalformedTextsAreRefused) {
    for (const std::string& bad : std::vector<std::string>{
             "Text", "Text|*.txt|Other", "|*.txt", "Text|", "Text||", "Text|*.txt||", "a|b||",
             std::string("Te\0xt|*.txt", 11), "ポ|"}) {
        EXPECT_FALSE(ParseFileFilter(bad)) << bad;
    }
}

TEST(FileFilter, RandomPairsComeBackWhole) {
    // Pieces built from characters whose second byte is '|' or '\', single bytes and blanks.
    const std::vector<std::string> alphabet = {"ポ", "表", "ソ",   "Ｂ", "a", " ", "*",
                                               ".",  ";",  "\xB1", "(",  ")", "\\"};
    std::mt19937 rng(15);
    auto piece = [&] {
        std::string s;
        const int n = 1 + static_cast<int>(rng() % 6);
        for (int i = 0; i < n; ++i)
            s += alphabet[rng() % alphabet.size()];
        return s;
    };
    for (int round = 0; round < 2000; ++round) {
        Entries entries;
        std::string text;
        const int count = 1 + static_cast<int>(rng() % 4);
        for (int i = 0; i < count; ++i) {
            entries.push_back({piece(), piece()});
            text += (i ? "|" : "") + entries.back().Description + "|" + entries.back().Pattern;
        }
        const auto parsed = ParseFileFilter(text);
        ASSERT_TRUE(parsed) << text;
        EXPECT_EQ(*parsed, entries) << text;
    }
}

TEST(FileFilter, RandomBytesEitherRefusedOrJoinedBackToTheText) {
    std::mt19937 rng(16);
    std::string bytes = "|||ab\x83\x95\x5c\x7c\x81\x40*.";
    bytes.push_back('\0');
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const int n = static_cast<int>(rng() % 12);
        for (int i = 0; i < n; ++i)
            text += bytes[rng() % bytes.size()];
        const auto parsed = ParseFileFilter(text);
        if (!parsed)
            continue;
        std::string joined;
        for (const TFilterEntry& e : *parsed) {
            EXPECT_FALSE(e.Description.empty());
            EXPECT_FALSE(e.Pattern.empty());
            joined += (joined.empty() ? "" : "|") + e.Description + "|" + e.Pattern;
        }
        EXPECT_TRUE(joined == text || joined + "|" == text) << text;
    }
}
