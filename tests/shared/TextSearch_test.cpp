#include "shared/TextSearch.h"

#include "forms/base/StrUtils.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <random>

namespace {
struct Found {
    bool found;
    int start, length;
    bool operator==(const Found& o) const {
        return found == o.found && start == o.start && length == o.length;
    }
};
std::ostream& operator<<(std::ostream& os, const Found& f) {
    return os << f.found << " " << f.start << " " << f.length;
}

Found Mail(std::string_view text) {
    Found f{false, -1, -1};
    f.found = FindMailAddress(text, f.start, f.length);
    return f;
}

// The plain algorithm: from every character start that may begin an address, the run of address
// characters after it, tried in turn.
Found PlainMail(std::string_view text) {
    auto inSet = [&](size_t i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        return forms::CharLength(text, i) == 1 &&
               (std::isalnum(c) ||
                std::string_view("!$%&*,-./;=?@^_~").find(static_cast<char>(c)) !=
                    std::string_view::npos);
    };
    for (size_t s = 0; s < text.size(); s = forms::NextChar(text, s)) {
        if (!inSet(s) || text[s] == '@')
            continue;
        size_t e = s;
        while (e < text.size() && inSet(e))
            ++e;
        const std::string_view run = text.substr(s, e - s);
        const size_t at = run.find('@');
        if (at != std::string_view::npos && run.find('.', at) != std::string_view::npos)
            return {true, static_cast<int>(s + 1), static_cast<int>(e - s)};
    }
    return {false, 0, 0};
}

std::string Field(char delim, std::string_view text, int index) {
    std::string field = "<untouched>";
    GetDelimitedField(delim, text, index, field);
    return field;
}
} // namespace

TEST(TextSearch, MailAddressRunsUpToTheFirstCharacterOutsideTheSet) {
    EXPECT_EQ(Mail("mail: john@example.com, next"), (Found{true, 7, 17})); // comma included
    EXPECT_EQ(Mail("a@b.c."), (Found{true, 1, 6}));
    EXPECT_EQ(Mail("x@y z@w.v"), (Found{true, 5, 5}));
    EXPECT_EQ(Mail("@@a@b.c"), (Found{true, 3, 5})); // an address never starts with '@'
}

TEST(TextSearch, RunsWithoutADotAfterTheAtAreNoAddress) {
    EXPECT_EQ(Mail("john@example"), (Found{false, 0, 0}));
    EXPECT_EQ(Mail("a.b@c"), (Found{false, 0, 0}));
    EXPECT_EQ(Mail("plain text"), (Found{false, 0, 0}));
    EXPECT_EQ(Mail(""), (Found{false, 0, 0}));
}

TEST(TextSearch, MailSearchStepsOverDoubleByteCharacters) {
    // ア is 83 41: its trail byte 'A' belongs to no run.
    EXPECT_EQ(Mail("ア@b.c"), (Found{false, 0, 0}));
    EXPECT_EQ(Mail("連絡先：taro@x.jp"), (Found{true, 9, 9}));
    EXPECT_EQ(Mail("taro@x.jpです"), (Found{true, 1, 9}));
}

TEST(TextSearch, MailSearchOfALongTextWithoutAddressEnds) {
    std::string text;
    for (int i = 0; i < 100000; ++i)
        text += "a@";
    EXPECT_EQ(Mail(text), (Found{false, 0, 0}));
    EXPECT_EQ(Mail(text + ".x"), (Found{true, 1, static_cast<int>(text.size()) + 2}));
}

TEST(TextSearch, MailSearchAgreesWithThePlainAlgorithm) {
    static const std::array<const char*, 12> kPieces{"a",  "Z",  "@", ".",    ",", " ",
                                                     "ア", "表", "-", "\x83", "~", "9"};
    std::mt19937 rng(1109);
    for (int round = 0; round < 50000; ++round) {
        std::string text;
        const int n = static_cast<int>(rng() % 16);
        for (int i = 0; i < n; ++i)
            text += rng() % 10 == 0 ? std::string(1, static_cast<char>(rng() % 256))
                                    : kPieces[rng() % kPieces.size()];
        ASSERT_EQ(Mail(text), PlainMail(text)) << text;
    }
}

TEST(TextSearch, FieldsAreCutButNotTrimmedOneByOne) {
    EXPECT_EQ(Field(',', "a, b", 1), " b");
    EXPECT_EQ(Field(',', "a, b", 0), "a");
    EXPECT_EQ(Field(',', "  a,b \r\n", 1), "b");
    EXPECT_EQ(Field(',', "a,,b", 1), "");
    EXPECT_EQ(Field(',', "a,b,", 2), "");
    EXPECT_EQ(Field(',', "", 0), "");
}

TEST(TextSearch, AnIndexPastTheLastFieldGivesTheLastField) {
    EXPECT_EQ(Field(',', "a,b", 5), "b");
    EXPECT_EQ(Field(',', "a", 3), "a");
    EXPECT_EQ(Field(',', "a,b", 2147483647), "b");
}

TEST(TextSearch, ANegativeIndexLeavesTheFieldAlone) {
    EXPECT_EQ(Field(',', "a,b", -1), "<untouched>");
}

TEST(TextSearch, BlankDelimiterTakesRunsOfBlanksAsOne) {
    EXPECT_EQ(Field(' ', "a    b", 1), "b");
    EXPECT_EQ(Field(' ', "  a  b  c ", 2), "c");
    EXPECT_EQ(Field(',', "a  ,b", 0), "a  ");
}

