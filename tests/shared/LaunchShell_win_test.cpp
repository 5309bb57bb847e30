// The launch routines on the real shell: links written and read back, internet shortcuts,
// special folders, icons, and programs started through every route. The program started is our
// kb_marker, which reports its arguments and working folder in a file.
#include "shared/LaunchItems.h"

#include "forms/base/Codepage.h"
#include "forms/base/Exceptions.h"
#include "forms/base/Files.h"
#include "forms/base/Paths.h"
#include "forms/base/StrUtils.h"
#include "forms/gfx/Icon.h"
#include "shared/FileUtils.h"
#include "support/Marker.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <chrono>
#include <optional>
#include <stdexcept>
#include <thread>
#include <vector>

using kbtest::CopyMarker;
using kbtest::Marker;
using kbtest::MarkerProgram;
using kbtest::TempDir;
using testing::Contains;

namespace {
std::string ShellDisplayName(const std::string& path) {
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(cp932::Wide(path).c_str(), 0, &info, sizeof info,
                        SHGFI_DISPLAYNAME | SHGFI_ATTRIBUTES))
        return {};
    return cp932::Narrow(info.szDisplayName);
}

std::optional<std::string> SpecialFolderName(int csidl) {
    PIDLIST_ABSOLUTE pidl = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &pidl)) || !pidl)
        return std::nullopt;
    SHFILEINFOW info{};
    const bool ok = SHGetFileInfoW(reinterpret_cast<LPCWSTR>(pidl), 0, &info, sizeof info,
                                   SHGFI_PIDL | SHGFI_DISPLAYNAME) != 0;
    CoTaskMemFree(pidl);
    return ok ? std::optional<std::string>(cp932::Narrow(info.szDisplayName)) : std::nullopt;
}

// A key under HKEY_CLASSES_ROOT with its default value, removed with everything below it again.
class ClassesKey {
public:
    ClassesKey(const std::string& root, const std::string& sub, const std::string& value)
        : root_(cp932::Wide(root)) {
        HKEY h = nullptr;
        const std::wstring path = root_ + (sub.empty() ? L"" : L"\\" + cp932::Wide(sub));
        EXPECT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_WRITE,
                                  nullptr, &h, nullptr),
                  ERROR_SUCCESS);
        const std::wstring w = cp932::Wide(value);
        RegSetValueExW(h, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(w.c_str()),
                       static_cast<DWORD>((w.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(h);
    }
    ~ClassesKey() { RegDeleteTreeW(HKEY_CLASSES_ROOT, root_.c_str()); }

private:
    std::wstring root_;
};

// The colour bits of an icon's image, for telling icons apart.
std::vector<uint32_t> IconBits(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info))
        return {};
    BITMAP bm{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = bm.bmWidth;
    bi.bmiHeader.biHeight = -bm.bmHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    std::vector<uint32_t> bits(static_cast<size_t>(bm.bmWidth) * bm.bmHeight);
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, info.hbmColor ? info.hbmColor : info.hbmMask, 0, bm.bmHeight, bits.data(), &bi,
              DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
    return bits;
}

std::unique_ptr<forms::TIcon> Icon(TShellIconPtr shellIcon) {
    auto icon = std::make_unique<forms::TIcon>();
    TakeIcon(std::move(shellIcon), *icon);
    return icon;
}

TLaunchDataItem ProgramSlot(const std::string& path) {
    TLaunchDataItem item;
    EXPECT_TRUE(ItemFromPath(path, item));
    EXPECT_EQ(item.Kind, ikProgram);
    return item;
}
} // namespace

// ---- Classifying real paths ----

TEST(LaunchShellWin, AFolderIsKindThreeTitledByTheShell) {
    TempDir dir;
    const std::string folder = dir.File("表示 フォルダ");
    kbtest::MakeDir(folder);
    TLaunchDataItem item;
    EXPECT_TRUE(ItemFromPath(folder, item));
    EXPECT_EQ(item.Kind, ikFolder);
    EXPECT_EQ(item.Title, ShellDisplayName(folder));
    EXPECT_EQ(item.Path, folder);
}

