#pragma once
// What the main form's tests share: an environment whose program folder is a temporary folder,
// whose user is "taro" and whose messages and questions are recorded and answered by the test; a
// shell that lacks what a test takes away, and a notification area a test may give; data files
// written through the data model or by hand; and a fixture that makes the form and puts the
// application back afterwards.
#include "forms/base/Paths.h"
#include "forms/win/Application.h"
#include "qvtdock/DataFolder.h"
#include "qvtdock/MainForm.h"
#include "qvtdock/ProgramStart.h"
#include "shared/LaunchShell.h"
#include "support/TempDir.h"
#include "support/WinTest.h"

#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace qvttest {

class TestEnvironment : public TLauncherEnvironment {
public:
    std::string programPath;
    std::string userName = "taro";
    std::deque<bool> answers; // No when none is left
    std::vector<std::string> told;
    std::vector<std::pair<std::string, std::string>> asked; // caption, text
    TShell* shell = nullptr;
    TTrayShell* tray = nullptr; // the system's when none

    std::string ProgramPath() override { return programPath; }
    std::string UserName() override { return userName; }
    bool Ask(const std::string& caption, const std::string& text) override {
        asked.emplace_back(caption, text);
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty())
            answers.pop_front();
        return yes;
    }
    void Tell(const std::string& text) override { told.push_back(text); }
    TShell& Shell() override { return shell ? *shell : TLauncherEnvironment::Shell(); }
    TTrayShell& TrayShell() override { return tray ? *tray : TLauncherEnvironment::TrayShell(); }
};

// The system's shell without the program's "NULLICON", or without any special folder.
class ShellWithout : public TShell {
public:
    bool nullIcon = true;
    bool specialFolders = true;

    std::optional<std::string> DisplayName(std::string_view path) override {
        return base().DisplayName(path);
    }
    std::optional<std::string> DisplayNameOf(const TShellPidl& pidl) override {
        return base().DisplayNameOf(pidl);
    }
    int DriveKind(char letter) override { return base().DriveKind(letter); }
    std::string ShellOpenCommand(std::string_view url) override {
        return base().ShellOpenCommand(url);
    }
    std::optional<std::string> AssociatedExe(std::string_view file) override {
        return base().AssociatedExe(file);
    }
    bool IsDirectory(std::string_view path) override { return base().IsDirectory(path); }
    bool FileExists(std::string_view path) override { return base().FileExists(path); }
    std::optional<std::string> ReadFileText(std::string_view path) override {
        return base().ReadFileText(path);
    }
    TShellPidlPtr ParseDisplayName(std::string_view path) override {
        return base().ParseDisplayName(path);
    }
    TShellPidlPtr SpecialFolder(int csidl) override {
        if (!specialFolders)
            throw forms::EComError(static_cast<int32_t>(0x80070057u));
        return base().SpecialFolder(csidl);
    }
    std::optional<std::string> PathOf(const TShellPidl& pidl) override {
        return base().PathOf(pidl);
    }
    std::optional<TLoadedLink> LoadLink(std::string_view file) override {
        return base().LoadLink(file);
    }
    void SaveLink(const TShellLink& link, std::string_view file) override {
        base().SaveLink(link, file);
    }
    int32_t Execute(const TShellRun& run) override { return base().Execute(run); }
    int32_t Invoke(const TShellPidl& pidl, const TShellInvoke& request) override {
        return base().Invoke(pidl, request);
    }
    TShellIconPtr IconOf(const TShellPidl& pidl) override { return base().IconOf(pidl); }
    TShellIconPtr FileIcon(std::string_view file, int index) override {
        return base().FileIcon(file, index);
    }
    TShellIconPtr ProgramIcon(std::string_view name) override {
        if (!nullIcon && name == "NULLICON")
            return nullptr;
        return base().ProgramIcon(name);
    }

private:
    static TShell& base() { return LocalShell(); }
};

// Lines ended by CR LF.
inline std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (auto line : lines) {
        text.append(line);
        text.append("\r\n");
    }
    return text;
}

// An empty slot's line titled t.
inline std::string SlotLine(const std::string& title) {
    return "0,0,\"" + title + "\",\"\",\"\",\"\",\"\",\"\",0,1,\"\"";
}

