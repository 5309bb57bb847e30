// The style list: entries as records read through the loader, their order, the files left out,
// the description with its type names, the stored style's selection and the folder's *.STI files.
#include "qvtcfg/StyleList.h"

#include "forms/base/Exceptions.h"
#include "shared/StyleFile.h"

#include "shared/FakeFileSystem.h"
#include "shared/StyleFiles.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>

#include <functional>
#include <map>

using ::testing::ElementsAre;

namespace {

struct FakeStyle {
    std::string title, file, author, note;
    int type;
};

FakeStyle Style(std::string title, std::string file = "x.sti", std::string author = "",
                std::string note = "", int type = 0) {
    return {std::move(title), std::move(file), std::move(author), std::move(note), type};
}

// A loader over styles by path; any other path is no style.
struct FakeStyles {
    std::map<std::string, FakeStyle> styles;
    std::vector<std::string> loaded;

    TStyleLoader Loader() {
        return [this](const std::string& path, TStiData& data) {
            loaded.push_back(path);
            const auto it = styles.find(path);
            if (it == styles.end())
                return false;
            data.About.Title = it->second.title;
            data.About.FileName = it->second.file;
            data.About.Author = it->second.author;
            data.About.Note = it->second.note;
            data.About.Type = it->second.type;
            data.About.Version = "1";
            return true;
        };
    }
};

std::vector<std::string> Titles(const std::vector<TStyleEntry>& entries) {
    std::vector<std::string> titles;
    for (const TStyleEntry& e : entries)
        titles.push_back(e.Title);
    return titles;
}

TStyleEntry Entry(const std::string& title, const std::string& file, const std::string& type) {
    TStyleEntry e;
    e.Title = title;
    e.FileName = file;
    e.Type = type;
    return e;
}

} // namespace

// ---- the entries ----

TEST(StyleEntries, TitlesAreOrderedWithAsciiLettersInEitherCaseAlike) {
    FakeStyles f;
    f.styles["C:\\p\\b.sti"] = Style("Beta");
    f.styles["C:\\p\\a.sti"] = Style("alpha");
    f.styles["C:\\p\\c.sti"] = Style("_under");
    const auto entries =
        ScanStyleEntries({"C:\\p\\a.sti", "C:\\p\\b.sti", "C:\\p\\c.sti"}, f.Loader());
    EXPECT_THAT(Titles(entries), ElementsAre("alpha", "Beta", "_under"));
}

TEST(StyleEntries, EqualTitlesAreOrderedByPath) {
    FakeStyles f;
    f.styles["C:\\p\\Z.sti"] = Style("same");
    f.styles["C:\\p\\y.sti"] = Style("SAME");
    const auto entries = ScanStyleEntries({"C:\\p\\Z.sti", "C:\\p\\y.sti"}, f.Loader());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].Path, "C:\\p\\y.sti");
    EXPECT_EQ(entries[1].Path, "C:\\p\\Z.sti");
}

TEST(StyleEntries, ATitleThatIsAPrefixComesFirst) {
    FakeStyles f;
    f.styles["C:\\p\\1.sti"] = Style("Pop Art");
    f.styles["C:\\p\\2.sti"] = Style("Pop");
    const auto entries = ScanStyleEntries({"C:\\p\\1.sti", "C:\\p\\2.sti"}, f.Loader());
    EXPECT_THAT(Titles(entries), ElementsAre("Pop", "Pop Art"));
}

TEST(StyleEntries, FilesThatAreNoStyleAreLeftOutAndEveryPathIsReadOnceFromTheLast) {
    FakeStyles f;
    f.styles["C:\\p\\a.sti"] = Style("A");
    const auto entries =
        ScanStyleEntries({"C:\\p\\a.sti", "C:\\p\\readme.sti", "C:\\p\\c.sti"}, f.Loader());
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].Path, "C:\\p\\a.sti");
    EXPECT_THAT(f.loaded, ElementsAre("C:\\p\\c.sti", "C:\\p\\readme.sti", "C:\\p\\a.sti"));
}

