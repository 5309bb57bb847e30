// The command-line splitter on random input, with fixed seeds and a fixed number of rounds. Any
// bytes: nothing crashes, every argument is made of the line's own bytes in their order, and no
// argument ever holds a NUL through ParamStr. Lines built from known arguments (blanks, tabs,
// NUL-marked characters, double-byte characters whose second byte is '\' or '|', quoted and
// plain pieces, an unclosed last quote, the program's path with blanks quoted or not): the
// splitter gives exactly those arguments back.
#include "qvtcfg/ProgramArguments.h"

#include "support/Rounds.h"

#include <gtest/gtest.h>

#include <random>

namespace {

class Random {
public:
    explicit Random(uint32_t seed) : rng_(seed) {}
    uint32_t Below(uint32_t n) { return n == 0 ? 0 : rng_() % n; }
    bool Chance(uint32_t inN) { return Below(inN) == 0; }
    std::string Bytes(size_t maxSize) {
        std::string s(Below(static_cast<uint32_t>(maxSize) + 1), '\0');
        for (char& c : s) {
            // Bias towards the bytes the splitter looks at.
            static const char special[] = {'"', ' ', '\t', '\0', '\\', '\x81', '\x97', '\x5C'};
            c = Chance(3) ? special[Below(sizeof special)] : static_cast<char>(rng_() & 0xFF);
        }
        return s;
    }

private:
    std::mt19937 rng_;
};

// True when every byte of part occurs in whole in the same order.
bool IsSubsequence(const std::string& part, std::string_view whole) {
    size_t at = 0;
    for (const char c : part) {
        while (at < whole.size() && whole[at] != c)
            ++at;
        if (at == whole.size())
            return false;
        ++at;
    }
    return true;
}

// Characters an argument is made of: whole code-page-932 characters, NUL standing for one that
// the code page cannot hold.
const std::vector<std::string> kCharacters = {
    "a",        "Z", "0", "\\", ":", ".", "/", "-", "$", "|", " ", "\t", std::string(1, '\0'),
    "\x97\x5C", // 予
    "\x83\x7C", // ポ
    "\x83\x5C", // ソ
    "\x95\x5C", // 表
    "\x82\x61", // Ｂ
    "\xB1",     // ｱ
};

std::string RandomArgument(Random& r) {
    std::string a;
    const uint32_t n = r.Below(8);
    for (uint32_t i = 0; i < n; ++i)
        a += kCharacters[r.Below(static_cast<uint32_t>(kCharacters.size()))];
    return a;
}

bool HasSeparator(const std::string& s) {
    for (const char c : s)
        if (IsArgumentSeparator(c))
            return true;
    return false;
}

// arg written as plain and quoted pieces; quoted wherever a piece holds a separator or is empty.
std::string Encode(Random& r, const std::string& arg, bool lastAndUnclosed) {
    std::string out;
    size_t i = 0;
    if (arg.empty())
        return lastAndUnclosed ? "\"" : "\"\"";
    bool lastQuoted = false;
    while (i < arg.size()) {
        const size_t length = 1 + r.Below(static_cast<uint32_t>(arg.size() - i));
        // Never cut a double-byte character.
        size_t end = i;
        while (end < i + length && end < arg.size())
            end += (static_cast<unsigned char>(arg[end]) >= 0x81 &&
                    static_cast<unsigned char>(arg[end]) != 0xB1)
                       ? 2
                       : 1;
        const std::string piece = arg.substr(i, end - i);
        lastQuoted = HasSeparator(piece) || r.Chance(3);
        out += lastQuoted ? "\"" + piece + "\"" : piece;
        i = end;
    }
    if (lastAndUnclosed) {
        if (lastQuoted)
            out.pop_back();
        else
            out += "\"";
    }
    return out;
}

std::string Separators(Random& r) {
    static const char kSeparators[] = {' ', '\t', '\r', '\n', '\x01'};
    std::string s(1 + r.Below(3), ' ');
    for (char& c : s)
        c = kSeparators[r.Below(sizeof kSeparators)];
    return s;
}

} // namespace

TEST(ProgramArgumentsRandom, AnyBytesGiveArgumentsMadeOfTheLinesBytes) {
    Random r(20250122);
    for (int round = 0; round < kbtest::Rounds(20000); ++round) {
        const std::string line = r.Bytes(round % 5 == 0 ? 300 : 40);
        const std::vector<std::string> args = SplitArguments(line);
        std::string all;
        for (const std::string& a : args)
            all += a;
        ASSERT_LE(all.size(), line.size());
        ASSERT_TRUE(IsSubsequence(all, line)) << round;

        const std::string own = line.substr(0, r.Below(static_cast<uint32_t>(line.size()) + 1));
        const TProgramArguments p(line, {own, r.Bytes(10)});
        for (int i = -1; i <= p.ParamCount() + 1; ++i)
            ASSERT_EQ(p.ParamStr(i).find('\0'), std::string::npos) << round;
    }
}

TEST(ProgramArgumentsRandom, LinesOfKnownArgumentsSplitBackIntoThem) {
    Random r(1122);
    const std::vector<std::string> programs = {"C:\\KB\\qvtcfg.exe",
                                               "C:\\Program Files\\KB\\qvtcfg.exe",
                                               "C:\\\x97\x5C\x92\xE8 \x83\x7C\\qvtcfg.exe"};
    for (int round = 0; round < kbtest::Rounds(20000); ++round) {
        const std::string program = programs[r.Below(static_cast<uint32_t>(programs.size()))];
        std::vector<std::string> args(r.Below(5));
        for (std::string& a : args)
            a = RandomArgument(r);
        const bool trailing = r.Chance(3);
        const bool unclosed = !trailing && !args.empty() && r.Chance(4);

        std::string line;
        std::vector<std::string> own;
        switch (r.Below(3)) {
        case 0: // unquoted, known as the program's own path
            line = program;
            own = {program};
            break;
        case 1: // quoted, known
            line = "\"" + program + "\"";
            own = {"C:\\other.exe", program};
            break;
        default: // quoted, unknown
            line = "\"" + program + "\"";
            break;
        }
        for (size_t i = 0; i < args.size(); ++i)
            line += Separators(r) + Encode(r, args[i], unclosed && i + 1 == args.size());
        if (trailing)
            line += Separators(r);

        const TProgramArguments p(line, own);
        ASSERT_EQ(p.ParamCount(), static_cast<int>(args.size())) << round;
        EXPECT_EQ(p.ParamStr(0), own.empty() ? program : own.front()) << round;
        for (size_t i = 0; i < args.size(); ++i) {
            const std::string expected =
                args[i].find('\0') == std::string::npos ? args[i] : std::string();
            ASSERT_EQ(p.ParamStr(static_cast<int>(i) + 1), expected) << round << " " << line;
        }
    }
}
