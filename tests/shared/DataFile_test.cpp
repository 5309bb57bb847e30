// The data file: line codecs, the writer, the text reader, the older form's stream routines and
// its reader.
#include "shared/DataFile.h"

#include "forms/base/Codepage.h"
#include "forms/base/Exceptions.h"
#include "forms/base/Filer.h"
#include "forms/base/Files.h"
#include "forms/base/Streams.h"
#include "shared/LaunchListTesting.h"
#include "support/SaveFaults.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>

using kbtest::Slot;
using kbtest::Snapshot;
using kbtest::Titles;
using testing::ElementsAre;

namespace {

const char kEmptyItemLine[] = "0,0,\"未登録\",\"\",\"\",\"\",\"\",\"\",0,1,\"\"";

std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (auto line : lines) {
        text.append(line);
        text.append("\r\n");
    }
    return text;
}

// A list whose data file lies in a fresh folder.
class DataFile : public testing::Test {
protected:
    DataFile() { list.SetFileName(dir.File("qvtdock.lst")); }

    void Write(std::string_view bytes) { kbtest::WriteBytes(list.FileName(), bytes); }
    // Writes bytes as the data file and loads it.
    void Load(std::string_view bytes) {
        Write(bytes);
        list.LoadFromFile();
    }
    std::string Saved() {
        list.SaveToFile();
        return kbtest::ReadBytes(list.FileName());
    }

    kbtest::TempDir dir;
    TLaunchList list;
};

// A text file with a good status line, the given page lines and item lines.
std::string TextFile(std::initializer_list<std::string_view> pages,
                     std::initializer_list<std::string_view> items) {
    std::string text = Lines({";*STR", "\"K+Bandeo\",\"3.00\",\"n\",1,2,3", "**"});
    for (auto p : pages)
        text += std::string(p) + "\r\n";
    text += "**\r\n";
    for (auto i : items)
        text += std::string(i) + "\r\n";
    return text + "**\r\n";
}

std::string Item(std::string_view title, int useCount = 0) {
    return "1," + std::to_string(useCount) + ",\"" + std::string(title) +
           "\",\"p\",\"\",\"\",\"\",\"\",0,1,\"\"";
}

} // namespace

// ---- Line codecs -----------------------------------------------------------------------------

TEST(LineCodecs, ItemToLine_EmptySlot) {
    EXPECT_EQ(ItemToLine(*NewEmptyItem()), kEmptyItemLine);
}

TEST(LineCodecs, ItemToLine_IconIndexStandsBeforeShowCmd) {
    auto item = NewEmptyItem();
    item->Kind = ikUrl;
    item->UseCount = -5;
    item->IconIndex = 4;
    item->ShowCmd = 7;
    item->Comment = "say \"hi\"";
    EXPECT_EQ(ItemToLine(*item), "7,-5,\"未登録\",\"\",\"\",\"\",\"\",\"\",4,7,\"say \"\"hi\"\"\"");
}

TEST(LineCodecs, TextsWithQuotesCommasAndBlanksReadBackExactly) {
    const std::string texts[] = {"\"lead", "a,b", " two  blanks ", "\"\"",
                                 "end\"",  ",",   "表示\\ソ|ポ",   ""};
    for (const auto& text : texts) {
        auto item = NewEmptyItem();
        item->Title = text;
        item->Params = text;
        item->Comment = text;
        auto read = ItemFromLine(ItemToLine(*item));
        EXPECT_EQ(read->Title, text);
        EXPECT_EQ(read->Params, text);
        EXPECT_EQ(read->Comment, text);
    }
}

TEST(LineCodecs, LineBreakingBytesInTextsAreWrittenAsBlanks) {
    auto item = NewEmptyItem();
    item->Title = std::string("a\rb\nc\x1A"
                              "d\0e",
                              9);
    const std::string line = ItemToLine(*item);
    EXPECT_EQ(line.find_first_of(std::string("\r\n\x1A\0", 4)), std::string::npos);
    EXPECT_EQ(ItemFromLine(line)->Title, "a b c d e");
}

TEST(LineCodecs, ItemFromLine_ReadsTheFieldsInFileOrder) {
    auto item = ItemFromLine("6,12,\"t\",\"p\",\"l\",\"a\",\"w\",\"i\",3,2,\"c\",\"extra\"");
    EXPECT_EQ(item->Kind, ikShortcut);
    EXPECT_EQ(item->UseCount, 12);
    EXPECT_EQ(item->Title, "t");
    EXPECT_EQ(item->Path, "p");
    EXPECT_EQ(item->LinkFile, "l");
    EXPECT_EQ(item->Params, "a");
    EXPECT_EQ(item->WorkDir, "w");
    EXPECT_EQ(item->IconFile, "i");
    EXPECT_EQ(item->IconIndex, 3);
    EXPECT_EQ(item->ShowCmd, 2);
    EXPECT_EQ(item->Comment, "c");
}