TEST(StyleEntries, AFileWhoseReadingRaisesIsLeftOutAndTheOthersAreListed) {
    FakeStyles f;
    f.styles["C:\\p\\a.sti"] = Style("A");
    f.styles["C:\\p\\b.sti"] = Style("B");
    auto load = f.Loader();
    const std::map<std::string, std::function<void()>> damaged = {
        {"C:\\p\\locked.sti", [] { throw forms::EFileOpenError("locked.sti", "共有違反"); }},
        {"C:\\p\\colour.sti", [] { throw forms::EConversionError("clNoColour"); }},
        {"C:\\p\\short.sti", [] { throw forms::EStreamReadError(); }},
    };
    const auto entries =
        ScanStyleEntries({"C:\\p\\a.sti", "C:\\p\\locked.sti", "C:\\p\\colour.sti",
                          "C:\\p\\short.sti", "C:\\p\\b.sti"},
                         [&](const std::string& path, TStiData& data) {
                             if (const auto it = damaged.find(path); it != damaged.end())
                                 it->second();
                             return load(path, data);
                         });
    EXPECT_THAT(Titles(entries), ElementsAre("A", "B"));
}

TEST(StyleEntries, ABarOrATrailByte7CInATextShiftsNoField) {
    FakeStyles f;
    f.styles["C:\\p\\pop.sti"] = Style("ポップ", "ポップ.sti", "A|B", "ノート|ポ", 2);
    const auto entries = ScanStyleEntries({"C:\\p\\pop.sti"}, f.Loader());
    ASSERT_EQ(entries.size(), 1u);
    const TStyleEntry& e = entries[0];
    EXPECT_EQ(e.Title, "ポップ");
    EXPECT_EQ(e.Path, "C:\\p\\pop.sti");
    EXPECT_EQ(e.Author, "A|B");
    EXPECT_EQ(e.Note, "ノート|ポ");
    EXPECT_EQ(e.FileName, "ポップ.sti");
    EXPECT_EQ(e.Version, "1");
    EXPECT_EQ(StyleTypeOf(e), 2);
    EXPECT_THAT(StyleDescription(e),
                ElementsAre("[ファイル名]：ポップ.sti", "[著　作　者]：A|B",
                            "[ コメント ]：ノート|ポ", "[タ　イ　プ]：TYPE-2 [非矩形]"));
}

TEST(StyleEntries, TheRealReaderMakesEntriesOfStyleFilesOnly) {
    kbtest::TempDir dir;
    const std::string good = dir.File("good.sti"), other = dir.File("other.sti");
    kbtest::WriteBytes(
        good, kbtest::MakeStyleFile({{0, "[Style]\r\nFormat=K+StyleInformation\r\nVersion=1\r\n"
                                         "Type=1\r\n[About]\r\nTitle=Good\r\nFile=declared.sti\r\n"
                                         "Author=Me\r\nNote=n\r\n"}}));
    kbtest::WriteBytes(other, "just text");
    const auto entries = ScanStyleEntries({good, other}, LoadStyleFile);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].Title, "Good");
    EXPECT_EQ(entries[0].FileName, "declared.sti");
    EXPECT_EQ(entries[0].Type, "1");
    EXPECT_EQ(entries[0].Version, "1");
}

// ---- types ----

TEST(StyleTypes, TheThreeNamesAndTheNumberOfAnyOther) {
    EXPECT_EQ(StyleTypeName(0), "TYPE-0 色変更可");
    EXPECT_EQ(StyleTypeName(1), "TYPE-1 ");
    EXPECT_EQ(StyleTypeName(2), "TYPE-2 [非矩形]");
    EXPECT_EQ(StyleTypeName(5), "TYPE-5");
    EXPECT_EQ(StyleTypeName(-1), "TYPE--1");
}

