#include "forms/base/Exceptions.h"
#include "forms/base/Files.h"
#include "forms/base/SettingsFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

using namespace forms;

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    void Given(std::string_view bytes) { kbtest::WriteBytes(path, bytes); }
    std::string OnDisk() const { return kbtest::ReadBytes(path); }
    std::string Read(std::string_view section, std::string_view key) const {
        return TSettingsFile(path).ReadString(section, key, "<default>");
    }
    // Dates the file back, so that a rewrite shows as a new time.
    void Age() const {
        std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() -
                                                   std::chrono::hours(24 * 400));
    }
    std::filesystem::file_time_type Stamp() const { return std::filesystem::last_write_time(path); }

    kbtest::TempDir dir;
    std::string path = dir.File("settings.ini");
};

} // namespace

// --- reading

TEST_F(SettingsFileTest, Read_MissingFile_GivesDefaultsAndCreatesNothing) {
    TSettingsFile ini(path);
    EXPECT_EQ(ini.ReadString("A", "k", "def"), "def");
    EXPECT_EQ(ini.ReadInteger("A", "k", -7), -7);
    EXPECT_TRUE(ini.ReadBool("A", "k", true));
    EXPECT_FALSE(kbtest::Exists(path));
}

TEST_F(SettingsFileTest, Read_NamesMatchWithAsciiLettersInAnyCase) {
    Given("[Visible]\r\nBtnSize=48\r\n");
    EXPECT_EQ(Read("VISIBLE", "btnsize"), "48");
    EXPECT_EQ(Read("visible", "BTNSIZE"), "48");
}

TEST_F(SettingsFileTest, Read_DoubleByteNamesMatchOnlyCharacterForCharacter) {
    // 窟 is 8C 41 and 径 8C 61: a byte-wise case fold would take one for the other.
    Given("[窟]\r\n窟=a\r\n[設定]\r\n径=b\r\n");
    EXPECT_EQ(Read("窟", "窟"), "a");
    EXPECT_EQ(Read("径", "窟"), "<default>");
    EXPECT_EQ(Read("窟", "径"), "<default>");
    EXPECT_EQ(Read("設定", "径"), "b");
    EXPECT_EQ(Read("設定", "窟"), "<default>");
}

TEST_F(SettingsFileTest, Read_BlanksAroundNamesAndValuesAreDropped) {
    Given("  [ Mouse ]  \r\n \t ShowPos \t=  2 \t \r\n");
    EXPECT_EQ(Read("Mouse", "ShowPos"), "2");
}

TEST_F(SettingsFileTest, Read_ValueWhollyInsideQuotesLosesOnePair) {
    Given("[Q]\n"
          "d=\"K+Bandeo :\"\n"
          "s='single'\n"
          "mixed=\"abc'\n"
          "inner=\"K+Bandeo :\" yyyy\n"
          "twice=\"\"x\"\"\n"
          "blanks=\"  padded \"\n"
          "empty=\"\"\n"
          "one=\"\n");
    EXPECT_EQ(Read("Q", "d"), "K+Bandeo :");
    EXPECT_EQ(Read("Q", "s"), "single");
    EXPECT_EQ(Read("Q", "mixed"), "\"abc'");
    EXPECT_EQ(Read("Q", "inner"), "\"K+Bandeo :\" yyyy");
    EXPECT_EQ(Read("Q", "twice"), "\"x\"");
    EXPECT_EQ(Read("Q", "blanks"), "  padded ");
    EXPECT_EQ(Read("Q", "empty"), "");
    EXPECT_EQ(Read("Q", "one"), "\"");
}

TEST_F(SettingsFileTest, Read_PresentEmptyValueIsEmptyNotTheDefault) {
    Given("[Visible]\r\nStyleFile=\r\nBlank=   \r\n");
    EXPECT_EQ(Read("Visible", "StyleFile"), "");
    EXPECT_EQ(Read("Visible", "Blank"), "");
    EXPECT_EQ(TSettingsFile(path).ReadInteger("Visible", "StyleFile", 5), 5);
}

TEST_F(SettingsFileTest, Read_ValueIsCutAt2047BytesNeverInsideACharacter) {
    const std::string a2046(2046, 'a');
    Given("[L]\r\nfits=" + std::string(2047, 'b') + "\r\nlong=" + std::string(3000, 'c') +
          "\r\nsplit=" + a2046 + "表表\r\n");
    EXPECT_EQ(Read("L", "fits"), std::string(2047, 'b'));
    EXPECT_EQ(Read("L", "long"), std::string(2047, 'c'));
    EXPECT_EQ(Read("L", "split"), a2046);
}

