// The main form's close, reload, icons and odd data files, in this process.
#include "qvtdock/MainFormTesting.h"

#include "forms/base/Files.h"
#include "forms/base/Paths.h"
#include "shared/LaunchItems.h"
#include "shared/LaunchListTesting.h"
#include "support/SaveFaults.h"

#include <gmock/gmock.h>

using namespace qvttest;
using ::testing::ElementsAre;

namespace {
// Every key of the ini, some spelled otherwise than they are written back.
const std::string kIni =
    Lines({"; the launcher's settings", "[Bounds]", "Left=$0A", "Top = 20", "[Visible]",
           "BtnSize=0x20", "FormSize=5", "RowMax=2", "IconStretch=-1", "VisTab=1",
           "StyleFile=format.sti", "", "[Key]", "Show=Ctrl+Alt+L"});
// The same after the geometry keys were written.
const std::string kIniAfterClose =
    Lines({"; the launcher's settings", "[Bounds]", "Left=10", "Top=20", "[Visible]", "BtnSize=32",
           "FormSize=5", "RowMax=2", "IconStretch=1", "VisTab=1", "StyleFile=format.sti", "",
           "[Key]", "Show=Ctrl+Alt+L"});

void Close(TfmMain& form) {
    SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
}
} // namespace

// ---- Close
// ---------------------------------------------------------------------------------------

TEST_F(MainFormTest, Close_WritesExactlyTheSixGeometryKeys) {
    Prepare({2});
    kbtest::WriteBytes(IniFile(), kIni);
    Start();
    Close(*form);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(kbtest::ReadBytes(IniFile()), kIniAfterClose);
}

TEST_F(MainFormTest, Close_WithoutSettingsFile_WritesOnlyTheGeometryKeys) {
    Prepare({2});
    Start();
    Close(*form);
    EXPECT_EQ(kbtest::ReadBytes(IniFile()),
              Lines({"[Bounds]", "Left=0", "Top=0", "[Visible]", "BtnSize=40", "FormSize=10",
                     "RowMax=1", "IconStretch=1"}));
}

TEST_F(MainFormTest, Close_SavesTheDataFileAlsoWhenHidden) {
    Prepare({2, 1});
    Start();
    form->LaunchList().Items(1, 0)->Title = "changed";
    ASSERT_FALSE(form->Visible());
    Close(*form);
    EXPECT_THAT(TitlesOf(DataFile()), ElementsAre("1.1", "1.2", "changed"));
}

TEST_F(MainFormTest, Close_ShownForm_HidesItFirst) {
    Prepare({1});
    Start();
    form->Show();
    Close(*form);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
}

TEST_F(MainFormTest, Close_AFileThatCannotBeWritten_OneErrorTheOtherSavedAndTheNextCloseWrites) {
    kbtest::MakeDir(UserFolder());
    for (const bool settings : {true, false})
        for (const kbtest::SaveFault fault : kbtest::kSaveFaults) {
            SCOPED_TRACE(std::string(settings ? "settings, " : "data, ") + kbtest::Name(fault));
            WriteList(DataFile(), {2});
            kbtest::WriteBytes(IniFile(), kIni);
            const std::string file = settings ? IniFile() : DataFile();
            const std::string before = kbtest::ReadBytes(file);
            Start();
            form->LaunchList().Items(0, 1)->Title = "kept";
            errors.clear();
            kbtest::Inflict(fault, file, settings ? 1 : 2); // the geometry is written first
            Close(*form);
            kbtest::Clear(fault, file);
            ASSERT_EQ(errors.size(), 1u);
            EXPECT_NE(errors[0].find(file), std::string::npos) << errors[0];
            EXPECT_EQ(kbtest::ReadBytes(file), before);
            EXPECT_EQ(kbtest::ReadBytes(IniFile()) == kIniAfterClose, !settings);
            EXPECT_EQ(TitlesOf(DataFile()) == std::vector<std::string>({"1.1", "kept"}), settings);
            Close(*form);
            EXPECT_EQ(errors.size(), 1u);
            EXPECT_EQ(kbtest::ReadBytes(IniFile()), kIniAfterClose);
            EXPECT_THAT(TitlesOf(DataFile()), ElementsAre("1.1", "kept"));
        }
}

