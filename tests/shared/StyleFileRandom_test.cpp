// Random and mutated style files: the style test, the reader and the glyph walk never crash,
// never read outside the file, never change it, and fail only with their documented errors.
#include "shared/StyleFile.h"

#include "StyleFiles.h"

#include "forms/base/Exceptions.h"
#include "forms/base/StyleText.h"

#include "support/Rounds.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace forms;
using namespace kbtest;

namespace {

const std::vector<std::string> kLines = {"[Style]",
                                         "[About]",
                                         "[style]",
                                         " [About]",
                                         "[Glyph]",
                                         "[LockBtn]",
                                         "[SubForm]",
                                         "[Form]",
                                         "[BtnBar]",
                                         "[Tab]",
                                         "[TabFont]",
                                         "[TitleBar]",
                                         "[TitleFont]",
                                         "[\x83\x5D",
                                         "Format=K+StyleInformation",
                                         "Format=k+styleinformation",
                                         "Version=1",
                                         "Version=1.0",
                                         "Version=",
                                         "Type=1",
                                         "Type=$FFFFFFFF",
                                         "Color=clRed",
                                         "Color=clRed,,clBlue",
                                         "Color=$00CCE1E6,$00EEFFFF",
                                         "Color=",
                                         "Color=blue",
                                         "FontColor=clInfoText",
                                         "DrawMode=258",
                                         "Bounds=1,2",
                                         "Bounds=x",
                                         "Bounds=",
                                         "Trans=1",
                                         "Trans=yes",
                                         "LockBtn=1",
                                         "LockBtn=300",
                                         "Tab=-1",
                                         "SubFormH=2",
                                         "Name=\"ＭＳ ゴシック\"",
                                         "; comment",
                                         "=",
                                         "Title=表示ソ十",
                                         "Note='x'",
                                         "no equals",
                                         "CounterColor=clLime",
                                         "SelectColor=0x0000FF"};
const std::vector<std::string> kBreaks = {"\r\n", "\n", "\r", "", std::string(1, '\0'), " \t"};

std::string RandomText(std::mt19937& rng) {
    std::string text;
    const int lines = std::uniform_int_distribution<int>(0, 40)(rng);
    for (int i = 0; i < lines; ++i) {
        if (rng() % 8 == 0) {
            const int n = std::uniform_int_distribution<int>(1, 12)(rng);
            for (int k = 0; k < n; ++k)
                text += static_cast<char>(rng() & 0xFF);
        } else {
            text += kLines[rng() % kLines.size()];
        }
        text += kBreaks[rng() % kBreaks.size()];
    }
    return text;
}

int32_t RandomEntry(std::mt19937& rng, int64_t fileSize) {
    switch (rng() % 7) {
    case 0:
        return static_cast<int32_t>(rng());
    case 1:
        return 0;
    case 2:
        return -static_cast<int32_t>(rng() % 5000);
    case 3:
        return static_cast<int32_t>(fileSize);
    case 4:
        return static_cast<int32_t>(fileSize - static_cast<int64_t>(rng() % 64));
    default:
        return static_cast<int32_t>(rng() % static_cast<uint32_t>(fileSize + 1));
    }
}

// The bytes that an index entry of file names, when they lie wholly inside it.
std::optional<std::string> Expected(const std::string& file, int item) {
    if (file.size() < 2048)
        return std::nullopt;
    const auto at = [&file](size_t i) {
        return static_cast<int32_t>(
            static_cast<unsigned char>(file[i]) | static_cast<unsigned char>(file[i + 1]) << 8 |
            static_cast<unsigned char>(file[i + 2]) << 16 |
            static_cast<uint32_t>(static_cast<unsigned char>(file[i + 3])) << 24);
    };
    const int64_t size = at(4 * static_cast<size_t>(item));
    const int64_t offset = at(1024 + 4 * static_cast<size_t>(item));
    if (size <= 0 || offset < 0 || offset + size > static_cast<int64_t>(file.size()))
        return std::nullopt;
    return file.substr(static_cast<size_t>(offset), static_cast<size_t>(size));
}

std::string RandomContainer(std::mt19937& rng) {
    std::map<int, std::string> items;
    items[0] = rng() % 4 ? StyleText(RandomText(rng)) : RandomText(rng);
    for (int n = 1; n < 6; ++n)
        items[n] = std::string(rng() % 40, static_cast<char>(n));
    std::string file = MakeStyleFile(items);
    if (rng() % 3 == 0)
        file.resize(rng() % (file.size() + 1));
    if (file.size() >= 2048) {
        const int changes = std::uniform_int_distribution<int>(0, 4)(rng);
        for (int k = 0; k < changes; ++k)
            SetIndexEntry(file, static_cast<int>(rng() % 8),
                          RandomEntry(rng, static_cast<int64_t>(file.size())),
                          RandomEntry(rng, static_cast<int64_t>(file.size())));
    }
    return file;
}

TEST(StyleFileRandom, RandomContainers_FailOnlyAsDocumentedAndReadOnlyInside) {
    std::mt19937 rng(1105);
    TempDir dir;
    const std::string path = dir.File("r.sti");
    int runs = 0, styles = 0, loads = 0;
    for (; runs < kbtest::Rounds(400); ++runs) {
        const std::string file = RandomContainer(rng);
        WriteBytes(path, file);
        const bool isStyle = IsStyleFile(path, "1");
        styles += isStyle;
        if (isStyle) {
            ASSERT_TRUE(Expected(file, 0).has_value());
        }

        TStiData data;
        bool loaded = false;
        try {
            loaded = LoadStyleFile(path, data);
            ASSERT_EQ(loaded, isStyle);
            loads += loaded;
        } catch (const EConversionError&) {
            ASSERT_TRUE(isStyle);
        }
        if (!isStyle) {
            ASSERT_EQ(data.About.Title, "untitled"); // untouched
        }

        std::vector<int> items;
        for (int k = 0; k < 4; ++k)
            items.push_back(std::uniform_int_distribution<int>(-3, 300)(rng));
        try {
            ReadStyleGlyphs(path, items, rng() % 2 == 0, [&](size_t i, std::string_view bytes) {
                const auto want = Expected(file, items[i]);
                ASSERT_TRUE(want.has_value());
                ASSERT_EQ(bytes, *want);
            });
        } catch (const EStreamReadError&) {
        }
        ASSERT_EQ(ReadBytes(path), file);
    }
    // Both roads were taken often.
    EXPECT_GT(styles, runs / 10);
    EXPECT_GT(runs - styles, runs / 10);
    EXPECT_GT(loads, runs / 20);
}

TEST(StyleFileRandom, RandomStyleTexts_ReadOrRaiseConversionError) {
    std::mt19937 rng(1109);
    int runs = 0;
    for (; runs < kbtest::Rounds(4000); ++runs) {
        const std::string text = RandomText(rng);
        TStiData data;
        try {
            ReadStyleIni(TStyleText(text), data);
        } catch (const EConversionError&) {
        }
    }
}

} // namespace