TEST(LineCodecs, ItemFromLine_BadNumbersFallBackButABadKindRaises) {
    auto item = ItemFromLine("$1F,x,\"t\",\"\",\"\",\"\",\"\",\"\",y,z,\"\"");
    EXPECT_EQ(item->Kind, 31);
    EXPECT_EQ(item->UseCount, 0);
    EXPECT_EQ(item->IconIndex, 0);
    EXPECT_EQ(item->ShowCmd, 1);
    EXPECT_EQ(ItemFromLine("300,0,\"\",\"\",\"\",\"\",\"\",\"\",0,1,\"\"")->Kind, 300 % 256);
    EXPECT_THROW(ItemFromLine("k,0,\"\",\"\",\"\",\"\",\"\",\"\",0,1,\"\""),
                 forms::EConversionError);
    try {
        ItemFromLine("\"1 \",0,\"\",\"\",\"\",\"\",\"\",\"\",0,1,\"\"");
        FAIL();
    } catch (const forms::EConversionError& e) {
        EXPECT_EQ(e.Message(), "'1 ' は整数ではありません");
    }
}

TEST(LineCodecs, ItemFromLine_FewerThanElevenFieldsGivesTheEmptySlot) {
    auto item = ItemFromLine("k,0,\"t\",\"\",\"\",\"\",\"\",\"\",0,1");
    EXPECT_EQ(ItemToLine(*item), kEmptyItemLine);
}

TEST(LineCodecs, StatusFromLine_DefaultsAndTheUnknownStatus) {
    auto status = StatusFromLine("\"P\",\"V\",\"N\",a,b,c");
    EXPECT_EQ(status->ProductName, "P");
    EXPECT_EQ(status->Value1, 0);
    EXPECT_EQ(status->Value2, 0);
    EXPECT_EQ(status->Value3, 10);
    auto unknown = StatusFromLine("\"P\",\"V\",\"N\",1,2");
    EXPECT_EQ(unknown->ProductName, "unknown");
    EXPECT_EQ(unknown->Version, "unknown");
    EXPECT_EQ(unknown->Notice, "unknown");
    EXPECT_EQ(unknown->Value3, 10);
}

TEST(LineCodecs, PageFromLine_ATrailingCommaAddsAnEmptyField) {
    auto page = PageFromLine("\"p\",4,");
    EXPECT_EQ(page->Caption, "p");
    EXPECT_EQ(page->BtnCount, 4);
    EXPECT_EQ(page->Value, 0);
    auto untitled = PageFromLine("\"p\",4");
    EXPECT_EQ(untitled->Caption, "untitled");
    EXPECT_EQ(untitled->BtnCount, 0);
}

TEST(LineCodecs, FieldsSkipBlanksAndControlBytesAroundCommas) {
    auto page = PageFromLine(" \t\"p q\" ,\t5 , 6");
    EXPECT_EQ(page->Caption, "p q");
    EXPECT_EQ(page->BtnCount, 5);
    EXPECT_EQ(page->Value, 6);
    // An unquoted field ends at a blank; what follows is the next field.
    auto split = PageFromLine("a b,7");
    EXPECT_EQ(split->Caption, "a");
    EXPECT_EQ(split->BtnCount, 0); // "b"
    EXPECT_EQ(split->Value, 7);
}

TEST(LineCodecs, QuotedFieldWithoutClosingQuoteRunsToTheEnd) {
    EXPECT_EQ(TitleOfLine("0,0,\"open ended, still"), "open ended, still");
}

TEST(LineCodecs, NulEndsTheLine) {
    auto page = PageFromLine(std::string("\"p\",3,1\0,\"more\"", 15));
    EXPECT_EQ(page->Caption, "p");
    EXPECT_EQ(page->Value, 1);
    EXPECT_EQ(PageFromLine(std::string("\0\"p\",3,1", 9))->Caption, "untitled");
}

TEST(LineCodecs, UseCountOfLine_TakesTheTextBetweenTheFirstTwoCommas) {
    EXPECT_EQ(UseCountOfLine("1,123,\"t\""), 123);
    EXPECT_EQ(UseCountOfLine("1,-4,"), -4);
    EXPECT_EQ(UseCountOfLine("1, 5,\"t\""), 0);
    EXPECT_EQ(UseCountOfLine("1,x,\"t\""), 0);
    EXPECT_EQ(UseCountOfLine("1,5"), 0);
    EXPECT_EQ(UseCountOfLine(""), 0);
}