TEST_F(SettingsFileTest, Read_FirstSectionAndFirstKeyWin) {
    Given("[A]\r\nk=first\r\nK=second\r\n[B]\r\nk=other\r\n[a]\r\nk=third\r\nonly=later\r\n");
    EXPECT_EQ(Read("A", "k"), "first");
    EXPECT_EQ(Read("B", "k"), "other");
    EXPECT_EQ(Read("A", "only"), "<default>");
}

TEST_F(SettingsFileTest, Read_LinesEndAtCrLfLfOrCr) {
    Given("[S]\r\na=1\nb=2\rc=3\r\rd=4");
    EXPECT_EQ(Read("S", "a"), "1");
    EXPECT_EQ(Read("S", "b"), "2");
    EXPECT_EQ(Read("S", "c"), "3");
    EXPECT_EQ(Read("S", "d"), "4");
}

TEST_F(SettingsFileTest, Read_CommentsLinesBeforeAnySectionAndLinesWithoutEqualsHoldNoKey) {
    Given("k=top\r\n[S]\r\n;k=comment\r\n  ;j=comment\r\nj\r\nk=real\r\n");
    EXPECT_EQ(Read("S", "k"), "real");
    EXPECT_EQ(Read("S", "j"), "<default>");
    EXPECT_EQ(Read("", "k"), "<default>");
}

TEST_F(SettingsFileTest, Read_SectionNameEndsAtFirstSingleByteBracket) {
    // 評 is 95 5D: its trail byte is a ']' that does not close the name.
    Given("[評] text after\r\nk=1\r\n[x]y]\r\nk=2\r\n[open\r\nm=3\r\n");
    EXPECT_EQ(Read("評", "k"), "1");
    EXPECT_EQ(Read("x", "k"), "2");
    // "[open" is no header, so the key after it still belongs to [x].
    EXPECT_EQ(Read("x", "m"), "3");
    EXPECT_EQ(Read("open", "m"), "<default>");
}

TEST_F(SettingsFileTest, Read_JapaneseValuesComeBackAsStoredBytes) {
    Given("[表示]\r\nソフト=C:\\表\\ポ.exe\r\n名前=  十能  \r\n");
    EXPECT_EQ(Read("表示", "ソフト"), "C:\\表\\ポ.exe");
    EXPECT_EQ(Read("表示", "名前"), "十能");
}

TEST_F(SettingsFileTest, ReadInteger_TakesEveryIntegerTextForm) {
    Given("[I]\ndec=48\nneg=-5\nplus=+5\ndollar=$30\nhex=0x30\nHEX=0X30\nsigned=-$10\n"
          "pattern=$FFFFFFFF\nquoted=\"48\"\nspaced=  48  \n");
    TSettingsFile ini(path);
    for (const char* key : {"dec", "dollar", "hex", "HEX", "quoted", "spaced"})
        EXPECT_EQ(ini.ReadInteger("I", key, 0), 48) << key;
    EXPECT_EQ(ini.ReadInteger("I", "neg", 0), -5);
    EXPECT_EQ(ini.ReadInteger("I", "plus", 0), 5);
    EXPECT_EQ(ini.ReadInteger("I", "signed", 0), -16);
    EXPECT_EQ(ini.ReadInteger("I", "pattern", 0), -1);
}

TEST_F(SettingsFileTest, ReadInteger_AnythingElseGivesTheDefault) {
    Given("[I]\nword=yes\nunit=48px\nempty=\nbig=2147483648\nlong=$123456789\nfloat=1.5\n");
    TSettingsFile ini(path);
    for (const char* key : {"word", "unit", "empty", "big", "long", "float", "missing"})
        EXPECT_EQ(ini.ReadInteger("I", key, 77), 77) << key;
}

TEST_F(SettingsFileTest, ReadBool_IsAnIntegerOtherThanZero) {
    Given("[B]\ntwo=2\nminus=-1\nzero=0\nhexzero=$0\nword=yes\n");
    TSettingsFile ini(path);
    EXPECT_TRUE(ini.ReadBool("B", "two", false));
    EXPECT_TRUE(ini.ReadBool("B", "minus", false));
    EXPECT_FALSE(ini.ReadBool("B", "zero", true));
    EXPECT_FALSE(ini.ReadBool("B", "hexzero", true));
    EXPECT_FALSE(ini.ReadBool("B", "word", false));
    EXPECT_TRUE(ini.ReadBool("B", "word", true));
}