// A data file of pages with these slot counts, captioned P1, P2 ...; slot s of page p is titled
// "p.s" (1-based).
inline void WriteList(const std::string& path, const std::vector<int>& counts) {
    TLaunchList list;
    ClearPages(list);
    for (size_t p = 0; p < counts.size(); ++p) {
        list.AddPage("P" + std::to_string(p + 1), counts[p], 0);
        for (int s = 0; s < counts[p]; ++s)
            list.Items(static_cast<int>(p), s)->Title =
                std::to_string(p + 1) + "." + std::to_string(s + 1);
    }
    list.SetFileName(path);
    list.SaveToFile();
}

// Every slot title of the file, in flat order; empty when it cannot be read.
inline std::vector<std::string> TitlesOf(const std::string& path) {
    TLaunchList list;
    list.SetFileName(path);
    list.LoadFromFile();
    std::vector<std::string> titles;
    if (!list.Loaded())
        return titles;
    for (int i = 0; i < list.Count(); ++i)
        titles.push_back(list.Items(i)->Title);
    return titles;
}

class MainFormTest : public WinTest {
protected:
    void SetUp() override {
        WinTest::SetUp();
        env->programPath = dir.File("qvtdock.exe");
        forms::Application.SetTitle(kApplicationTitle);
    }
    void TearDown() override {
        form.reset();
        // A start-up that ended early told the application to end: spend that here.
        if (forms::Application.Terminated())
            forms::Application.Run();
        forms::Application.SetTitle("");
        forms::Application.SetHelpFile("");
        forms::Application.SetShowMainForm(true);
        WinTest::TearDown();
    }

    // The program folder, its user's data folder and the files in it.
    std::string UserFolder() const { return dir.File(env->userName); }
    std::string DataFile() const { return UserFolder() + "\\" + kDataFileName; }
    std::string IniFile() const { return UserFolder() + "\\qvtdock.ini"; }
    std::string SeedFile() const { return dir.File(kDataFileName); }
    // The user's folder with a data file of these pages.
    void Prepare(const std::vector<int>& counts) {
        kbtest::MakeDir(UserFolder());
        WriteList(DataFile(), counts);
    }

    void Start() { form = forms::MakeScoped<TfmMain>(env); }
    // The launcher on pages of these sizes with these settings lines, hidden and ready.
    void StartWith(const std::vector<int>& counts, std::initializer_list<std::string_view> ini) {
        Prepare(counts);
        kbtest::WriteBytes(IniFile(), Lines(ini));
        Start();
        ASSERT_FALSE(EndedEarly());
        ASSERT_FALSE(form->Visible());
    }
    // Start-up ended: the application was told to terminate.
    static bool EndedEarly() { return forms::Application.Terminated(); }
    // The pop-up hint shown away from the window, with or without its icon, ready for a click.
    HWND ShowHint(bool icon = false) {
        THintSetter& hint = *form->HintSetter();
        hint.SetIsIcon(icon);
        hint.SetHintStr("ヒント");
        hint.ShowHintAt(600, 500, 120, 0);
        const HWND window = hint.HintWindow()->Handle();
        EXPECT_TRUE(kbtest::PumpUntil([&] { return IsWindowVisible(window) != FALSE; }));
        return window;
    }

    kbtest::TempDir dir;
    std::shared_ptr<TestEnvironment> env = std::make_shared<TestEnvironment>();
    forms::Scoped<TfmMain> form;
};

// The pixels of an icon's colour image, top row first.
inline std::vector<uint32_t> IconBits(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info))
        return {};
    BITMAP bm{};
    const HBITMAP image = info.hbmColor ? info.hbmColor : info.hbmMask;
    GetObjectW(image, sizeof bm, &bm);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = bm.bmWidth;
    bi.bmiHeader.biHeight = -bm.bmHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    std::vector<uint32_t> bits(static_cast<size_t>(bm.bmWidth) * bm.bmHeight);
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, image, 0, bm.bmHeight, bits.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
    return bits;
}

// The colour in the middle of the icon (0 for none).
inline uint32_t IconMiddle(HICON icon) {
    const std::vector<uint32_t> bits = IconBits(icon);
    return bits.empty() ? 0 : bits[bits.size() / 2 + 16] & 0xFFFFFF;
}

// The generated test icons of this program.
constexpr uint32_t kNullIconColour = 0x123456;
constexpr uint32_t kMainIconColour = 0x20A0F0;

} // namespace qvttest