TEST(LaunchShellWin, TheRootOfTheFixedDiskIsKindThree) {
    EXPECT_EQ(GetDriveKind('C'), -1);
    TLaunchDataItem item;
    EXPECT_TRUE(ItemFromPath("C:\\", item));
    EXPECT_EQ(item.Kind, ikFolder);
    EXPECT_EQ(item.Title, ShellDisplayName("C:\\"));
}

TEST(LaunchShellWin, ADriveThatDoesNotExistHasNoKind) {
    EXPECT_EQ(GetDriveKind('Q'), -1);
    EXPECT_EQ(GetDriveKind('\x83'), -1);
}

TEST(LaunchShellWin, AProgramIsKindOneWithItsFolder) {
    TempDir dir;
    const std::string program = CopyMarker(dir.File("表示"));
    const TLaunchDataItem item = ProgramSlot(program);
    EXPECT_EQ(item.Title, ShellDisplayName(program));
    EXPECT_EQ(item.WorkDir, dir.File("表示\\"));
}

TEST(LaunchShellWin, AFileOfNoKindIsUnregistered) {
    TempDir dir;
    const std::string file = dir.File("data.kbnoassoc");
    kbtest::WriteBytes(file, "x");
    EXPECT_FALSE(HasAssociatedExe(file));
    EXPECT_EQ(GetAssociatedExe(file), "");
    TLaunchDataItem item;
    EXPECT_FALSE(ItemFromPath(file, item));
    EXPECT_EQ(item.Kind, ikUnregistered);
}

// ---- Associations and URL schemes ----

class LaunchShellAssociationWin : public testing::Test {
protected:
    LaunchShellAssociationWin()
        : program_(CopyMarker(dir_.File("prog"))), extension_(".kbtestdoc", "", "KBTest.Document"),
          command_("KBTest.Document", "shell\\open\\command", "\"" + program_ + "\" \"%1\"") {}

    TempDir dir_;
    std::string program_;
    ClassesKey extension_, command_;
};

TEST_F(LaunchShellAssociationWin, ADocumentIsKindTwoAndRunsWithItsProgram) {
    const std::string doc = dir_.File("表示.kbtestdoc");
    kbtest::WriteBytes(doc, "x");
    EXPECT_TRUE(HasAssociatedExe(doc));
    EXPECT_TRUE(forms::SameText(GetAssociatedExe(doc), program_)) << GetAssociatedExe(doc);
    TLaunchDataItem item;
    ASSERT_TRUE(ItemFromPath(doc, item));
    EXPECT_EQ(item.Kind, ikDocument);
    EXPECT_EQ(item.WorkDir, dir_.Path() + "\\");
    item.Params = "-p";

    Marker marker(dir_);
    EXPECT_GT(RunItemByAssociation(item), 32);
    const auto report = marker.Wait();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->args, doc + " -p");
    EXPECT_TRUE(forms::SameText(forms::ExcludeTrailingBackslash(report->folder), dir_.Path()))
        << report->folder;

    EXPECT_GT(RunItem(item, "", 0), 32); // the shell's own route through the association
    const auto again = marker.Wait();
    ASSERT_TRUE(again);
    EXPECT_NE(again->args.find("表示.kbtestdoc"), std::string::npos) << again->args;
}

class LaunchShellUrlWin : public testing::Test {
protected:
    LaunchShellUrlWin()
        : program_(CopyMarker(dir_.File("prog"))), scheme_("kbtesturl", "", "URL:kbtesturl"),
          command_("kbtesturl", "shell\\open\\command", "\"" + program_ + "\" -u \"%1\"") {}

    TempDir dir_;
    std::string program_;
    ClassesKey scheme_, command_;
};

TEST_F(LaunchShellUrlWin, TheOpenCommandOfTheSchemeIsRead) {
    EXPECT_EQ(GetShellOpenCommand(" kbtesturl:http://x/"), "\"" + program_ + "\" -u \"%1\"");
    EXPECT_EQ(GetShellOpenCommand("kbnoscheme:x"), "");
    EXPECT_EQ(GetShellOpenCommand(""), "");
}

