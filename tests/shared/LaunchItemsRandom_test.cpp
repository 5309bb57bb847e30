// The readers of outside texts on random input, with fixed seeds and a fixed number of rounds:
// internet-shortcut files, registered open commands and link titles. Nothing may crash, and each
// result keeps its promise.
#include "shared/LaunchItems.h"

#include "support/Rounds.h"
#include "support/FakeShell.h"
#include "forms/base/Codepage.h"
#include "forms/base/StrUtils.h"
#include "shared/DataFile.h"

#include <gtest/gtest.h>

#include <random>

namespace {
class Random {
public:
    explicit Random(uint32_t seed) : rng_(seed) {}

    uint32_t Below(uint32_t n) { return n == 0 ? 0 : rng_() % n; }

    // Bytes, mostly pieces that the readers look for.
    std::string Text(size_t maxPieces, std::initializer_list<const char*> pieces) {
        const std::vector<const char*> table(pieces);
        std::string s;
        const size_t n = Below(static_cast<uint32_t>(maxPieces) + 1);
        for (size_t i = 0; i < n; ++i) {
            if (Below(4) == 0)
                s += static_cast<char>(rng_() & 0xFF);
            else
                s += table[Below(static_cast<uint32_t>(table.size()))];
        }
        return s;
    }

private:
    std::mt19937 rng_;
};

TLaunchDataItem Marked() {
    TLaunchDataItem item;
    item.Title = "before";
    item.Path = "before";
    item.UseCount = 3;
    return item;
}
} // namespace

TEST(LaunchItemsRandom, AnyUrlFileReadsToAUrlSlotOrLeavesTheSlot) {
    Random random(1103);
    for (int round = 0; round < kbtest::Rounds(20000); ++round) {
        kbtest::FakeShell shell;
        shell.files["C:\\x.url"] = random.Text(
            24, {"URL", "url", "=", "IconFile", "IconIndex", "\r\n", "\n", "\r", "http://a/", "表",
                 "-1", "99999999999", " ", "[InternetShortcut]", "\x1a"});
        TLaunchDataItem item = Marked();
        const bool read = ReadUrlShortcut("C:\\x.url", item, shell);
        if (!read) {
            ASSERT_EQ(ItemToLine(item), ItemToLine(Marked())) << round;
            continue;
        }
        ASSERT_EQ(item.Kind, ikUrl);
        ASSERT_FALSE(item.Path.empty());
        ASSERT_EQ(item.LinkFile, "C:\\x.url");
        ASSERT_FALSE(item.IconFile.empty());
        ASSERT_EQ(item.ShowCmd, 1);
    }
}

TEST(LaunchItemsRandom, AnyOpenCommandSplitsIntoAnExeAndTheUrl) {
    Random random(2103);
    const std::string url = "http://u/%1";
    for (int round = 0; round < kbtest::Rounds(50000); ++round) {
        const std::string command = random.Text(16, {"\"", ".exe", ".EXE", " ", "%1", "%L", "%l",
                                                     "%", "C:\\表\\", "ソ", "-x", "%*", "e"});
        const std::optional<TOpenCommand> split = SplitOpenCommand(command, url);
        if (!split) {
            ASSERT_EQ(forms::PosIC(".exe", command), forms::npos) << command;
            continue;
        }
        ASSERT_NE(forms::PosIC(".exe", split->Program), forms::npos) << command;
        ASSERT_EQ(forms::Trim(split->Program), split->Program);
        ASSERT_NE(split->Params.find(url), std::string::npos) << command;
    }
}

TEST(LaunchItemsRandom, AnyTitleMakesANameInsideTheFolder) {
    Random random(3103);
    for (int round = 0; round < kbtest::Rounds(50000); ++round) {
        const std::string title =
            random.Text(12, {"\\", "/", ":", "..", "表", "ソ", "ポ", "\x83", "a", " ", "CON", "."});
        const std::string name = ShortcutFileName(title);
        ASSERT_GT(name.size(), 4u);
        ASSERT_EQ(name.substr(name.size() - 4), ".lnk");
        // What Windows will see: no separator, no drive, no control character.
        for (const char16_t c : cp932::ToUtf16(name))
            ASSERT_TRUE(c >= 0x20 && c != u'\\' && c != u'/' && c != u':' && c != 0x7F)
                << title << " -> " << static_cast<int>(c);
    }
}
