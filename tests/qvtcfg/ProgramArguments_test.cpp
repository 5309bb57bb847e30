// The command-line splitter of the configuration program: separators, quotes without escapes,
// double-byte characters, NUL-marked characters, and the program's own path with blanks at the
// start of the line, quoted or not.
#include "qvtcfg/ProgramArguments.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using namespace std::string_literals;

namespace {

const std::vector<std::string> kNoOwnPath;

// The arguments after the program's path, as ParamStr gives them.
std::vector<std::string> Params(std::string_view line,
                                const std::vector<std::string>& own = kNoOwnPath) {
    const TProgramArguments a(line, own);
    std::vector<std::string> out;
    for (int i = 1; i <= a.ParamCount(); ++i)
        out.push_back(a.ParamStr(i));
    return out;
}

const std::string kSpacedProgram = "C:\\Program Files\\KB\\qvtcfg.exe";
const std::string kSpacedIni = "C:\\Program Files\\KB\\john\\qvtdock.ini";

} // namespace

// ---- the splitter ----

TEST(SplitArguments, QuotesJoinStretchesAndAreDropped) {
    EXPECT_THAT(SplitArguments("ab\"c d\"e"), ElementsAre("abc de"));
    EXPECT_THAT(SplitArguments("\"\" x"), ElementsAre("", "x"));
    EXPECT_THAT(SplitArguments("a\"\"b"), ElementsAre("ab"));
}

TEST(SplitArguments, ABackslashBeforeAQuoteEscapesNothing) {
    EXPECT_THAT(SplitArguments("\"C:\\dir\\\" next"), ElementsAre("C:\\dir\\", "next"));
    EXPECT_THAT(SplitArguments("a\\\"b c\""), ElementsAre("a\\b c"));
}

TEST(SplitArguments, AnUnclosedQuoteRunsToTheEnd) {
    EXPECT_THAT(SplitArguments("x \"a  b\tc "), ElementsAre("x", "a  b\tc "));
}

TEST(SplitArguments, RunsOfBlanksTabsAndControlBytesSeparate) {
    EXPECT_THAT(SplitArguments("  a\t\tb \r\n c\x01"
                               "d\x1F"),
                ElementsAre("a", "b", "c", "d"));
    EXPECT_THAT(SplitArguments("\"a\tb\""), ElementsAre("a\tb"));
    EXPECT_TRUE(SplitArguments(" \t ").empty());
    EXPECT_TRUE(SplitArguments("").empty());
}

TEST(SplitArguments, DoubleByteCharactersStayWholeInAndOutOfQuotes) {
    const std::string yotei = "C:\\\x97\x5C\x92\xE8\\qvtdock.ini"; // C:\予定\qvtdock.ini
    const std::string po = "\x83\x7C|x";                           // ポ|x
    EXPECT_THAT(SplitArguments(yotei + " \"" + yotei + "\" " + po + " \"" + po + " y\""),
                ElementsAre(yotei, yotei, po, po + " y"));
}

TEST(SplitArguments, ANulByteSeparatesNothing) {
    EXPECT_THAT(SplitArguments("a\0b c"s), ElementsAre("a\0b"s, "c"));
}

// ---- ParamStr ----

TEST(ParamStr, ArgumentZeroIsTheProgramsOwnPath) {
    const TProgramArguments a("qvtcfg /cfg", {"C:\\KB\\qvtcfg.exe"});
    EXPECT_EQ(a.ParamStr(0), "C:\\KB\\qvtcfg.exe");
    EXPECT_EQ(a.ParamCount(), 1);
    EXPECT_EQ(a.ParamStr(1), "/cfg");
}

TEST(ParamStr, WithoutOwnPathsArgumentZeroIsTheLinesFirst) {
    const TProgramArguments a("\"C:\\K B\\x.exe\" /cfg", {});
    EXPECT_EQ(a.ParamStr(0), "C:\\K B\\x.exe");
    EXPECT_EQ(a.ParamStr(1), "/cfg");
}

TEST(ParamStr, IndexesOutsideTheArgumentsGiveEmpty) {
    const TProgramArguments a("x a b", {});
    EXPECT_EQ(a.ParamStr(-1), "");
    EXPECT_EQ(a.ParamStr(3), "");
    EXPECT_EQ(a.ParamStr(1000), "");
    EXPECT_EQ(TProgramArguments("", {}).ParamCount(), 0);
    EXPECT_EQ(TProgramArguments("", {}).ParamStr(1), "");
}