TEST(LineCodecs, TitleOfLine_IsTheThirdField) {
    EXPECT_EQ(TitleOfLine(ItemToLine(*Slot("a,\"b\""))), "a,\"b\"");
    EXPECT_EQ(TitleOfLine("1,2"), "");
}

// ---- Writer ----------------------------------------------------------------------------------

TEST_F(DataFile, Save_NewListGivesExactlyTheseLines) {
    const std::string status = "\"K+Bandeo\",\"3.00\",\"" + list.Status().Notice + "\",0,0,1";
    EXPECT_EQ(Saved(), Lines({"; ステータス", ";*STR", status, "**", "; ページリスト", ";*PAGE",
                              "\"新規ページ\",1,0", "**", "; ファイルリスト", ";*FILE",
                              "; [ 新規ページ ]", ";*0", kEmptyItemLine, "**"}));
}

TEST_F(DataFile, Save_WritesEachPagesCommentThenItsSlots) {
    list.AppendItem(0, Slot("b"));
    list.AddPage("二", 1, 0);
    const std::string text = Saved();
    const std::string tail =
        Lines({"; [ 新規ページ ]", ";*0", kEmptyItemLine, ItemToLine(*Slot("b")), "; [ 二 ]", ";*1",
               kEmptyItemLine, "**"});
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST_F(DataFile, Save_CaptionWithLineBreaksStaysOnItsCommentLine) {
    list.Pages().Items(0)->Caption = "a\r\n**\nb";
    const std::string text = Saved();
    EXPECT_NE(text.find("; [ a  ** b ]\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"a  ** b\",1,0\r\n"), std::string::npos);
    list.LoadFromFile();
    EXPECT_TRUE(list.Loaded());
    EXPECT_EQ(list.Pages().Items(0)->Caption, "a  ** b");
}

TEST_F(DataFile, SaveAndLoad_RoundTripKeepsTheWholeModel) {
    list.Status().Notice = "メモ \"q\"";
    list.Status().Value1 = 11;
    list.Status().Value2 = -22;
    list.PutItem(0, 0, Slot("表示, \"ソ\"", 99999));
    list.AppendItem(0, Slot("ポ"));
    list.AddPage("ページ,二", 3, 4);
    list.Items(1, 2)->Kind = ikUrl;
    list.Items(1, 2)->IconIndex = -1;
    const auto before = Snapshot(list).values;
    list.SaveToFile();
    TLaunchList read;
    read.SetFileName(list.FileName());
    read.LoadFromFile();
    EXPECT_TRUE(read.Loaded());
    EXPECT_EQ(Snapshot(read).values, before);
}

TEST_F(DataFile, Save_ReplacesTheOldFileAndLeavesNoTemporaryFile) {
    Write("old contents");
    list.SaveToFile();
    EXPECT_EQ(kbtest::ReadBytes(list.FileName()).substr(0, 12), "; ステータス");
    list.SetFileName(dir.File("other.lst"));
    list.SaveToFile();
    EXPECT_THAT(kbtest::ListNames(dir.Path()), ElementsAre("other.lst", "qvtdock.lst"));
}

TEST_F(DataFile, Save_IntoAMissingFolderRaisesTheFileCreationError) {
    list.SetFileName(dir.File("missing") +
                     (dir.Path().find('\\') != std::string::npos ? "\\" : "/") + "qvtdock.lst");
    try {
        list.SaveToFile();
        FAIL();
    } catch (const forms::EFileCreateError& e) {
        EXPECT_NE(e.Message().find("を作成できません"), std::string::npos);
    }
}

TEST_F(DataFile, Save_AFailedWriteLeavesTheFileAsItWas) {
    Write("old contents");
    kbtest::ExpectEachFaultKeepsTheFile<forms::EFileCreateError>(list.FileName(),
                                                                 [&] { list.SaveToFile(); });
}

TEST_F(DataFile, Save_ModelOutOfStepWritesNothing) {
    Write("old");
    list.Pages().Items(0)->BtnCount = 2;
    EXPECT_THROW(list.SaveToFile(), forms::EListIndexError);
    EXPECT_EQ(kbtest::ReadBytes(list.FileName()), "old");
}

// ---- Text reader -----------------------------------------------------------------------------

TEST_F(DataFile, Load_ReadsStatusPagesAndSlots) {
    Load(TextFile({"\"一\",2,5", "\"二\",1,0"}, {Item("a", 3), Item("b"), Item("c")}));
    ASSERT_TRUE(list.Loaded());
    EXPECT_EQ(list.Status().Notice, "n");
    EXPECT_EQ(list.Status().Value1, 1);
    EXPECT_EQ(list.Status().Value3, 3);
    ASSERT_EQ(list.Pages().Count(), 2);
    EXPECT_EQ(list.Pages().Items(0)->Value, 5);
    EXPECT_THAT(Titles(list, 0), ElementsAre("a", "b"));
    EXPECT_THAT(Titles(list, 1), ElementsAre("c"));
    EXPECT_EQ(list.Items(0, 0)->UseCount, 3);
}

TEST_F(DataFile, Load_SlotsAreSharedOutByCountWhateverTheCommentsSay) {
    Load(TextFile({"\"一\",2,0", "\"二\",3,0"}, {"; [ 一 ]", ";*0", Item("a"), "; [ 二 ]", ";*1",
                                                 Item("b"), Item("c"), Item("d"), Item("e")}));
    ASSERT_TRUE(list.Loaded());
    EXPECT_THAT(Titles(list, 0), ElementsAre("a", "b"));
    EXPECT_THAT(Titles(list, 1), ElementsAre("c", "d", "e"));
}

TEST_F(DataFile, Load_SkipsBlankAndCommentLinesAnywhere) {
    Load("\r\n; "
         "x\r\n\"K+Bandeo\",\"3.00\",\"n\",0,0,1\r\n\r\n;;\r\n**\r\n\r\n;\r\n\"p\",1,0\r\n\r\n**"
         "\r\n;\r\n\r\n" +
         Item("a") + "\r\n\r\n**\r\n");
    ASSERT_TRUE(list.Loaded());
    EXPECT_EQ(list.Pages().Count(), 1);
    EXPECT_THAT(Titles(list, 0), ElementsAre("a"));
}

TEST_F(DataFile, Load_LfLinesStrayCrAndTheEndOfFileByte) {
    Load("\"K+Bandeo\",\"3.00\",\"n\",0,0,1\n**\n\"p\r\",1,0\n**\n" + Item("a") + "\n**\x1A" +
         "garbage");
    ASSERT_TRUE(list.Loaded());
    EXPECT_EQ(list.Pages().Items(0)->Caption, "p");
}

TEST_F(DataFile, Load_TheSecondStatusLineIsKept) {
    Load(Lines({"\"A\",\"1\",\"x\",1,1,1", "\"B\",\"2\",\"y\",2,2,2", "**", "\"p\",1,0", "**",
                Item("a"), "**"}));
    ASSERT_TRUE(list.Loaded());
    EXPECT_EQ(list.Status().ProductName, "B");
    EXPECT_EQ(list.Status().Value1, 2);
}

TEST_F(DataFile, Load_NothingAfterTheThirdTerminatorIsRead) {
    Load(TextFile({"\"p\",1,0"}, {Item("a")}) + "k,bad line\r\n" + Item("b") + "\r\n");
    ASSERT_TRUE(list.Loaded());
    EXPECT_EQ(list.Count(), 1);
}

TEST_F(DataFile, Load_SectionEndMustBeExact) {
    // " **" and "** " are page lines, "untitled" pages of no slots.
    Load(TextFile({" **", "** ", "\"p\",1,0"}, {Item("a")}));
    ASSERT_TRUE(list.Loaded());
    EXPECT_EQ(list.Pages().Count(), 3);
    EXPECT_EQ(list.Pages().Items(0)->Caption, "untitled");
}

TEST_F(DataFile, Load_StatusLineWithFiveFieldsGivesFalseAndChangesNothing) {
    const auto before = Snapshot(list);
    Write(Lines({"\"K+Bandeo\",\"3.00\",\"n\",0,0", "**", "\"p\",1,0", "**", Item("a"), "**"}));
    EXPECT_FALSE(LoadListFromText(list, list.FileName()));
    EXPECT_EQ(Snapshot(list), before);
    list.LoadFromFile();
    EXPECT_FALSE(list.Loaded());
    EXPECT_EQ(Snapshot(list), before);
}

TEST_F(DataFile, Load_UnknownVersionStopsEvenBeforeAGoodStatusLine) {
    const auto before = Snapshot(list);
    Load(Lines({"\"K+Bandeo\",\"unknown\",\"n\",0,0,1", "\"K+Bandeo\",\"3.00\",\"n\",0,0,1", "**",
                "\"p\",1,0", "**", Item("a"), "**"}));
    EXPECT_FALSE(list.Loaded());
    EXPECT_EQ(Snapshot(list), before);
}

TEST_F(DataFile, Load_FileCutBeforeAnyTerminatorLeavesModelUnchanged) {
    const std::string full = TextFile({"\"p\",1,0"}, {Item("a")});
    const auto before = Snapshot(list);
    // Cut before the first, second and third "**".
    for (size_t cut : {full.find("**"), full.find("**", full.find("**") + 2), full.rfind("**")}) {
        Write(full.substr(0, cut));
        EXPECT_FALSE(LoadListFromText(list, list.FileName())) << cut;
        list.LoadFromFile();
        EXPECT_FALSE(list.Loaded()) << cut;
        EXPECT_EQ(Snapshot(list), before) << cut;
    }
}

TEST_F(DataFile, Load_NoStatusLineBeforeTheFirstTerminatorGivesFalse) {
    const auto before = Snapshot(list);
    Load(Lines({"; only a comment", "**", "\"p\",1,0", "**", Item("a"), "**"}));
    EXPECT_FALSE(list.Loaded());
    EXPECT_EQ(Snapshot(list), before);
}

TEST_F(DataFile, Load_KindThatIsNotAnIntegerRaisesAndLeavesModelUnchanged) {
    list.SaveToFile();
    list.LoadFromFile();
    ASSERT_TRUE(list.Loaded());
    const auto before = Snapshot(list);
    Write(TextFile({"\"p\",2,0"}, {Item("a"), "x,0,\"\",\"\",\"\",\"\",\"\",\"\",0,1,\"\""}));
    EXPECT_THROW(list.LoadFromFile(), forms::EConversionError);
    EXPECT_FALSE(list.Loaded());
    EXPECT_EQ(Snapshot(list), before);
}

TEST_F(DataFile, Load_NoFileLeavesModelUnchangedAndNotLoaded) {
    list.SaveToFile();
    list.LoadFromFile();
    ASSERT_TRUE(list.Loaded());
    list.SetFileName(dir.File("none.lst"));
    const auto before = Snapshot(list);
    list.LoadFromFile();
    EXPECT_FALSE(list.Loaded());
    EXPECT_EQ(Snapshot(list), before);
}

TEST_F(DataFile, Load_ShortPageAndItemLinesBecomeUntitledPagesAndEmptySlots) {
    Load(TextFile({"\"p\",2,0", "\"short\""}, {Item("a"), "1,2,\"short\""}));
    ASSERT_TRUE(list.Loaded());
    ASSERT_EQ(list.Pages().Count(), 2);
    EXPECT_EQ(list.Pages().Items(1)->Caption, "untitled");
    EXPECT_EQ(list.Items(0, 1)->Title, "未登録");
}

// ---- Page counts after a load ------------------------------------------------------------------

TEST_F(DataFile, Load_PageWithoutSlotsGetsOneEmptySlotInItsPlace) {
    Load(TextFile({"\"a\",1,0", "\"b\",0,0", "\"c\",-4,0", "\"d\",1,0"}, {Item("a0"), Item("d0")}));
    ASSERT_TRUE(list.Loaded());
    EXPECT_THAT(Titles(list, 0), ElementsAre("a0"));
    EXPECT_THAT(Titles(list, 1), ElementsAre("未登録"));
    EXPECT_THAT(Titles(list, 2), ElementsAre("未登録"));
    EXPECT_THAT(Titles(list, 3), ElementsAre("d0"));
}

TEST_F(DataFile, Load_TooFewSlotsArePaddedWithEmptySlots) {
    Load(TextFile({"\"a\",2,0", "\"b\",3,0"}, {Item("a0"), Item("a1"), Item("b0")}));
    ASSERT_TRUE(list.Loaded());
    EXPECT_THAT(Titles(list, 1), ElementsAre("b0", "未登録", "未登録"));
    EXPECT_EQ(list.Count(), 5);
}

TEST_F(DataFile, Load_ExtraSlotsGoToTheLastPage) {
    Load(TextFile({"\"a\",1,0", "\"b\",1,0"}, {Item("a0"), Item("b0"), Item("x"), Item("y")}));
    ASSERT_TRUE(list.Loaded());
    EXPECT_THAT(Titles(list, 0), ElementsAre("a0"));
    EXPECT_THAT(Titles(list, 1), ElementsAre("b0", "x", "y"));
}

TEST_F(DataFile, Load_NoPageGivesOneNewPageHoldingEverySlot) {
    Load(TextFile({}, {Item("a"), Item("b")}));
    ASSERT_TRUE(list.Loaded());
    ASSERT_EQ(list.Pages().Count(), 1);
    EXPECT_EQ(list.Pages().Items(0)->Caption, "新規ページ");
    EXPECT_THAT(Titles(list, 0), ElementsAre("a", "b"));
    Load(TextFile({}, {}));
    ASSERT_TRUE(list.Loaded());
    ASSERT_EQ(list.Pages().Count(), 1);
    EXPECT_THAT(Titles(list, 0), ElementsAre("未登録"));
}

TEST_F(DataFile, Load_CountsClaimingMillionsOfMissingSlotsAreRefused) {
    const auto before = Snapshot(list);
    Load(TextFile({"\"a\",2000000000,0"}, {Item("a")}));
    EXPECT_FALSE(list.Loaded());
    EXPECT_EQ(Snapshot(list), before);
}

// ---- The older form's stream routines -------------------------------------------------------

TEST(LaunchDataItem, WriteData_WritesShowCmdBeforeIconIndex) {
    auto item = NewEmptyItem();
    item->Kind = ikFolder;
    item->UseCount = 300;
    item->Title = "t";
    item->ShowCmd = 7;
    item->IconIndex = 8;
    forms::TMemoryStream stream;
    forms::TWriter writer(stream);
    item->WriteData(writer);
    using namespace kbtest;
    EXPECT_EQ(stream.Bytes(), FInt8(3) + FInt16(300) + FStr("t") + FStr("") + FStr("") + FStr("") +
                                  FStr("") + FStr("") + FInt8(7) + FInt8(8) + FStr(""));
}

TEST(OlderStreams, StatusPagesAndSlotsRoundTrip) {
    TLaunchList list;
    list.Status().Notice = "お知らせ";
    list.Status().Value2 = 70000;
    list.PutItem(0, 0, kbtest::FullSlot());
    list.AddPage("二ページ", 2, -7);
    forms::TMemoryStream stream;
    list.Status().SaveToStream(stream);
    list.Pages().SaveToStream(stream);
    list.SaveToStream(stream);
    stream.SetPosition(0);
    TDataStatus status;
    TPageList pages;
    TBaseLaunchList slots;
    slots.Add(NewEmptyItem());
    status.LoadFromStream(stream);
    pages.LoadFromStream(stream);
    slots.LoadFromStream(stream);
    EXPECT_EQ(StatusToLine(status), StatusToLine(list.Status()));
    ASSERT_EQ(pages.Count(), 2);
    EXPECT_EQ(PageToLine(*pages.Items(1)), PageToLine(*list.Pages().Items(1)));
    ASSERT_EQ(slots.Count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(ItemToLine(*slots.Items(i)), ItemToLine(*list.Items(i)));
}

TEST(BaseLaunchList, LoadFromStream_CountBeyondTheDataRaisesAndKeepsTheList) {
    using namespace kbtest;
    TBaseLaunchList list;
    list.Add(Slot("kept"));
    for (const std::string& bytes : {FInt32(0x7FFFFFFF) + OlderSlot(1, "a", 1, 0), FInt8(-1),
                                     FInt8(2) + OlderSlot(1, "a", 1, 0)}) {
        forms::TMemoryStream stream(bytes);
        EXPECT_THROW(list.LoadFromStream(stream), forms::EStreamReadError);
        ASSERT_EQ(list.Count(), 1);
        EXPECT_EQ(list.Items(0)->Title, "kept");
    }
}

TEST(PageList, LoadFromStream_WrongTypeRaisesAndKeepsTheList) {
    using namespace kbtest;
    TPageList pages;
    pages.Add(std::make_unique<TPageItem>());
    forms::TMemoryStream stream(FInt8(1) + FInt8(5) + FInt8(1) + FInt8(0));
    EXPECT_THROW(pages.LoadFromStream(stream), forms::EStreamReadError);
    EXPECT_EQ(pages.Count(), 1);
}

TEST(BaseLaunchList, SaveToFile_WritesTheStreamForm) {
    kbtest::TempDir dir;
    TLaunchList list;
    const std::string name = dir.File("slots.bin");
    static_cast<const TBaseLaunchList&>(list).SaveToFile(name);
    forms::TMemoryStream stream;
    list.SaveToStream(stream);
    EXPECT_EQ(kbtest::ReadBytes(name), stream.Bytes());
    list.Pages().SaveToFile(dir.File("pages.bin"));
    list.Status().SaveToFile(dir.File("status.bin"));
    forms::TMemoryStream status(kbtest::ReadBytes(dir.File("status.bin")));
    TDataStatus read;
    read.LoadFromStream(status);
    EXPECT_EQ(read.ProductName, "K+Bandeo");
}

// ---- Older form --------------------------------------------------------------------------------

namespace {
using namespace kbtest;

std::string OlderPages() {
    return FInt8(2) + FStr("one") + FInt8(1) + FInt8(0) + FStr("two") + FInt8(2) + FInt32(70000);
}
std::string OlderSlots() {
    return FInt8(3) + OlderSlot(1, "a", 3, 9) + OlderSlot(6, "b", 1, 0) + OlderSlot(2, "c", 2, 1);
}
} // namespace

TEST_F(DataFile, Older_ReadsStatusPagesAndSlots) {
    Load(OlderFile(OlderStatus("K+Bandeo", "3.00"), OlderPages(), OlderSlots()));
    ASSERT_TRUE(list.Loaded());
    EXPECT_EQ(list.Status().Notice, "note");
    EXPECT_EQ(list.Status().Value1, 4);
    EXPECT_EQ(list.Status().Value3, 6);
    ASSERT_EQ(list.Pages().Count(), 2);
    EXPECT_EQ(list.Pages().Items(1)->Caption, "two");
    EXPECT_EQ(list.Pages().Items(1)->Value, 70000);
    EXPECT_THAT(Titles(list, 0), ElementsAre("a"));
    EXPECT_THAT(Titles(list, 1), ElementsAre("b", "c"));
    const TLaunchDataItem& a = *list.Items(0, 0);
    EXPECT_EQ(a.Kind, ikProgram);
    EXPECT_EQ(a.UseCount, 300);
    EXPECT_EQ(a.Path, "C:\\x.exe");
    EXPECT_EQ(a.Params, "-p");
    EXPECT_EQ(a.WorkDir, "C:\\");
    EXPECT_EQ(a.ShowCmd, 3);
    EXPECT_EQ(a.IconIndex, 9);
    EXPECT_EQ(a.Comment, "c");
}

TEST_F(DataFile, Older_LaterVersionsAreRead) {
    Load(OlderFile(OlderStatus("K+Bandeo", "3.10"), OlderPages(), OlderSlots()));
    EXPECT_TRUE(list.Loaded());
}

TEST_F(DataFile, Older_EarlierVersionOrOtherProductIsRefusedAndChangesNothing) {
    const auto before = Snapshot(list);
    for (const auto& status : {OlderStatus("K+Bandeo", "2.50"), OlderStatus("K+Bandeo", "3"),
                               OlderStatus("K+Bandeo2", "3.00"), OlderStatus("k+bandeo", "3.00")}) {
        Load(OlderFile(status, OlderPages(), OlderSlots()));
        EXPECT_FALSE(list.Loaded());
        EXPECT_EQ(Snapshot(list), before);
    }
}

// The older reader loads only what saves into a text form that loads back the same: the text
// reader takes the version "unknown" for the older form's mark, and holds no line break in a text.
TEST_F(DataFile, Older_LoadsOnlyWhatItsSavedTextFormLoadsBackTheSame) {
    Load(OlderFile(OlderStatus("K+Bandeo", "unknown"), OlderPages(), OlderSlots()));
    EXPECT_FALSE(list.Loaded());
    Load(OlderFile(OlderStatus("K+Bandeo", "unknown\n"), OlderPages(),
                   FInt8(1) + OlderSlot(1, std::string("a\r\n\x1A\0b", 6), 1, 0)));
    for (int round = 0; round < 2; ++round, list.SaveToFile(), list.LoadFromFile()) {
        ASSERT_TRUE(list.Loaded()) << round;
        EXPECT_EQ(list.Status().Version, "unknown ") << round;
        EXPECT_EQ(list.Items(0)->Title, "a    b") << round;
    }
}

TEST_F(DataFile, Older_Utf16AndUtf8TextsAreReadInCodePage932) {
    const std::string pages = FInt8(1) + FUtf16(u"表示") + FInt8(2) + FInt8(0);
    const std::string slots = FInt8(2) + OlderSlot(1, "a", 1, 0) + FInt8(1) + FInt8(0) +
                              FUtf8("\xE3\x83\x9D") + FStr("") + FStr("") + FStr("") + FStr("") +
                              FLStr("long") + FInt8(1) + FInt8(0) + FStr("");
    Load(OlderFile(OlderStatus("K+Bandeo", "3.00"), pages, slots));
    ASSERT_TRUE(list.Loaded());
    EXPECT_EQ(list.Pages().Items(0)->Caption, "表示");
    EXPECT_EQ(list.Items(0, 1)->Title, "ポ");
    EXPECT_EQ(list.Items(0, 1)->IconFile, "long");
}

TEST_F(DataFile, Older_SectionsAreTakenFromTheirOffsets) {
    const std::string status = OlderStatus("K+Bandeo", "3.00");
    const std::string pages = OlderPages(), slots = OlderSlots();
    // Slots first, then a gap, then status, then pages.
    const int32_t oSlots = 88, oStatus = oSlots + static_cast<int32_t>(slots.size()) + 5;
    const int32_t oPages = oStatus + static_cast<int32_t>(status.size());
    std::string header;
    for (int32_t v : {static_cast<int32_t>(status.size()), static_cast<int32_t>(pages.size()),
                      static_cast<int32_t>(slots.size())})
        header += LE32(v);
    header += std::string(8 * 4, '\0');
    for (int32_t v : {oStatus, oPages, oSlots})
        header += LE32(v);
    header += std::string(8 * 4, '\0');
    Load(header + slots + "xxxxx" + status + pages);
    ASSERT_TRUE(list.Loaded());
    EXPECT_THAT(Titles(list, 1), ElementsAre("b", "c"));
}

TEST_F(DataFile, Older_PageCountsAreMadeConsistentToo) {
    const std::string pages =
        FInt8(2) + FStr("one") + FInt8(0) + FInt8(0) + FStr("two") + FInt8(1) + FInt8(0);
    Load(OlderFile(OlderStatus("K+Bandeo", "3.00"), pages, OlderSlots()));
    ASSERT_TRUE(list.Loaded());
    EXPECT_THAT(Titles(list, 0), ElementsAre("未登録"));
    EXPECT_THAT(Titles(list, 1), ElementsAre("a", "b", "c"));
}

TEST_F(DataFile, Older_SizesOffsetsCountsAndLengthsOutOfRangeGiveNotLoadedQuietly) {
    const std::string status = OlderStatus("K+Bandeo", "3.00");
    const std::string good = OlderFile(status, OlderPages(), OlderSlots());
    const auto patched = [&](int entry, int32_t value) {
        std::string bytes = good;
        bytes.replace(static_cast<size_t>(entry) * 4, 4, LE32(value));
        return bytes;
    };
    const std::string cases[] = {
        good.substr(0, 87),                                  // shorter than the header
        good.substr(0, good.size() - 1),                     // last section beyond the end
        patched(0, -1),                                      // negative size
        patched(2, 0x7FFFFFFF),                              // huge size
        patched(12, -88),                                    // negative offset
        patched(13, 0x7FFFFFF0),                             // offset beyond the file
        OlderFile(status, FInt32(0x7FFFFFFF), OlderSlots()), // page count
        OlderFile(status, OlderPages(), FInt8(-1)),          // negative count
        OlderFile(status, OlderPages(), FInt32(100) + OlderSlot(1, "a", 1, 0)),
        OlderFile(FStr("K+Bandeo") + "\x0C" + LE32(0x7FFFFFF0), OlderPages(), OlderSlots()),
        OlderFile(status, FInt8(1) + "\x12" + LE32(-2) + FInt8(1) + FInt8(0), OlderSlots()),
    };
    const auto before = Snapshot(list);
    for (const auto& bytes : cases) {
        Load(bytes);
        EXPECT_FALSE(list.Loaded());
        EXPECT_EQ(Snapshot(list), before);
    }
}

TEST_F(DataFile, Older_WrongTypeOrCutValueRaisesTheStreamReadError) {
    const std::string status = OlderStatus("K+Bandeo", "3.00");
    const std::string cases[] = {
        OlderFile(status, FInt8(1) + FInt8(5) + FInt8(1) + FInt8(0), OlderSlots()), // caption type
        OlderFile(status, OlderPages(), FInt8(1) + FStr("kind") + std::string(40, '\x02')),
        OlderFile(status, OlderPages(), // IconIndex cut after two of its four bytes
                  FInt8(1) + OlderSlot(1, "a", 1, 0).substr(0, 33) + "\x04\x01\x02"),
        OlderFile(FStr("K+Bandeo"), OlderPages(), OlderSlots()), // status ends early
    };
    const auto before = Snapshot(list);
    for (const auto& bytes : cases) {
        Write(bytes);
        EXPECT_THROW(list.LoadFromFile(), forms::EStreamReadError);
        EXPECT_FALSE(list.Loaded());
        EXPECT_EQ(Snapshot(list), before);
    }
}