TEST_F(LaunchShellUrlWin, AUrlOpensWithTheRegisteredProgram) {
    Marker marker(dir_);
    EXPECT_GT(OpenUrl("kbtesturl:http://example.com/?a=1", "unused"), 32);
    const auto report = marker.Wait();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->args, "-u \"kbtesturl:http://example.com/?a=1\"");
    EXPECT_EQ(report->argv, (std::vector<std::string>{"-u", "kbtesturl:http://example.com/?a=1"}));
}

TEST_F(LaunchShellUrlWin, AUrlSlotRunsThroughTheUrlOpener) {
    TLaunchDataItem item;
    item.Kind = ikUrl;
    item.Path = "kbtesturl:www.example.com";
    Marker marker(dir_);
    EXPECT_GT(RunItem(item, "", 0), 32);
    const auto report = marker.Wait();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->args, "-u \"kbtesturl:www.example.com\"");
}

// ---- Running ----

TEST(LaunchShellWin, AProgramRunsWithItsParametersAndFolder) {
    TempDir dir;
    TLaunchDataItem item = ProgramSlot(CopyMarker(dir.File("表示")));
    item.Params = "-p 1";
    item.WorkDir = dir.Path();
    Marker marker(dir);
    EXPECT_GT(RunItem(item, "extra", 0), 32);
    const auto report = marker.Wait();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->args, "-p 1 extra");
    EXPECT_TRUE(forms::SameText(forms::ExcludeTrailingBackslash(report->folder), dir.Path()))
        << report->folder;
}

TEST(LaunchShellWin, AVanishedProgramRunsNothing) {
    TempDir dir;
    const std::string program = CopyMarker(dir.File("表示"));
    const TLaunchDataItem item = ProgramSlot(program);
    ASSERT_TRUE(forms::RemoveFile(program));
    Marker marker(dir);
    EXPECT_EQ(RunItem(item, "", 0), kNothingRun);
    EXPECT_EQ(ShowItemProperties(item), kNothingRun);
    EXPECT_FALSE(marker.Ran());
}

TEST(LaunchShellWin, AnItemOpensThroughItsIdentifierList) {
    TempDir dir;
    const std::string program = CopyMarker(dir.File("表示"));
    const TShellPidlPtr pidl = PidlFromPath(program);
    ASSERT_TRUE(pidl);
    Marker marker(dir);
    EXPECT_GT(OpenPidl(*pidl, "unused", 0), 32);
    auto report = marker.Wait();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->args, "");

    // The request that virtual items get, made on a program's list.
    EXPECT_EQ(LocalShell().Invoke(*pidl, {"", "-i 2", dir.Path(), 1}), 1);
    report = marker.Wait();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->args, "-i 2");
}

// ---- Shell links ----

TEST(LaunchShellWin, ALinkIsWrittenAndReadBack) {
    TempDir dir;
    const std::string program = CopyMarker(dir.File("表示"));
    TLaunchDataItem item = ProgramSlot(program);
    item.Title = "表示 リンク";
    item.Params = "-p 1";
    item.WorkDir = dir.Path() + "\\";
    item.ShowCmd = 3;
    item.IconFile = "C:\\windows\\system32\\shell32.dll";
    item.IconIndex = 4;
    item.Comment = "説明のテキスト";
    EXPECT_TRUE(CreateItemShortcut(item, rfDesktop, dir.Path()));
    const std::string link = dir.File("表示 リンク.lnk");
    ASSERT_TRUE(forms::FileExists(link));

    TLaunchDataItem read;
    ASSERT_TRUE(ItemFromPath(link, read));
    EXPECT_EQ(read.Kind, ikShortcut);
    EXPECT_EQ(read.Title, ShellDisplayName(link));
    EXPECT_EQ(read.Path, link);
    EXPECT_TRUE(forms::SameText(read.LinkFile, program)) << read.LinkFile;
    EXPECT_EQ(read.Params, "-p 1");
    EXPECT_TRUE(forms::SameText(read.WorkDir, dir.Path())) << read.WorkDir;
    EXPECT_TRUE(forms::SameText(read.IconFile, item.IconFile)) << read.IconFile;
    EXPECT_EQ(read.IconIndex, 4);
    EXPECT_EQ(read.Comment, "説明のテキスト");
    // Wine reads every show command back as 1.
    EXPECT_TRUE(read.ShowCmd == 3 || read.ShowCmd == 1) << read.ShowCmd;

    Marker marker(dir);
    EXPECT_GT(RunItem(read, "x", 0), 32);
    const auto report = marker.Wait();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->args, "-p 1 x");
}