TEST(ParamStr, AnArgumentHoldingANulIsMissingAndTheOthersKeepTheirPlaces) {
    const TProgramArguments a("x /cfg \"1:2\" \"C:\\a\0b\\qvtdock.ini\" after"s, {});
    EXPECT_EQ(a.ParamCount(), 4);
    EXPECT_EQ(a.ParamStr(1), "/cfg");
    EXPECT_EQ(a.ParamStr(2), "1:2");
    EXPECT_EQ(a.ParamStr(3), "");
    EXPECT_EQ(a.ParamStr(4), "after");
}

TEST(ParamStr, ANulInTheSwitchMakesItMissing) {
    EXPECT_THAT(Params("x /cfg\0 \"1:2\""s), ElementsAre("", "1:2"));
}

// ---- the program's own path at the start of the line ----

TEST(OwnPath, TheLaunchersUnquotedLineWithBlanksInThePath) {
    const std::string line = kSpacedProgram + " /CFG \"100:200\" \"" + kSpacedIni + "\"";
    EXPECT_THAT(Params(line, {kSpacedProgram}), ElementsAre("/CFG", "100:200", kSpacedIni));
    EXPECT_EQ(OwnPathPrefix(line, {kSpacedProgram}), kSpacedProgram.size());
}

TEST(OwnPath, WithoutKnowingThePathTheBlankSplitsIt) {
    const std::string line = kSpacedProgram + " /CFG \"100:200\" \"" + kSpacedIni + "\"";
    EXPECT_THAT(Params(line), ElementsAre("Files\\KB\\qvtcfg.exe", "/CFG", "100:200", kSpacedIni));
}

TEST(OwnPath, TheQuotedPathIsSplitAsUsual) {
    const std::string line = "\"" + kSpacedProgram + "\" /STYLE \"-1:-1\" \"" + kSpacedIni + "\"";
    EXPECT_EQ(OwnPathPrefix(line, {kSpacedProgram}), 0u);
    EXPECT_THAT(Params(line, {kSpacedProgram}), ElementsAre("/STYLE", "-1:-1", kSpacedIni));
}

TEST(OwnPath, AsciiLetterCaseIsIgnored) {
    EXPECT_THAT(Params("c:\\program files\\kb\\QVTCFG.EXE /cfg", {kSpacedProgram}),
                ElementsAre("/cfg"));
}

TEST(OwnPath, TheLongFormCountsToo) {
    const std::vector<std::string> own{"C:\\PROGRA~1\\KB\\qvtcfg.exe", kSpacedProgram};
    EXPECT_THAT(Params(kSpacedProgram + "\t/style", own), ElementsAre("/style"));
    EXPECT_THAT(Params("C:\\PROGRA~1\\KB\\qvtcfg.exe /cfg", own), ElementsAre("/cfg"));
}

TEST(OwnPath, OnlyAWholePathFollowedByASeparatorOrTheEndCounts) {
    EXPECT_THAT(Params(kSpacedProgram + "x /cfg", {kSpacedProgram}),
                ElementsAre("Files\\KB\\qvtcfg.exex", "/cfg"));
    EXPECT_THAT(Params(kSpacedProgram + "\"a b\"", {kSpacedProgram}),
                ElementsAre("Files\\KB\\qvtcfg.exea b"));
    EXPECT_TRUE(Params(kSpacedProgram, {kSpacedProgram}).empty());
    EXPECT_EQ(OwnPathPrefix("C:\\Program", {kSpacedProgram}), 0u);
}

TEST(OwnPath, ALetterInsideADoubleByteCharacterIsNotFoldedIntoAnother) {
    const std::string own = "C:\\\x82\x61 x\\q.exe";   // Ｂ is 82 61
    const std::string other = "C:\\\x82\x41 x\\q.exe"; // another character
    EXPECT_THAT(Params(other + " /cfg", {own}), ElementsAre("x\\q.exe", "/cfg"));
    EXPECT_THAT(Params(own + " /cfg", {own}), ElementsAre("/cfg"));
}

TEST(OwnPath, APathWithA5CTrailByteMatchesWhole) {
    const std::string own = "C:\\\x97\x5C\x92\xE8 1\\qvtcfg.exe"; // C:\予定 1\qvtcfg.exe
    EXPECT_THAT(Params(own + " /cfg \"1:2\" x", {own}), ElementsAre("/cfg", "1:2", "x"));
}

TEST(OwnPath, AnEmptyOwnPathIsIgnored) {
    EXPECT_THAT(Params("x /cfg", {""}), ElementsAre("/cfg"));
}
