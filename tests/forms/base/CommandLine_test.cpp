// The command line's conversion: characters of code page 932 as its bytes, each character the
// code page cannot hold as one NUL byte, never a '?' that would name another file.
#include "forms/base/Files.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace forms;

namespace {
struct Piece {
    std::u16string utf16;
    std::string cp932; // a single NUL for a character the code page lacks
};

const std::vector<Piece> kPieces = {
    {u"a", "a"},
    {u" ", " "},
    {u"\"", "\""},
    {u"\\", "\\"},
    {u"?", "?"},
    {u"表", "\x95\x5c"},
    {u"ポ", "\x83\x7c"},
    {u"\uFF5E", "\x81\x60"}, // full-width tilde, 81 60 in code page 932
    {u"\uFF61", "\xA1"},     // half-width katakana full stop
    {u"\u00E9", std::string(1, '\0')},
    {u"\uAC00", std::string(1, '\0')},     // Hangul
    {u"\U0001F600", std::string(1, '\0')}, // a surrogate pair is one character
    {u"\U00020BB7", std::string(1, '\0')}, // an ideograph outside the code page
    {std::u16string(1, char16_t(0xD800)), std::string(1, '\0')}, // a lone high surrogate
    {std::u16string(1, char16_t(0xDC00)), std::string(1, '\0')}, // a lone low surrogate
};
} // namespace

TEST(CommandLine, UnmappableCharactersBecomeOneNulEach) {
    const std::u16string line = u"C:\\K+B\\qvtcfg.exe /CFG \"C:\\\uAC00\U0001F600\\qvtdock.ini\"";
    std::string expected = "C:\\K+B\\qvtcfg.exe /CFG \"C:\\";
    expected += '\0'; // Hangul
    expected += '\0'; // the pair of an emoji
    expected += "\\qvtdock.ini\"";
    EXPECT_EQ(CommandLineFromUtf16(line), expected);
}

TEST(CommandLine, CodePageTextComesThroughUnchanged) {
    EXPECT_EQ(CommandLineFromUtf16(u"qvtcfg.exe \"C:\\表\\ポ\" 100:200"),
              "qvtcfg.exe \"C:\\表\\ポ\" 100:200");
    EXPECT_EQ(CommandLineFromUtf16(u""), "");
}

TEST(CommandLine, RandomTextConvertsCharacterByCharacter) {
    std::mt19937 rng(19);
    for (int round = 0; round < 3000; ++round) {
        std::u16string text;
        std::string expected;
        const int n = static_cast<int>(rng() % 16);
        for (int i = 0; i < n; ++i) {
            const Piece& p = kPieces[rng() % kPieces.size()];
            // A lone high surrogate before a lone low one would make a pair: keep them apart.
            if (!text.empty() && text.back() >= 0xD800 && text.back() <= 0xDBFF &&
                p.utf16[0] >= 0xDC00 && p.utf16[0] <= 0xDFFF)
                continue;
            text += p.utf16;
            expected += p.cp932;
        }
        EXPECT_EQ(CommandLineFromUtf16(text), expected);
    }
}

TEST(CommandLine, HostBuildHasNone) {
#ifndef _WIN32
    EXPECT_EQ(CommandLine(), "");
#else
    // The test program's own path leads the line; it names nothing the code page lacks here.
    const std::string line = CommandLine();
    EXPECT_FALSE(line.empty());
    EXPECT_EQ(line.find('\0'), std::string::npos);
#endif
}
