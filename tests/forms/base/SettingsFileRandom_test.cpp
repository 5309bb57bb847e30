// Random and mutated settings files: reading never fails, and a write or delete changes only its
// own line (and the header of a new section), leaving every other line byte-identical.
#include "forms/base/SettingsFile.h"
#include "forms/base/StrUtils.h"

#include "support/Rounds.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace forms;

namespace {

const std::string kBase = "; 設定\r\n"
                          "[Visible]\r\n"
                          "BtnSize=40\r\n"
                          "  StyleFile = \"format.sti\" \r\n"
                          "[表示]\n"
                          "ソ=C:\\表\\ポ\n"
                          "窟='径'\n"
                          "\r\n"
                          "[A]\r"
                          "k=1\r"
                          "K=2\r"
                          "[a]\r\n"
                          "k=3";

const std::vector<std::string> kSections = {"Visible", "表示", "A", "a", "Ｂ", "New"};
const std::vector<std::string> kKeys = {"BtnSize", "StyleFile", "ソ", "窟", "k", "K", "x"};
const std::string kSpecial = "[]=;\"' \t\r\n\x95\x5c\x82\x61\x8c\x41";

// Lines with their terminators, split at CR LF, LF or CR.
std::vector<std::string> SplitKeepingEnds(const std::string& s) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\r' && s[i] != '\n')
            continue;
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n')
            ++i;
        lines.push_back(s.substr(start, i + 1 - start));
        start = i + 1;
    }
    if (start < s.size())
        lines.push_back(s.substr(start));
    return lines;
}

struct Change {
    std::vector<std::string> removed, added;
};

// The lines between the longest common head and tail of the two texts.
Change Difference(const std::string& before, const std::string& after) {
    const auto a = SplitKeepingEnds(before), b = SplitKeepingEnds(after);
    size_t head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head &&
           a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    return {{a.begin() + static_cast<std::ptrdiff_t>(head),
             a.end() - static_cast<std::ptrdiff_t>(tail)},
            {b.begin() + static_cast<std::ptrdiff_t>(head),
             b.end() - static_cast<std::ptrdiff_t>(tail)}};
}

class Generator {
public:
    explicit Generator(uint32_t seed) : rng_(seed) {}

    size_t Below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng_); }
    template <typename T> const T& Pick(const std::vector<T>& items) {
        return items[Below(items.size())];
    }
    char Byte() {
        return Below(3) == 0 ? kSpecial[Below(kSpecial.size())] : static_cast<char>(Below(256));
    }

    std::string RandomBytes() {
        std::string s(Below(400), '\0');
        for (char& c : s)
            c = Byte();
        return s;
    }

    std::string MutatedIni() {
        std::string s = kBase;
        for (size_t n = Below(8); n > 0; --n) {
            const size_t at = s.empty() ? 0 : Below(s.size());
            switch (Below(5)) {
            case 0:
                s.insert(at, 1, Byte());
                break;
            case 1:
                if (!s.empty())
                    s.erase(at, 1);
                break;
            case 2:
                if (!s.empty())
                    s[at] = Byte();
                break;
            case 3: { // duplicate a stretch, e.g. a line or a section
                const size_t len = Below(40);
                s.insert(Below(s.size() + 1), s.substr(at, len));
                break;
            }
            default:
                s.resize(at);
                break;
            }
        }
        return s;
    }

    std::string Value() {
        if (Below(2) == 0)
            return Pick(std::vector<std::string>{"", "1", " x ", "\"q\"", "'q", "表\\ポ", "a=b"});
        std::string s(Below(20), '\0');
        for (char& c : s)
            c = Byte();
        return s;
    }

private:
    std::mt19937 rng_;
};

std::string AsStored(std::string value) {
    for (char& c : value)
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    return value;
}

bool IsAddedLineOf(const std::string& line, const std::string& section, const std::string& key,
                   const std::vector<std::string>& removed) {
    std::string text = line;
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0)
        text.resize(text.size() - 2);
    if (text == "[" + section + "]" || (!removed.empty() && text == removed[0]))
        return true;
    // A key line: the key (in the file's letter case when replaced in place), "=", the value.
    return text.size() > key.size() && text[key.size()] == '=' &&
           SameText(text.substr(0, key.size()), key);
}

} // namespace

TEST(SettingsFileRandom, ReadingNeverFailsAndChangesKeepEveryOtherLine) {
    kbtest::TempDir dir;
    const std::string path = dir.File("random.ini");
    Generator gen(20240611);
    int rounds = 0;
    for (; rounds < kbtest::Rounds(150); ++rounds) {
        const std::string original = gen.Below(4) == 0 ? gen.RandomBytes() : gen.MutatedIni();
        kbtest::WriteBytes(path, original);
        TSettingsFile ini(path);
        for (int q = 0; q < 10; ++q) {
            const std::string& section = gen.Pick(kSections);
            const std::string& key = gen.Pick(kKeys);
            EXPECT_LE(ini.ReadString(section, key, "").size(), TSettingsFile::MaxValueBytes);
            (void)ini.ReadInteger(section, key, 0);
            (void)ini.ReadBool(section, key, false);
        }

        const std::string section = gen.Pick(kSections), key = gen.Pick(kKeys);
        const std::string value = gen.Value();
        ini.WriteString(section, key, value);
        const std::string written = kbtest::ReadBytes(path);
        const Change change = Difference(original, written);
        ASSERT_LE(change.removed.size(), 1u) << rounds;
        ASSERT_LE(change.added.size(), 3u) << rounds;
        for (const std::string& line : change.added)
            EXPECT_TRUE(IsAddedLineOf(line, section, key, change.removed)) << rounds << line;
        EXPECT_EQ(TSettingsFile(path).ReadString(section, key, "<none>"), AsStored(value))
            << rounds;
        EXPECT_EQ(ini.ReadString(section, key, "<none>"), AsStored(value)) << rounds;

        ini.DeleteKey(section, key);
        const Change deletion = Difference(written, kbtest::ReadBytes(path));
        EXPECT_EQ(deletion.removed.size(), 1u) << rounds;
        EXPECT_TRUE(deletion.added.empty()) << rounds;
    }
}
