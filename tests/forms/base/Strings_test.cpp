#include "forms/base/Exceptions.h"
#include "forms/base/LineReader.h"
#include "forms/base/Streams.h"
#include "forms/base/Strings.h"

#include <gtest/gtest.h>

#include <vector>

using namespace forms;

TEST(StringList, TextSplitsAtEveryLineBreakKind) {
    TStringList list;
    list.SetText("a\r\nb\nc\rd");
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\nd\r\n");
    list.SetText("x\r\n");
    EXPECT_EQ(list.Count(), 1);
}

TEST(StringList, ValuesAndIndexOfIgnoreLetterCase) {
    TStringList list{"Name=Tar=o", "name=second", "x"};
    EXPECT_EQ(list.Values("NAME"), "Tar=o");
    EXPECT_EQ(list.Values("missing"), "");
    EXPECT_EQ(list.IndexOf("X"), 2);
    EXPECT_EQ(list.IndexOf("y"), -1);
}

TEST(StringList, BadIndexRaisesAndChangesNothing) {
    TStringList list{"a"};
    EXPECT_THROW(list.Strings(1), EListIndexError);
    EXPECT_THROW(list.Insert(2, "x"), EListIndexError);
    EXPECT_THROW(list.Delete(-1), EListIndexError);
    EXPECT_EQ(list.Lines(), std::vector<std::string>{"a"});
}

TEST(StringList, SortKeepsEqualLinesInOrder) {
    TStringList list{"b1", "a", "b2"};
    list.Sort([](const std::string& x, const std::string& y) { return x[0] - y[0]; });
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"a", "b1", "b2"}));
}

namespace {
std::vector<std::string> Lines(std::string_view bytes) {
    TLineReader reader(bytes);
    std::vector<std::string> lines;
    std::string line;
    while (reader.Next(line))
        lines.push_back(line);
    return lines;
}
} // namespace

TEST(LineReader, LineFeedEndsALineAndStrayReturnsAreDropped) {
    EXPECT_EQ(Lines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(Lines("a\rb\r\n"), (std::vector<std::string>{"ab"}));
    EXPECT_EQ(Lines("\n\n"), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(Lines(""), std::vector<std::string>{});
}

TEST(LineReader, EndOfFileMarkStopsReading) {
    EXPECT_EQ(Lines("a\nb\x1A"
                    "c\nd"),
              (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Lines("a\n\x1A"
                    "b"),
              (std::vector<std::string>{"a"}));
}

TEST(LineReader, LongLinesHaveNoLimit) {
    const std::string big(100000, 'x');
    EXPECT_EQ(Lines(big + "\n"), std::vector<std::string>{big});
}

TEST(LineReader, StreamGivesTheSameLinesAcrossChunkBoundaries) {
    // Lines, stray CRs, a CR LF pair and the end mark placed around the 64 KiB chunk size.
    std::string bytes;
    for (int i = 0; bytes.size() < 3 * 65536; ++i)
        bytes += std::string(static_cast<size_t>(i * 7919 % 300), 'a' + i % 26) +
                 (i % 5 == 0 ? "\r" : "") + "b" + (i % 3 == 0 ? "\r\n" : "\n");
    bytes.insert(65535, "\r\n");
    bytes.insert(2 * 65536 - 1, "\r");
    for (const std::string& input : {bytes, bytes + "tail", bytes + "x\x1A" + "rest"}) {
        TMemoryStream stream(input);
        TLineReader reader(stream);
        std::vector<std::string> lines;
        std::string line;
        while (reader.Next(line))
            lines.push_back(line);
        EXPECT_EQ(lines, Lines(input));
    }
}

namespace {
// A list that logs its update state and can refuse lines, as a list box's items would.
class TLoggedStrings : public TStringList {
public:
    std::vector<std::string> log;
    std::string refused = "\x01";
    void Insert(int index, std::string_view s) override {
        if (s == refused)
            throw EListIndexError(index);
        TStringList::Insert(index, s);
    }

protected:
    void SetUpdateState(bool updating) override { log.push_back(updating ? "begin" : "end"); }
};
} // namespace

TEST(StringsUpdate, NestedScopesUpdateOnceFromTheOutermost) {
    TLoggedStrings list;
    {
        const TStringsUpdate outer(list);
        {
            const TStringsUpdate inner(list);
            EXPECT_EQ(list.UpdateCount(), 2);
        }
        EXPECT_EQ(list.log, std::vector<std::string>{"begin"});
    }
    EXPECT_EQ(list.UpdateCount(), 0);
    EXPECT_EQ(list.log, (std::vector<std::string>{"begin", "end"}));
}

TEST(StringsUpdate, RefusedLineInSetTextStillEndsTheUpdate) {
    TLoggedStrings list;
    list.refused = "bad";
    EXPECT_THROW(list.SetText("a\r\nbad\r\nc"), EListIndexError);
    EXPECT_EQ(list.UpdateCount(), 0);
    EXPECT_EQ(list.log, (std::vector<std::string>{"begin", "end"}));
    EXPECT_EQ(list.Lines(), std::vector<std::string>{"a"});
}

TEST(StringsUpdate, RefusedLineInAssignStillEndsTheUpdate) {
    TLoggedStrings list;
    list.refused = "y";
    const TStringList source{"x", "y"};
    EXPECT_THROW(list.Assign(source), EListIndexError);
    EXPECT_EQ(list.UpdateCount(), 0);
    EXPECT_EQ(list.log, (std::vector<std::string>{"begin", "end"}));
}
