// The switch modes' command line: the mode of argument 1, the position of argument 2 and the
// settings path of argument 3.
#include "qvtcfg/CfgCommandLine.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TCfgCommandLine Parse(const std::string& position, const std::string& path = "C:\\x.ini") {
    return ParseCommandLine(
        TProgramArguments("qvtcfg /CFG \"" + position + "\" \"" + path + "\"", {}));
}

void ExpectPosition(const std::string& position, int x, int y, bool noPos) {
    const TCfgCommandLine c = Parse(position);
    EXPECT_EQ(c.X, x) << position;
    EXPECT_EQ(c.Y, y) << position;
    EXPECT_EQ(c.NoPos, noPos) << position;
}

} // namespace

// ---- mode ----

TEST(ModeOf, TheTwoSwitchesInAnyLetterCase) {
    EXPECT_EQ(ModeOf("/CFG"), TCfgMode::Cfg);
    EXPECT_EQ(ModeOf("/cfg"), TCfgMode::Cfg);
    EXPECT_EQ(ModeOf("/Style"), TCfgMode::Style);
    EXPECT_EQ(ModeOf("/STYLE"), TCfgMode::Style);
}

TEST(ModeOf, AnythingElseOpensTheStartForm) {
    for (const char* other : {"/CONFIG", "CFG", "/CFG ", "-cfg", "C:\\x.ini", "", "/ＣＦＧ"})
        EXPECT_EQ(ModeOf(other), TCfgMode::StartForm) << other;
}

TEST(ModeOf, AMissingArgumentOpensTheStartForm) {
    EXPECT_EQ(ModeOf(TProgramArguments("qvtcfg", {}).ParamStr(1)), TCfgMode::StartForm);
}

// ---- position ----

TEST(ParseCommandLine, LeftAndTop) {
    ExpectPosition("100:200", 100, 200, false);
}

TEST(ParseCommandLine, WithoutAColonBothFieldsAreTheWholeText) {
    ExpectPosition("300", 300, 300, false);
}

TEST(ParseCommandLine, AThirdFieldIsIgnored) {
    ExpectPosition("10:20:30", 10, 20, false);
}

TEST(ParseCommandLine, AnEmptyOrNonNumericFieldIsMinusOneAndCentres) {
    ExpectPosition("100:", 100, -1, true);
    ExpectPosition("abc:5", -1, 5, true);
    ExpectPosition(":", -1, -1, true);
    ExpectPosition("", -1, -1, true);
    ExpectPosition("1.5:2", -1, 2, true);
}

TEST(ParseCommandLine, MinusOneMeansNoPositionButOtherNegativesAreUsed) {
    ExpectPosition("-1:-1", -1, -1, true);
    ExpectPosition("-1:300", -1, 300, true);
    ExpectPosition("-1280:-20", -1280, -20, false);
}

TEST(ParseCommandLine, HexadecimalAfterDollarOrZeroX) {
    ExpectPosition("$10:0x20", 16, 32, false);
}

TEST(ParseCommandLine, The32BitEndsAndBeyond) {
    ExpectPosition("2147483647:0", INT_MAX, 0, false);
    ExpectPosition("-2147483648:0", INT_MIN, 0, false);
    ExpectPosition("2147483648:0", -1, 0, true);
}

TEST(ParseCommandLine, TheTextIsTrimmedAsAWholeButNotItsFields) {
    ExpectPosition("  100:200  ", 100, 200, false);
    ExpectPosition("100 : 200", -1, -1, true);
}

TEST(ParseCommandLine, TheSettingsPathIsArgumentThreeUnchanged) {
    EXPECT_EQ(Parse("1:2", "C:\\\x97\x5C\x92\xE8\\qvtdock").SettingsPath,
              "C:\\\x97\x5C\x92\xE8\\qvtdock");
    EXPECT_EQ(Parse("1:2", "rel\\qvtdock.ini").SettingsPath, "rel\\qvtdock.ini");
}

TEST(ParseCommandLine, MissingArgumentsGiveNoPositionAndNoPath) {
    const TCfgCommandLine c = ParseCommandLine(TProgramArguments("qvtcfg /style", {}));
    EXPECT_EQ(c.X, -1);
    EXPECT_EQ(c.Y, -1);
    EXPECT_TRUE(c.NoPos);
    EXPECT_EQ(c.SettingsPath, "");
}

// ---- the editors' offset ----

TEST(SaturatedAdd, HeldAtTheEndsOfThe32BitRange) {
    EXPECT_EQ(SaturatedAdd(100, 16), 116);
    EXPECT_EQ(SaturatedAdd(-1, 16), 15);
    EXPECT_EQ(SaturatedAdd(INT_MAX, 16), INT_MAX);
    EXPECT_EQ(SaturatedAdd(INT_MAX - 10, 16), INT_MAX);
    EXPECT_EQ(SaturatedAdd(INT_MIN, -16), INT_MIN);
    EXPECT_EQ(SaturatedAdd(INT_MIN, 16), INT_MIN + 16);
}