TEST_F(MainFormTest, CloseCommand_ClosesAndSaves) {
    Prepare({1});
    Start();
    form->LaunchList().Items(0, 0)->Title = "by menu";
    form->mnClose->Click();
    EXPECT_THAT(TitlesOf(DataFile()), ElementsAre("by menu"));
    EXPECT_TRUE(forms::FileExists(IniFile()));
}

TEST_F(MainFormTest, SaveCommand_SavesTheDataFileOnly) {
    Prepare({1});
    Start();
    form->LaunchList().Items(0, 0)->Title = "saved";
    form->mnSave->Click();
    EXPECT_THAT(TitlesOf(DataFile()), ElementsAre("saved"));
    EXPECT_FALSE(forms::FileExists(IniFile()));
}

// ---- Data files whose page counts disagree with their slots -------------------------------------

namespace {
std::string DataText(std::initializer_list<std::string_view> pages,
                     std::initializer_list<std::string> slots) {
    std::string text = Lines({";*STR", "\"K+Bandeo\",\"3.00\",\"n\",0,0,1", "**", ";*PAGE"});
    for (auto page : pages)
        text += Lines({page});
    text += Lines({"**", ";*FILE"});
    for (const auto& slot : slots)
        text += Lines({SlotLine(slot)});
    return text + Lines({"**"});
}
} // namespace

TEST_F(MainFormTest, PagesWithTooFewSlots_StartAndKeepEverySlot) {
    kbtest::MakeDir(UserFolder());
    kbtest::WriteBytes(DataFile(), DataText({"\"A\",3,0", "\"B\",2,0"}, {"a", "b", "c", "d"}));
    Start();
    EXPECT_FALSE(EndedEarly());
    EXPECT_EQ(form->LaunchList().Count(), 5);
    EXPECT_EQ(form->IconList().Count(), 5);
    Close(*form);
    EXPECT_THAT(TitlesOf(DataFile()), ElementsAre("a", "b", "c", "d", "未登録"));
}

TEST_F(MainFormTest, PagesWithTooManySlots_StartAndKeepEverySlot) {
    kbtest::MakeDir(UserFolder());
    kbtest::WriteBytes(DataFile(),
                       DataText({"\"A\",2,0", "\"B\",1,0"}, {"a", "b", "c", "d", "e", "f"}));
    Start();
    EXPECT_EQ(form->LaunchList().Count(), 6);
    EXPECT_EQ(form->IconList().Count(), 6);
    Close(*form);
    EXPECT_THAT(TitlesOf(DataFile()), ElementsAre("a", "b", "c", "d", "e", "f"));
}

TEST_F(MainFormTest, NoPages_StartWithOnePageHoldingEverySlot) {
    kbtest::MakeDir(UserFolder());
    kbtest::WriteBytes(DataFile(), DataText({}, {"a", "b", "c"}));
    Start();
    ASSERT_EQ(form->LaunchList().Pages().Count(), 1);
    EXPECT_EQ(form->PageTab->Tabs().Count(), 1);
    EXPECT_EQ(form->IconList().Count(), 3);
    Close(*form);
    EXPECT_THAT(TitlesOf(DataFile()), ElementsAre("a", "b", "c"));
}

TEST_F(MainFormTest, NoPagesNoSlots_StartWithOneEmptySlot) {
    kbtest::MakeDir(UserFolder());
    kbtest::WriteBytes(DataFile(), DataText({}, {}));
    Start();
    EXPECT_FALSE(EndedEarly());
    EXPECT_EQ(form->LaunchList().Count(), 1);
    EXPECT_EQ(form->IconList().Count(), 1);
}

TEST_F(MainFormTest, OlderFormFile_IsSavedInTheTextFormAtClose) {
    using namespace kbtest;
    const std::string pages =
        FInt8(2) + FStr("one") + FInt8(1) + FInt8(0) + FStr("two") + FInt8(2) + FInt8(0);
    const std::string slots =
        FInt8(3) + OlderSlot(1, "a", 3, 9) + OlderSlot(6, "b", 1, 0) + OlderSlot(2, "c", 2, 1);
    kbtest::MakeDir(UserFolder());
    kbtest::WriteBytes(DataFile(), OlderFile(OlderStatus("K+Bandeo", "3.00"), pages, slots));
    Start();
    ASSERT_FALSE(EndedEarly());
    EXPECT_EQ(form->LaunchList().Pages().Items(1)->Caption, "two");
    Close(*form);
    EXPECT_EQ(kbtest::ReadBytes(DataFile()).substr(0, 12), "; ステータス");
    EXPECT_THAT(TitlesOf(DataFile()), ElementsAre("a", "b", "c"));
}