TEST(LaunchShellWin, AnInstallerLinkRunsTheLinkFileItself) {
    TempDir dir;
    kbtest::MakeDir(dir.File("Installer"));
    TLaunchDataItem item = ProgramSlot(CopyMarker(dir.File("Installer\\{0123-ABCD}")));
    item.Title = "product";
    ASSERT_TRUE(CreateItemShortcut(item, rfDesktop, dir.Path()));
    TLaunchDataItem link;
    ASSERT_TRUE(ItemFromPath(dir.File("product.lnk"), link));
    ASSERT_TRUE(IsInstallerShortcut(link));
    // The shell is handed the link file, which it follows to the program.
    Marker marker(dir);
    EXPECT_GT(RunItem(link, "", 0), 32);
    EXPECT_TRUE(marker.Wait());
}

TEST(LaunchShellWin, ALinkWhoseTargetVanishedRunsNothing) {
    TempDir dir;
    const std::string program = CopyMarker(dir.File("prog"));
    TLaunchDataItem item = ProgramSlot(program);
    item.Title = "gone";
    ASSERT_TRUE(CreateItemShortcut(item, rfDesktop, dir.Path()));
    ASSERT_TRUE(forms::RemoveFile(program));
    TLaunchDataItem link;
    if (ItemFromPath(dir.File("gone.lnk"), link)) { // Wine still resolves it
        Marker marker(dir);
        EXPECT_EQ(RunItem(link, "", 0), kNothingRun);
        EXPECT_FALSE(marker.Ran());
    }
}

TEST(LaunchShellWin, ALinkReplacesOneOfTheSameName) {
    TempDir dir;
    const std::string program = CopyMarker(dir.File("prog"));
    TLaunchDataItem item = ProgramSlot(program);
    item.Title = "Editor";
    item.Params = "first";
    EXPECT_TRUE(CreateItemShortcut(item, rfDesktop, dir.Path() + "\\"));
    item.Params = "second";
    EXPECT_TRUE(CreateItemShortcut(item, rfDesktop, dir.Path()));
    TLaunchDataItem read;
    read.Kind = ikShortcut;
    ASSERT_TRUE(ResolveShortcut(dir.File("Editor.lnk"), read));
    EXPECT_EQ(read.Params, "second");
}

TEST(LaunchShellWin, ALinkTitleCannotLeaveItsFolder) {
    TempDir dir;
    kbtest::MakeDir(dir.File("links"));
    TLaunchDataItem item = ProgramSlot(CopyMarker(dir.File("prog")));
    item.Title = "..\\ソ|ポ:x";
    EXPECT_TRUE(CreateItemShortcut(item, rfDesktop, dir.File("links")));
    EXPECT_THAT(kbtest::ListNames(dir.File("links")), testing::ElementsAre(".._ソ_ポ_x.lnk"));
    EXPECT_THAT(kbtest::ListNames(dir.Path()), testing::ElementsAre("links", "prog"));
}

TEST(LaunchShellWin, ALinkGoesIntoASpecialFolderWhenNoFolderIsGiven) {
    TempDir dir;
    const std::string desktop = RootFolderPath(rfDesktopDirectory);
    ASSERT_FALSE(desktop.empty());
    TLaunchDataItem item = ProgramSlot(CopyMarker(dir.File("prog")));
    item.Title = "kbtest-" + std::to_string(GetCurrentProcessId());
    const std::string link = desktop + item.Title + ".lnk";
    EXPECT_TRUE(CreateItemShortcut(item, rfDesktopDirectory, ""));
    EXPECT_TRUE(forms::FileExists(link));
    forms::RemoveFile(link);
}

TEST(LaunchShellWin, ALinkToAVirtualFolderHasNoPlace) {
    TLaunchDataItem item;
    item.Title = "x";
    item.Path = "C:\\x.exe";
    EXPECT_FALSE(CreateItemShortcut(item, rfControlPanel, ""));
}