TEST(StyleTypes, OnlyTypeZeroLetsThePartColoursIn) {
    EXPECT_TRUE(StyleColorsChangeable(Entry("t", "f", "0")));
    EXPECT_FALSE(StyleColorsChangeable(Entry("t", "f", "1")));
    EXPECT_FALSE(StyleColorsChangeable(Entry("t", "f", "2")));
    EXPECT_FALSE(StyleColorsChangeable(Entry("t", "f", "5")));
    EXPECT_TRUE(StyleColorsChangeable(Entry("t", "f", "x"))); // no number reads as 0
}

TEST(StyleTypes, TheDescriptionOfTypeFiveNamesItsNumber) {
    EXPECT_EQ(StyleDescription(Entry("t", "f.sti", "5")).back(), "[タ　イ　プ]：TYPE-5");
    EXPECT_EQ(StyleDescription(Entry("t", "f.sti", "1")).back(), "[タ　イ　プ]：TYPE-1 ");
}

// ---- the stored style ----

TEST(StoredStyle, IsFoundByItsDeclaredNameInEitherCase) {
    const std::vector<TStyleEntry> entries = {Entry("a", "format.sti", "0"),
                                              Entry("b", "Night.STI", "0")};
    EXPECT_EQ(StoredStyleIndex(entries, "night.sti"), 1);
    EXPECT_EQ(StoredStyleIndex(entries, "FORMAT.STI"), 0);
}

TEST(StoredStyle, NoMatchSelectsTheFirstAndNoEntriesNone) {
    EXPECT_EQ(StoredStyleIndex({Entry("a", "a.sti", "0"), Entry("b", "b.sti", "0")}, "gone.sti"),
              0);
    EXPECT_EQ(StoredStyleIndex({}, "format.sti"), -1);
}

TEST(StoredStyle, OfTwoWithTheSameNameTheLowerTitleWins) {
    FakeStyles f;
    f.styles["C:\\p\\1.sti"] = Style("Zeta", "same.sti");
    f.styles["C:\\p\\2.sti"] = Style("Alpha", "same.sti");
    const auto entries = ScanStyleEntries({"C:\\p\\1.sti", "C:\\p\\2.sti"}, f.Loader());
    EXPECT_EQ(entries[static_cast<size_t>(StoredStyleIndex(entries, "SAME.sti"))].Title, "Alpha");
}

TEST(StoredStyle, WithNothingListedTheStoredNameIsWrittenBack) {
    const TStyleEntry night = Entry("Night", "night.sti", "1");
    EXPECT_EQ(StyleFileToWrite(&night, "format.sti"), "night.sti");
    EXPECT_EQ(StyleFileToWrite(nullptr, "format.sti"), "format.sti");
    EXPECT_EQ(StyleFileToWrite(nullptr, ""), "");
}

// ---- the folder ----

TEST(StyleFolder, OnlyTheFoldersOwnStiFilesInAnyCase) {
    FakeFileSystem fs;
    fs.AddFolder("C:\\K+B");
    fs.AddFile("C:\\K+B\\qvtcfg.exe");
    fs.AddFile("C:\\K+B\\format.sti");
    fs.AddFile("C:\\K+B\\Night.STI");
    fs.AddFile("C:\\K+B\\notes.txt");
    fs.AddFolder("C:\\K+B\\more");
    fs.AddFile("C:\\K+B\\more\\deep.sti");
    EXPECT_THAT(StyleFilePaths("C:\\K+B\\", fs),
                ElementsAre("C:\\K+B\\format.sti", "C:\\K+B\\Night.STI"));
}

TEST(StyleFolder, AFolderWithoutStylesGivesNone) {
    FakeFileSystem fs;
    fs.AddFolder("C:\\K+B");
    fs.AddFile("C:\\K+B\\qvtcfg.exe");
    EXPECT_TRUE(StyleFilePaths("C:\\K+B\\", fs).empty());
}
