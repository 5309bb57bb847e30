// Both readers of the data file on random and mutated input, with fixed seeds and a fixed number
// of rounds: nothing may crash or hang, only the readers' own errors may come out, a failed load
// leaves the model as it was, a successful one leaves a consistent model that saves and loads
// back the same, and the file read is never changed.
#include "shared/DataFile.h"

#include "forms/base/Exceptions.h"
#include "shared/LaunchListTesting.h"
#include "support/Rounds.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace kbtest;

class Fuzz {
public:
    explicit Fuzz(uint32_t seed) : rng_(seed) {}

    uint32_t Below(uint32_t n) { return n == 0 ? 0 : rng_() % n; }
    char Byte() { return static_cast<char>(rng_() & 0xFF); }

    std::string RandomBytes(size_t maxSize) {
        std::string s(Below(static_cast<uint32_t>(maxSize) + 1), '\0');
        for (char& c : s)
            c = Byte();
        return s;
    }

    // A few edits of the kinds that break parsers: bytes changed, inserted or removed, pieces
    // repeated or cut, and the formats' own special tokens dropped in. With keepSize only bytes
    // are overwritten, so that the sections of the older form stay where the header says.
    std::string Mutate(std::string s, bool keepSize = false) {
        static const char* const tokens[] = {"**\r\n", "\"",        ",",  "\r\n",
                                             "\n",     ";",         "-1", "2147483647",
                                             "99999",  "$FFFFFFFF", " ",  "\t"};
        const int edits = 1 + static_cast<int>(Below(4));
        for (int e = 0; e < edits; ++e) {
            const size_t at = Below(static_cast<uint32_t>(s.size()) + 1);
            switch (keepSize ? (Below(2) == 0 ? 0 : 7) : Below(8)) {
            case 0:
                if (at < s.size())
                    s[at] = Byte();
                break;
            case 1:
                s.insert(at, 1, Byte());
                break;
            case 2:
                s.erase(at, Below(16));
                break;
            case 3:
                s.insert(at, s.substr(at, Below(64)));
                break;
            case 4:
                s.resize(at);
                break;
            case 5:
                s.insert(at, tokens[Below(std::size(tokens))]);
                break;
            case 6:
                s.insert(at, std::string(1, "\0\x1A\xFF\x81\x02\x04\x06\x0C\x12\x14"[Below(10)]));
                break;
            default: // a 32-bit field overwritten: sizes, offsets, counts, lengths
                if (at + 4 <= s.size())
                    s.replace(at, 4, LE32(static_cast<int32_t>(rng_())));
                break;
            }
        }
        return s;
    }

private:
    std::mt19937 rng_;
};

bool Consistent(const TLaunchList& list) {
    int64_t sum = 0;
    for (int p = 0; p < list.Pages().Count(); ++p) {
        const int n = list.Pages().Items(p)->BtnCount;
        if (n < 1)
            return false;
        sum += n;
    }
    return list.Pages().Count() > 0 && sum == list.Count();
}

class ReaderFuzz : public testing::Test {
protected:
    ReaderFuzz() { list.SetFileName(dir.File("qvtdock.lst")); }

    // One round: bytes as the data file, loaded into a model that holds a previous state.
    void Round(const std::string& bytes) {
        WriteBytes(list.FileName(), bytes);
        const ModelSnapshot before = Snapshot(list);
        try {
            list.LoadFromFile();
        } catch (const forms::EConversionError&) {
            ++raised;
        } catch (const forms::EStreamReadError&) {
            ++raised;
        }
        ASSERT_EQ(ReadBytes(list.FileName()), bytes);
        if (!list.Loaded()) {
            ASSERT_TRUE(Snapshot(list) == before);
            return;
        }
        ++loaded;
        ASSERT_TRUE(Consistent(list));
        TLaunchList again;
        again.SetFileName(dir.File("again.lst"));
        SaveListAsText(list, again.FileName());
        again.LoadFromFile();
        ASSERT_TRUE(again.Loaded());
        ASSERT_EQ(Snapshot(again).values, Snapshot(list).values);
    }

    TempDir dir;
    TLaunchList list;
    int loaded = 0;
    int raised = 0;
};

std::string ValidText(const TempDir& dir) {
    TLaunchList list;
    list.SetFileName(dir.File("valid.lst"));
    list.Items(0, 0)->Title = "表示 \"ソ\", ポ";
    list.AppendItem(0, Slot("二", 12));
    list.AddPage("ページ二", 3, 0);
    list.Items(1, 1)->Comment = "説明,\"x\"";
    list.Items(1, 2)->Kind = ikUrl;
    list.AddPage("三", 1, 0);
    list.SaveToFile();
    return ReadBytes(list.FileName());
}

std::string ValidOlder() {
    const std::string pages =
        FInt8(2) + FStr("one") + FInt8(1) + FInt8(0) + FUtf16(u"表示") + FInt8(2) + FInt32(70000);
    const std::string slots = FInt8(3) + OlderSlot(1, "a", 3, 9) + OlderSlot(6, "b", 1, 0) +
                              FInt8(2) + FInt16(-5) + FUtf8("\xE3\x83\x9D") + FLStr("p") +
                              FStr("") + FStr("") + FStr("") + FStr("") + FInt8(1) + FInt8(0) +
                              FStr("c");
    return OlderFile(OlderStatus("K+Bandeo", "3.00"), pages, slots);
}

} // namespace

TEST_F(ReaderFuzz, RandomBytes) {
    Fuzz fuzz(20240601);
    for (int i = 0; i < kbtest::Rounds(400) && !HasFatalFailure(); ++i)
        Round(fuzz.RandomBytes(i % 4 == 0 ? 120 : 600));
}

TEST_F(ReaderFuzz, MutatedTextFiles) {
    const std::string valid = ValidText(dir);
    Round(valid);
    ASSERT_TRUE(list.Loaded());
    Fuzz fuzz(1102);
    for (int i = 0; i < kbtest::Rounds(1200) && !HasFatalFailure(); ++i)
        Round(fuzz.Mutate(valid));
    // Both outcomes were reached, so the checks of each ran.
    EXPECT_GT(loaded, 100);
    EXPECT_GT(raised, 0);
}

TEST_F(ReaderFuzz, MutatedOlderFiles) {
    const std::string valid = ValidOlder();
    Round(valid);
    ASSERT_TRUE(list.Loaded());
    Fuzz fuzz(88);
    for (int i = 0; i < 1200 && !HasFatalFailure(); ++i)
        Round(fuzz.Mutate(valid, i % 2 == 0));
    EXPECT_GT(loaded, 100);
    EXPECT_GT(raised, 0);
}