TEST(LaunchShellWin, ALinkIntoAFolderThatDoesNotExistRaisesTheOleError) {
    TempDir dir;
    TLaunchDataItem item = ProgramSlot(CopyMarker(dir.File("prog")));
    item.Title = "x";
    EXPECT_THROW(CreateItemShortcut(item, rfDesktop, dir.File("none\\deeper")), forms::EComError);
}

TEST(LaunchShellWin, ALinkWhoseTargetCodePage932CannotNameIsRefused) {
    TempDir dir;
    // U+00E9 has no code-page-932 form.
    const std::wstring target = cp932::Wide(dir.Path()) + L"\\caf\u00e9.exe";
    ASSERT_TRUE(CopyFileW(cp932::Wide(MarkerProgram()).c_str(), target.c_str(), FALSE));
    TShellLink link;
    link.Path = dir.File("placeholder.exe");
    const std::string file = dir.File("cafe.lnk");
    {
        // Written through the W interface directly, as another program would.
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        IShellLinkW* shellLink = nullptr;
        ASSERT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&shellLink)),
                  S_OK);
        shellLink->SetPath(target.c_str());
        IPersistFile* persist = nullptr;
        shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist));
        EXPECT_EQ(persist->Save(cp932::Wide(file).c_str(), TRUE), S_OK);
        persist->Release();
        shellLink->Release();
        CoUninitialize();
    }
    TLaunchDataItem item;
    EXPECT_FALSE(ItemFromPath(file, item));
    EXPECT_EQ(item.LinkFile, "");
}

// ---- Internet shortcuts ----

TEST(LaunchShellWin, AnInternetShortcutIsRead) {
    TempDir dir;
    const std::string file = dir.File("サイト.url");
    kbtest::WriteBytes(file, "[InternetShortcut]\r\nURL=http://example.com/表\r\n"
                             "IconFile=C:\\icons\\site.ico\r\nIconIndex=2\r\n");
    TLaunchDataItem item;
    ASSERT_TRUE(ItemFromPath(file, item));
    EXPECT_EQ(item.Kind, ikUrl);
    EXPECT_EQ(item.Title, ShellDisplayName(file));
    EXPECT_EQ(item.Path, "http://example.com/表");
    EXPECT_EQ(item.LinkFile, file);
    EXPECT_EQ(item.IconFile, "C:\\icons\\site.ico");
    EXPECT_EQ(item.IconIndex, 2);
}

// ---- Special folders ----

TEST(LaunchShellWin, EverySpecialFolderResolvesOrRaisesAsTheSystemDoes) {
    for (const TRootFolderEntry& entry : kRootFolders) {
        const std::optional<std::string> name = SpecialFolderName(entry.Csidl);
        TLaunchDataItem item;
        if (!name) {
            EXPECT_THROW(ItemFromRootFolder(entry.Folder, item), forms::EComError) << entry.Name;
            continue;
        }
        ASSERT_NO_THROW(ItemFromRootFolder(entry.Folder, item)) << entry.Name;
        EXPECT_EQ(item.Kind, ikSpecialFolder);
        EXPECT_EQ(item.Title, name->empty() ? "UnTitled" : *name) << entry.Name;
        EXPECT_EQ(item.Path, entry.Name);
    }
}

TEST(LaunchShellWin, TheCommonSpecialFoldersExist) {
    for (const TRootFolder f : {rfDesktop, rfMyComputer, rfControlPanel, rfPersonal, rfAppData,
                                rfDesktopDirectory, rfFonts, rfPrograms, rfStartMenu}) {
        TLaunchDataItem item;
        EXPECT_NO_THROW(ItemFromRootFolder(f, item)) << RootFolderName(f);
    }
}

TEST(LaunchShellWin, FileSystemFoldersHaveAPathAndVirtualOnesNone) {
    const std::string personal = RootFolderPath(rfPersonal);
    EXPECT_TRUE(forms::HasTrailingBackslash(personal)) << personal;
    EXPECT_TRUE(forms::DirectoryExists(personal)) << personal;
    EXPECT_EQ(RootFolderPath(rfControlPanel), "");
    EXPECT_EQ(RootFolderPath(rfMyComputer), "");
}