// ---- Icons
// ---------------------------------------------------------------------------------------

TEST_F(MainFormTest, Icons_EmptySlotsShowTheProgramsNullIcon) {
    Prepare({2});
    Start();
    ASSERT_EQ(form->IconList().Count(), 2);
    EXPECT_EQ(IconMiddle(form->Icons().SlotIcon(0, 0)->Handle()), kNullIconColour);
}

TEST_F(MainFormTest, Icons_WithoutNullIcon_EmptySlotsShowTheMainIcon) {
    Prepare({2});
    ShellWithout shell;
    shell.nullIcon = false;
    env->shell = &shell;
    Start();
    ASSERT_EQ(form->IconList().Count(), 2);
    EXPECT_EQ(IconMiddle(form->Icons().SlotIcon(0, 1)->Handle()), kMainIconColour);
}

TEST_F(MainFormTest, Icons_SpecialFolderTheSystemLacks_DefaultIconAndStartUpGoesOn) {
    kbtest::MakeDir(UserFolder());
    TLaunchList list;
    ClearPages(list);
    list.AddPage("A", 2, 0);
    list.Items(0, 0)->Kind = ikSpecialFolder;
    list.Items(0, 0)->Title = "panel";
    list.Items(0, 0)->Path = "rfControlPanel";
    list.SetFileName(DataFile());
    list.SaveToFile();
    ShellWithout shell;
    shell.specialFolders = false;
    env->shell = &shell;
    Start();
    EXPECT_FALSE(EndedEarly());
    EXPECT_TRUE(errors.empty());
    ASSERT_EQ(form->IconList().Count(), 2);
    EXPECT_FALSE(form->Icons().SlotIcon(0, 0)->Empty());
    EXPECT_EQ(IconMiddle(form->Icons().SlotIcon(0, 1)->Handle()), kNullIconColour);
}

// ---- Reload
// --------------------------------------------------------------------------------------

TEST_F(MainFormTest, Reload_ANewFileReplacesDataIconsAndTabs) {
    Prepare({2});
    Start();
    WriteList(DataFile(), {1, 3});
    form->ReloadLaunchData();
    EXPECT_TRUE(env->told.empty());
    EXPECT_EQ(form->LaunchList().Count(), 4);
    EXPECT_EQ(form->IconList().Count(), 4);
    ASSERT_EQ(form->PageTab->Tabs().Count(), 2);
    EXPECT_EQ(form->PageTab->Tabs().Strings(1), "P2");
}

TEST_F(MainFormTest, Reload_UnreadableFileKeepsEverythingAndSaysSo) {
    Prepare({2, 1});
    Start();
    form->LaunchList().Items(0, 0)->Title = "edited";
    kbtest::WriteBytes(DataFile(), "garbage");
    form->ReloadLaunchData();
    EXPECT_THAT(env->told, ElementsAre(kReloadFailedMessage));
    EXPECT_EQ(form->LaunchList().Count(), 3);
    EXPECT_EQ(form->LaunchList().Items(0, 0)->Title, "edited");
    EXPECT_EQ(form->IconList().Count(), 3);
    EXPECT_EQ(form->PageTab->Tabs().Count(), 2);
    // The close then writes what the launcher held, not an empty list.
    Close(*form);
    EXPECT_THAT(TitlesOf(DataFile()), ElementsAre("edited", "1.2", "2.1"));
}

TEST_F(MainFormTest, Reload_MissingFileKeepsEverything) {
    Prepare({2});
    Start();
    forms::RemoveFile(DataFile());
    form->ReloadLaunchData();
    EXPECT_EQ(env->told.size(), 1u);
    EXPECT_EQ(form->LaunchList().Count(), 2);
}