// --- writing

TEST_F(SettingsFileTest, Write_ReplacesFirstOccurrenceInPlaceKeepingEveryOtherByte) {
    const std::string before = "; settings\n[Visible]\r\n  btnsize = 40 \rBtnSize=99\n"
                               "x=1\r\n[Visible]\r\nBtnSize=7";
    Given(before);
    TSettingsFile(path).WriteInteger("Visible", "BtnSize", 48);
    EXPECT_EQ(OnDisk(), "; settings\n[Visible]\r\nbtnsize=48\rBtnSize=99\n"
                        "x=1\r\n[Visible]\r\nBtnSize=7");
}

TEST_F(SettingsFileTest, Write_NewKeyGoesAfterTheLastKeyOfItsSection) {
    Given("[A]\r\na=1\r\n; about B\r\n\r\n[B]\r\nb=2\r\n");
    TSettingsFile(path).WriteString("A", "new", "v");
    EXPECT_EQ(OnDisk(), "[A]\r\na=1\r\nnew=v\r\n; about B\r\n\r\n[B]\r\nb=2\r\n");
}

TEST_F(SettingsFileTest, Write_SectionWithoutKeysGetsTheKeyRightAfterItsHeader) {
    Given("[A]\n\n[B]\nb=2\n");
    TSettingsFile(path).WriteString("a", "k", "v");
    EXPECT_EQ(OnDisk(), "[A]\nk=v\r\n\n[B]\nb=2\n");
}

TEST_F(SettingsFileTest, Write_LastLineWithoutTerminatorGetsCrLfBeforeTheNewLine) {
    Given("[A]\na=1");
    TSettingsFile(path).WriteString("A", "b", "2");
    EXPECT_EQ(OnDisk(), "[A]\na=1\r\nb=2\r\n");
}

TEST_F(SettingsFileTest, Write_MissingSectionIsAppendedWithoutABlankLine) {
    Given("[A]\na=1");
    TSettingsFile ini(path);
    ini.WriteString("Bounds", "Left", "10");
    ini.WriteString("Bounds", "Top", "20");
    EXPECT_EQ(OnDisk(), "[A]\na=1\r\n[Bounds]\r\nLeft=10\r\nTop=20\r\n");
}

TEST_F(SettingsFileTest, Write_MissingFileIsCreated) {
    TSettingsFile(path).WriteBool("Visible", "IconStretch", true);
    EXPECT_EQ(OnDisk(), "[Visible]\r\nIconStretch=1\r\n");
}

TEST_F(SettingsFileTest, Write_IntegersAreDecimalAndBooleansOneOrZero) {
    TSettingsFile ini(path);
    ini.WriteInteger("S", "neg", -2147483647 - 1);
    ini.WriteBool("S", "on", true);
    ini.WriteBool("S", "off", false);
    EXPECT_EQ(OnDisk(), "[S]\r\nneg=-2147483648\r\non=1\r\noff=0\r\n");
}

TEST_F(SettingsFileTest, Write_EveryValueReadsBackUnchanged) {
    const std::vector<std::string> values = {"",
                                             " lead",
                                             "trail\t",
                                             "\"quoted\"",
                                             "'single'",
                                             "\"open",
                                             "a\"b\"",
                                             "\"",
                                             "  ",
                                             "表\\ポ",
                                             "\"K+Bandeo :\" yyyy/mm/dd - hh:nn"};
    TSettingsFile ini(path);
    for (size_t i = 0; i < values.size(); ++i)
        ini.WriteString("V", "k" + std::to_string(i), values[i]);
    for (size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(ini.ReadString("V", "k" + std::to_string(i), "?"), values[i]) << i;
        EXPECT_EQ(Read("V", "k" + std::to_string(i)), values[i]) << i;
    }
}

TEST_F(SettingsFileTest, Write_LineBreaksAndNulInAValueBecomeBlanks) {
    TSettingsFile ini(path);
    ini.WriteString("V", "k", std::string("a\r\nb\0c", 6));
    EXPECT_EQ(OnDisk(), "[V]\r\nk=a  b c\r\n");
    EXPECT_EQ(Read("V", "k"), "a  b c");
}

TEST_F(SettingsFileTest, Write_UnchangedBytesDoNotRewriteTheFile) {
    Given("[Visible]\r\nBtnSize=48\r\n");
    Age();
    const auto stamp = Stamp();
    TSettingsFile(path).WriteInteger("Visible", "BtnSize", 48);
    EXPECT_EQ(Stamp(), stamp);
    TSettingsFile(path).WriteInteger("Visible", "BtnSize", 49);
    EXPECT_NE(Stamp(), stamp);
}