TEST(LaunchShellWin, ANumberOfNoSpecialFolderRaisesTheOleError) {
    EXPECT_THROW((void)LocalShell().SpecialFolder(0x7E), forms::EComError);
}

// ---- Icons ----

TEST(LaunchShellWin, TheEmptySlotIconIsTheProgramsOwnCopy) {
    TLaunchDataItem empty;
    const auto a = Icon(ItemIcon(empty));
    const auto b = Icon(EmptySlotIcon());
    ASSERT_FALSE(a->Empty());
    ASSERT_FALSE(b->Empty());
    EXPECT_NE(a->Handle(), b->Handle());
    // The generated resource: one colour, 12 34 56.
    const std::vector<uint32_t> bits = IconBits(a->Handle());
    ASSERT_FALSE(bits.empty());
    EXPECT_EQ(bits[bits.size() / 2] & 0xFFFFFF, 0x123456u);

    const HICON shared = LoadIconW(GetModuleHandleW(nullptr), L"NULLICON");
    ASSERT_TRUE(shared);
    EXPECT_NE(a->Handle(), shared);
    a->SetHandle(nullptr); // destroys the copy
    EXPECT_EQ(IconBits(shared), bits);
}

TEST(LaunchShellWin, IconsOfItemsComeFromTheShell) {
    TempDir dir;
    const TLaunchDataItem program = ProgramSlot(CopyMarker(dir.File("prog")));
    EXPECT_FALSE(Icon(ItemIcon(program))->Empty());
    TLaunchDataItem computer;
    ItemFromRootFolder(rfMyComputer, computer);
    EXPECT_FALSE(Icon(ItemIcon(computer))->Empty());
    EXPECT_FALSE(Icon(ShellDefaultIcon(0))->Empty());
}

TEST(LaunchShellWin, AFileWithoutIconsGivesNoIconAndTheDefaultStandsIn) {
    TempDir dir;
    const std::string text = dir.File("plain.txt");
    kbtest::WriteBytes(text, "no icons here");
    EXPECT_EQ(LocalShell().FileIcon(text, 0), nullptr);
    EXPECT_EQ(LocalShell().FileIcon("SHELL32.DLL", -1), nullptr);
    const auto fallback = Icon(IconFromFile(text, 0));
    const auto standard = Icon(ShellDefaultIcon(0));
    ASSERT_FALSE(fallback->Empty());
    EXPECT_EQ(IconBits(fallback->Handle()), IconBits(standard->Handle()));
}

TEST(LaunchShellWin, AUrlSlotShowsItsIconFileOrTheDefaultIcon) {
    TLaunchDataItem url;
    url.Kind = ikUrl;
    url.Path = "http://example.com/";
    url.IconFile = "URL.DLL";
    const auto icon = Icon(ItemIcon(url));
    ASSERT_FALSE(icon->Empty());
    // Whatever URL.DLL holds here, the icon is its own or the default one.
    const HICON own = ExtractIconW(GetModuleHandleW(nullptr), L"URL.DLL", 0);
    if (reinterpret_cast<uintptr_t>(own) > 1) {
        EXPECT_EQ(IconBits(icon->Handle()), IconBits(own));
        DestroyIcon(own);
    } else {
        EXPECT_EQ(IconBits(icon->Handle()), IconBits(Icon(ShellDefaultIcon(0))->Handle()));
    }
}

TEST(LaunchShellWin, AShortcutShowsTheIconOfItsTarget) {
    TempDir dir;
    TLaunchDataItem item = ProgramSlot(CopyMarker(dir.File("prog")));
    item.Title = "l";
    ASSERT_TRUE(CreateItemShortcut(item, rfDesktop, dir.Path()));
    TLaunchDataItem link;
    ASSERT_TRUE(ItemFromPath(dir.File("l.lnk"), link));
    EXPECT_FALSE(Icon(ItemIcon(link))->Empty());
}

TEST(LaunchShellWin, TakingANullIconEmptiesTheTarget) {
    const auto icon = Icon(ShellDefaultIcon(0));
    ASSERT_FALSE(icon->Empty());
    TakeIcon(nullptr, *icon);
    EXPECT_TRUE(icon->Empty());
}
