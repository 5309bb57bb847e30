#pragma once
// The launcher's child programs: the configuration program (settings editor, style editor) from
// the launcher's own folder and the data editor from the folder the settings name. Their command
// lines, the messages shown when one cannot be started, the help file's name, and the bracket
// that a command holds around a child: each step taken is undone on every way out.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

enum class TChildProgram { SettingsEditor = 0, StyleEditor = 1, DataEditor = 2 };

// What a command line is built from.
struct TChildLineInputs {
    std::string ProgramFolder;  // with a trailing backslash
    std::string SettingsBase;   // the data folder + "qvtdock" (no extension)
    std::string DataEditorFile; // the editor's full path (DataEditorFile, DataEditor.h)
    std::string DataFile;
    bool Visible = false; // the launcher window is visible at (Left, Top)
    int Left = 0, Top = 0;
};

// The position the configuration program reads: "100:200" in double quotes, or "-1:-1" for a
// hidden launcher.
[[nodiscard]] std::string ChildPosition(bool visible, int left, int top);

// The whole command line. The program's path is quoted too, so a folder with blanks never starts
// a program that its first word names:
//   "<folder>qvtcfg.exe" /CFG "100:200" "<data folder>qvtdock.ini"   (/STYLE for the style editor)
//   "<editor folder>zvledit.exe" /FAS "<data file>"
[[nodiscard]] std::string ChildCommandLine(TChildProgram kind, const TChildLineInputs& in);

// The message shown when the program cannot be started.
struct TChildStartError {
    std::string Title, Text;
};
[[nodiscard]] TChildStartError ChildStartError(TChildProgram kind);

// The help file: the program's path with the extension ".HLP", upper case.
[[nodiscard]] std::string HelpFileOf(std::string_view programPath);

// One step of a bracket: Enter takes it, Leave gives it back.
struct TBracketStep {
    std::function<void()> Enter, Leave;
};

// Enters the steps in order and runs body; then leaves, in reverse order, every step whose Enter
// was started, each even when the body, an Enter or another Leave raised. A failing Enter skips
// the later steps and the body. The first error is raised again once everything has run; later
// ones are dropped, so a caller reports one error once.
void RunBracketed(const std::vector<TBracketStep>& steps, const std::function<void()>& body);