TEST_F(SettingsFileTest, Write_FailureRaisesWithTheFileNameAndChangesNothing) {
    const std::string missingFolder = dir.File("no such folder");
    const std::string file = missingFolder + path.substr(dir.Path().size());
    TSettingsFile ini(file);
    try {
        ini.WriteString("S", "k", "v");
        FAIL() << "no error";
    } catch (const EIniWriteError& e) {
        EXPECT_NE(e.Message().find(file), std::string::npos) << e.Message();
    }
    EXPECT_EQ(ini.ReadString("S", "k", "old"), "old");
    EXPECT_FALSE(kbtest::Exists(missingFolder));
}

TEST_F(SettingsFileTest, Write_ReadOnlyFileRaisesAndKeepsFileAndObject) {
    Given("[S]\r\nk=old\r\n");
    kbtest::SetReadOnly(path, true);
    TSettingsFile ini(path);
    EXPECT_THROW(ini.WriteString("S", "k", "new"), EIniWriteError);
    EXPECT_THROW(ini.DeleteKey("S", "k"), EIniWriteError);
    EXPECT_EQ(ini.ReadString("S", "k", ""), "old");
    EXPECT_EQ(OnDisk(), "[S]\r\nk=old\r\n");
    kbtest::SetReadOnly(path, false);
    ini.WriteString("S", "k", "new"); // writable again: the same object writes
    EXPECT_EQ(OnDisk(), "[S]\r\nk=new\r\n");
}

TEST_F(SettingsFileTest, Update_HoldsTheChangesUntilUpdateFileWritesThemInOneGo) {
    Given("[S]\r\nk=old\r\n");
    TSettingsFile ini(path);
    ini.BeginUpdate();
    ini.WriteString("S", "k", "new");
    ini.WriteInteger("T", "t", 1);
    EXPECT_EQ(ini.ReadString("S", "k", ""), "new");
    EXPECT_EQ(OnDisk(), "[S]\r\nk=old\r\n");
    ArmWriteFault(TWriteFault::DiskFull, 1);
    EXPECT_THROW(ini.UpdateFile(), EIniWriteError);
    EXPECT_EQ(OnDisk(), "[S]\r\nk=old\r\n");
    ini.UpdateFile(); // the held changes, tried again
    EXPECT_EQ(OnDisk(), "[S]\r\nk=new\r\n[T]\r\nt=1\r\n");
    ini.DeleteKey("T", "t"); // written through again
    EXPECT_EQ(OnDisk(), "[S]\r\nk=new\r\n[T]\r\n");
}

TEST_F(SettingsFileTest, Write_LeavesNoTemporaryFileBehind) {
    Given("[A]\r\na=1\r\n");
    TSettingsFile ini(path);
    ini.WriteString("A", "a", "2");
    ini.WriteString("B", "b", "3");
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 1u);
}

// --- deleting

TEST_F(SettingsFileTest, DeleteKey_RemovesOnlyTheFirstOccurrence) {
    Given("[PopupHint]\r\nLoc=1\r\nlocate=2\r\nLocate=3\r\n[X]\r\nLocate=4");
    TSettingsFile(path).DeleteKey("PopupHint", "Locate");
    EXPECT_EQ(OnDisk(), "[PopupHint]\r\nLoc=1\r\nLocate=3\r\n[X]\r\nLocate=4");
}

TEST_F(SettingsFileTest, DeleteKey_OnlyKeyOfItsSectionLeavesTheHeader) {
    Given("[PopupHint]\r\nLocate=2\r\n[Next]\r\n");
    TSettingsFile(path).DeleteKey("PopupHint", "Locate");
    EXPECT_EQ(OnDisk(), "[PopupHint]\r\n[Next]\r\n");
}

TEST_F(SettingsFileTest, DeleteKey_MissingKeyOrSectionDoesNotRewrite) {
    Given("[PopupHint]\r\nLoc=1\r\n;Locate=2\r\n");
    Age();
    const auto stamp = Stamp();
    TSettingsFile ini(path);
    ini.DeleteKey("PopupHint", "Locate");
    ini.DeleteKey("Other", "Locate");
    EXPECT_EQ(Stamp(), stamp);
}

TEST_F(SettingsFileTest, DeleteKey_MissingFileIsNotCreated) {
    TSettingsFile(path).DeleteKey("PopupHint", "Locate");
    EXPECT_FALSE(kbtest::Exists(path));
}
