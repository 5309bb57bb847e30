// URLs made safe for a command line.
#include "shared/UrlText.h"

#include "support/FakeShell.h"
#include "shared/LaunchItems.h"

#include <gtest/gtest.h>

TEST(EscapeUrl, AnOrdinaryUrlPassesUnchanged) {
    for (const char* url :
         {"http://example.com/a?b=1&c=%20#x", "https://例え.jp/パス", "mailto:taro@example.jp", ""})
        EXPECT_EQ(EscapeUrl(url), url);
}

TEST(EscapeUrl, ControlBytesBlanksQuotesAndDeleteAreEncoded) {
    EXPECT_EQ(EscapeUrl("a b"), "a%20b");
    EXPECT_EQ(EscapeUrl("a\"b"), "a%22b");
    EXPECT_EQ(EscapeUrl(std::string("\x01\t\r\n\x7F", 5)), "%01%09%0D%0A%7F");
    EXPECT_EQ(EscapeUrl(std::string(1, '\0')), "%00");
}

TEST(EscapeUrl, ALeadByteWithoutItsTrailByteIsEncodedSoItCannotTakeTheClosingQuote) {
    EXPECT_EQ(EscapeUrl("http://h/\x81"), "http://h/%81");
    EXPECT_EQ(EscapeUrl("a\x81 b"), "a%81%20b");
    EXPECT_EQ(EscapeUrl("\x81\x81\x81"), "\x81\x81%81"); // one whole character, then a lone lead
}

TEST(EscapeUrl, EscapingTwiceChangesNothingMore) {
    const std::string once = EscapeUrl("http://h/a b\"c");
    EXPECT_EQ(EscapeUrl(once), once);
}

TEST(OpenUrl, TheRegisteredProgramGetsTheUrlAsOneArgument) {
    kbtest::FakeShell shell;
    shell.SetOpenCommand("http", "\"C:\\t\\web.exe\" \"%1\"");
    OpenUrl("http://h/x\" -evil \"y", "", shell);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].Params, "\"http://h/x%22%20-evil%20%22y\"");
}

TEST(OpenUrl, AUrlWithoutAProgramReachesTheShellEscaped) {
    kbtest::FakeShell shell;
    OpenUrl("http://h/a b", "", shell);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, "http://h/a%20b");
}
