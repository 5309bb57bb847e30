// The configuration program's command line. Any line splits and parses; no argument it hands on
// holds the NUL of a lost character; an editor given a corner opens inside the work area. And a
// line the launcher writes (ChildCommandLine) for any position and any folders of whole characters
// reads back as written. An input is the line; its first eight bytes are also the position and
// the rest, cut at its first NUL, the two folders.
#include "FuzzTarget.h"

#include "forms/base/Codepage.h"
#include "qvtcfg/CfgCommandLine.h"
#include "qvtcfg/Placement.h"
#include "qvtdock/ChildPrograms.h"

#include <cstring>

namespace {

const std::vector<std::string> kOwnPaths = {"C:\\Program Files\\K+Bandeo\\qvtcfg.exe",
                                            "C:\\PROGRA~1\\K+BAND~1\\qvtcfg.exe"};

void CheckAnyLine(const std::string& line) {
    const TProgramArguments arguments(line, kOwnPaths);
    for (int i = 0; i <= arguments.ParamCount(); ++i)
        FUZZ_CHECK(arguments.ParamStr(i).find('\0') == std::string::npos);
    (void)ModeOf(arguments.ParamStr(1));
    const TCfgCommandLine parsed = ParseCommandLine(arguments);
    FUZZ_CHECK(parsed.NoPos == (parsed.X == -1 || parsed.Y == -1));
    const forms::TRect workArea{0, 0, 1024, 738};
    const forms::TPoint p =
        EditorPosition(SaturatedAdd(parsed.X, kEditorOffset), SaturatedAdd(parsed.Y, kEditorOffset),
                       parsed.NoPos, 500, 400, {1024, 768}, workArea);
    if (!parsed.NoPos)
        FUZZ_CHECK(p.X >= 0 && p.Y >= 0 && p.X + 500 <= 1024 && p.Y + 400 <= 738);
}

// Whole characters of the code page, without the bytes a Windows path cannot hold.
std::string PathText(std::string_view bytes) {
    std::string text;
    for (const char c : cp932::FromUtf16(cp932::ToUtf16(bytes)))
        if (static_cast<unsigned char>(c) >= 0x20 && c != '"')
            text += c;
    return text;
}

void CheckLauncherLine(std::string_view input) {
    TChildLineInputs in;
    in.Visible = true;
    std::memcpy(&in.Left, input.data(), 4);
    std::memcpy(&in.Top, input.data() + 4, 4);
    input.remove_prefix(8);
    const size_t nul = input.find('\0');
    in.ProgramFolder = PathText(input.substr(0, nul)) + "\\";
    in.SettingsBase = PathText(nul == input.npos ? "" : input.substr(nul + 1)) + "\\qvtdock";
    const std::string line = ChildCommandLine(TChildProgram::SettingsEditor, in);
    const TProgramArguments arguments(line, {in.ProgramFolder + "qvtcfg.exe"});
    FUZZ_CHECK(ModeOf(arguments.ParamStr(1)) == TCfgMode::Cfg);
    const TCfgCommandLine parsed = ParseCommandLine(arguments);
    FUZZ_CHECK(parsed.X == in.Left && parsed.Y == in.Top);
    FUZZ_CHECK(parsed.SettingsPath == in.SettingsBase + ".ini");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes = fuzz::Bytes(data, size);
    CheckAnyLine(bytes);
    if (size >= 8)
        CheckLauncherLine(bytes);
    return 0;
}