TEST(TextSearch, DelimitersAreFoundOnlyAsWholeCharacters) {
    // ポ is 83 7C and 表, ソ, 能, 予, 十 end in 5C.
    EXPECT_EQ(Field('|', "ポップ", 0), "ポップ");
    EXPECT_EQ(Field('|', "ポップ|Title", 1), "Title");
    EXPECT_EQ(Field('\\', "表ソ能予十\\x", 0), "表ソ能予十");
    EXPECT_EQ(Field('\\', "表ソ能予十\\x", 1), "x");
}

namespace {
Found Url(std::string_view text) {
    Found f{false, -1, -1};
    f.found = FindUrl(text, f.start, f.length);
    return f;
}
} // namespace

TEST(TextSearch, StrPosICIsOneBasedAndZeroWhenAbsent) {
    EXPECT_EQ(StrPosIC("exe", "a.exe", 1), 3);
    EXPECT_EQ(StrPosIC(".EXE", "a.exe", 1), 2);
    EXPECT_EQ(StrPosIC("x", "abc", 1), 0);
    EXPECT_EQ(StrPosIC("", "abc", 1), 0);
    EXPECT_EQ(StrPosIC("abcd", "abc", 1), 0);
}

TEST(TextSearch, StrPosICComparesBytesUnlessIgnoreCaseIsOne) {
    EXPECT_EQ(StrPosIC("EXE", "a.exe", 0), 0);
    EXPECT_EQ(StrPosIC("EXE", "a.exe", 2), 0);
    EXPECT_EQ(StrPosIC("exe", "a.exe", 0), 3);
}

TEST(TextSearch, StrPosICNeverMatchesInsideACharacter) {
    // ソ is 83 5C, ア 83 41: their trail bytes are no '\' and no 'a'.
    EXPECT_EQ(StrPosIC("\\", "ソ", 1), 0);
    EXPECT_EQ(StrPosIC("a", "ア", 1), 0);
    EXPECT_EQ(StrPosIC("\\", "ソ\\", 1), 3);
    // Full-width letters are not upper-cased: ａ and Ａ differ.
    EXPECT_EQ(StrPosIC("ａ", "Ａ", 1), 0);
}

TEST(TextSearch, ExtInListIsASubstringTestWithoutCase) {
    const char* programs = ".EXE.COM.SCR.ICO";
    EXPECT_TRUE(ExtInList("C:\\bin\\tool.exe", programs));
    EXPECT_TRUE(ExtInList("saver.SCR", programs));
    EXPECT_TRUE(ExtInList("x.ex", programs));
    EXPECT_TRUE(ExtInList("x.co", programs));
    EXPECT_TRUE(ExtInList("x.c", programs));
    EXPECT_FALSE(ExtInList("readme.txt", programs));
}

TEST(TextSearch, ExtInListWithoutAnExtensionIsFalse) {
    EXPECT_FALSE(ExtInList("Makefile", ".EXE"));
    EXPECT_FALSE(ExtInList("name.", ".EXE"));
    EXPECT_FALSE(ExtInList("C:\\dir.exe\\file", ".EXE"));
    EXPECT_FALSE(ExtInList("", ".EXE"));
}

TEST(TextSearch, ExtInListTakesTheLastComponentAcrossDoubleByteNames) {
    // 表 is 95 5C: the folder 表.d is no delimiter trouble.
    EXPECT_TRUE(ExtInList("C:\\表\\ソフト.exe", ".EXE"));
    EXPECT_FALSE(ExtInList("C:\\ソ.exe\\表", ".EXE"));
}

TEST(TextSearch, FindUrlFindsEachPrefixAndRunsOverTheUrlSet) {
    EXPECT_EQ(Url("see http://a.b/c?d=1&e=f#g now"), (Found{true, 5, 22}));
    EXPECT_EQ(Url("https://x.y/~u"), (Found{true, 1, 14}));
    EXPECT_EQ(Url("ftp://h/p"), (Found{true, 1, 9}));
    EXPECT_EQ(Url("go: www.example.jp, then"), (Found{true, 5, 14})); // stops at the comma
    EXPECT_EQ(Url("abcdefwww.x"), (Found{true, 7, 5}));
}

TEST(TextSearch, FindUrlIsLowerCaseOnlyAndNeedsTheWholePrefix) {
    EXPECT_EQ(Url("HTTP://x"), (Found{false, 0, 0}));
    EXPECT_EQ(Url("http//x www x ftp"), (Found{false, 0, 0}));
    EXPECT_EQ(Url(""), (Found{false, 0, 0}));
    EXPECT_EQ(Url("ww"), (Found{false, 0, 0}));
}

TEST(TextSearch, FindUrlEndsAtADoubleByteCharacter) {
    EXPECT_EQ(Url("ここhttp://x.jp/です"), (Found{true, 5, 12}));
    EXPECT_EQ(Url("http://ア"), (Found{true, 1, 7}));
}

TEST(TextSearch, FindUrlNeverStartsOnATrailByte) {
    // ド is 83 68 ('h'), デ 83 66 ('f'), ヘ 83 77 ('w').
    ASSERT_EQ(std::string("ド")[1], 'h');
    EXPECT_EQ(Url("ドttp://x"), (Found{false, 0, 0}));
    EXPECT_EQ(Url("デtp://x"), (Found{false, 0, 0}));
    EXPECT_EQ(Url("ヘww.x"), (Found{false, 0, 0}));
    EXPECT_EQ(Url("ドhttp://x"), (Found{true, 3, 8}));
}
