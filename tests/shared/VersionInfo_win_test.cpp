// Version strings of program files whose version resource the test writes itself (into a copy of
// the test program), and the version of the running system.
#include "shared/VersionInfo.h"

#include "forms/base/Codepage.h"
#include "shared/FileUtils.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

using kbtest::TempDir;

namespace {
// One node of a version resource: length, value length, type, key, value, children, each part
// aligned to 4 bytes.
struct Node {
    std::wstring key;
    std::string value; // bytes
    bool text = false; // the value is UTF-16 text (its length then counts characters)
    std::vector<Node> children;
};

void Align(std::string& out) {
    while (out.size() % 4)
        out.push_back('\0');
}

void PutWord(std::string& out, size_t at, size_t v) {
    out[at] = static_cast<char>(v & 0xFF);
    out[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

std::string Encode(const Node& n) {
    std::string out(6, '\0');
    PutWord(out, 2, n.text ? n.value.size() / 2 : n.value.size());
    PutWord(out, 4, n.text ? 1 : 0);
    out.append(reinterpret_cast<const char*>(n.key.c_str()), (n.key.size() + 1) * 2);
    Align(out);
    out += n.value;
    for (const Node& c : n.children) {
        Align(out);
        out += Encode(c);
    }
    PutWord(out, 0, out.size());
    return out;
}

std::string Utf16(const std::string& cp932Text) {
    const std::wstring w = cp932::Wide(cp932Text) + L'\0';
    return std::string(reinterpret_cast<const char*>(w.c_str()), w.size() * 2);
}

Node String(const wchar_t* name, const std::string& value) {
    return {name, Utf16(value), true, {}};
}

std::string Fixed() {
    VS_FIXEDFILEINFO f{};
    f.dwSignature = VS_FFI_SIGNATURE;
    f.dwStrucVersion = VS_FFI_STRUCVERSION;
    f.dwFileType = VFT_APP;
    return std::string(reinterpret_cast<const char*>(&f), sizeof(f));
}

// A version resource with one string table under tableKey and the given translation value.
std::string Resource(const std::wstring& tableKey, std::vector<Node> strings,
                     const std::string& translation) {
    Node root{L"VS_VERSION_INFO", Fixed(), false, {}};
    root.children.push_back({L"StringFileInfo", "", true, {{tableKey, "", true, strings}}});
    root.children.push_back({L"VarFileInfo", "", true, {{L"Translation", translation, false, {}}}});
    return Encode(root);
}

const std::string kJapanese("\x11\x04\xa4\x03", 4); // 0411 03a4

// A copy of this test program in dir under name, with the resource as its version resource.
std::string ProgramWithVersion(const TempDir& dir, const std::string& name,
                               const std::string& resource) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::string path = dir.File(name);
    const std::wstring wide = cp932::Wide(path);
    EXPECT_TRUE(CopyFileW(self, wide.c_str(), FALSE));
    HANDLE update = BeginUpdateResourceW(wide.c_str(), FALSE);
    EXPECT_NE(update, nullptr);
    std::string data = resource;
    EXPECT_TRUE(UpdateResourceW(update, RT_VERSION, MAKEINTRESOURCEW(VS_VERSION_INFO),
                                MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), data.data(),
                                static_cast<DWORD>(data.size())));
    EXPECT_TRUE(EndUpdateResourceW(update, FALSE));
    return path;
}

TVersionStrings Untouched() {
    return {"", "", "keep 2", "keep 3", "keep 4"};
}
} // namespace

TEST(VersionStringsWin, ReadsTheThreeStringsOfTheFirstTranslation) {
    TempDir dir;
    const std::string file = ProgramWithVersion(
        dir, "表示.exe",
        Resource(L"041103a4",
                 {String(L"ProductName", "K+Bandeo"), String(L"ProductVersion", "2.00"),
                  String(L"LegalCopyright", "著作権 ソ十表")},
                 kJapanese));
    TVersionStrings info = Untouched();
    GetFileVersionStrings(file, info);
    EXPECT_EQ(info[0], GetLongPathNameStr(file));
    EXPECT_EQ(info[1], GetLongPathNameStr(dir.Path()) + "\\");
    EXPECT_EQ(info[2], "K+Bandeo");
    EXPECT_EQ(info[3], "2.00");
    EXPECT_EQ(info[4], "著作権 ソ十表");
}

TEST(VersionStringsWin, MissingStringLeavesItsSlot) {
    TempDir dir;
    const std::string file = ProgramWithVersion(
        dir, "a.exe", Resource(L"041103a4", {String(L"ProductVersion", "2.00")}, kJapanese));
    TVersionStrings info = Untouched();
    GetFileVersionStrings(file, info);
    EXPECT_EQ(info[2], "keep 2");
    EXPECT_EQ(info[3], "2.00");
    EXPECT_EQ(info[4], "keep 4");
}

TEST(VersionStringsWin, TableOfAnotherTranslationIsNotRead) {
    TempDir dir;
    const std::string file = ProgramWithVersion(
        dir, "a.exe", Resource(L"040904b0", {String(L"ProductName", "other")}, kJapanese));
    TVersionStrings info = Untouched();
    GetFileVersionStrings(file, info);
    EXPECT_EQ(info[2], "keep 2");
}

TEST(VersionStringsWin, TranslationShorterThanOneEntryReadsNoString) {
    TempDir dir;
    const std::string file = ProgramWithVersion(
        dir, "a.exe",
        Resource(L"041103a4", {String(L"ProductName", "K+Bandeo")}, kJapanese.substr(0, 2)));
    TVersionStrings info = Untouched();
    GetFileVersionStrings(file, info);
    EXPECT_EQ(info[0], GetLongPathNameStr(file));
    EXPECT_EQ(info[2], "keep 2");
    EXPECT_EQ(info[3], "keep 3");
    EXPECT_EQ(info[4], "keep 4");
}

TEST(VersionStringsWin, FileWithoutAVersionResourceStillGivesItsPathAndFolder) {
    TempDir dir;
    const std::string file = dir.File("ソ十 notes.txt");
    kbtest::WriteBytes(file, "no resource here");
    TVersionStrings info = Untouched();
    GetFileVersionStrings(file, info);
    EXPECT_EQ(info[0], GetLongPathNameStr(file));
    EXPECT_EQ(info[1], GetLongPathNameStr(dir.Path()) + "\\");
    EXPECT_EQ(info[2], "keep 2");
    EXPECT_EQ(info[4], "keep 4");
}

TEST(VersionStringsWin, MissingFileGivesItsNameAsWritten) {
    TempDir dir;
    const std::string file = dir.File("none.exe");
    TVersionStrings info = Untouched();
    GetFileVersionStrings(file, info);
    EXPECT_EQ(info[0], GetLongPathNameStr(file));
    EXPECT_EQ(info[2], "keep 2");
}

TEST(VersionWin, NTMajorVersionOfTheRunningSystem) {
    EXPECT_GE(GetNTMajorVersion(), 5);
}
