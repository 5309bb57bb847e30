#pragma once
// The program's arguments as it reads them from its command line. Arguments are separated by runs
// of bytes from 01 to 20 (blanks, tabs, line breaks); a double quote opens a stretch, up to the
// next double quote or the end, in which those bytes belong to the argument; the quotes
// themselves are dropped and a backslash escapes nothing ("C:\dir\" is C:\dir\). Double-byte
// characters are stepped over whole. A NUL byte stands for a character that code page 932
// cannot hold (forms::CommandLine): it separates nothing, and an argument holding one is treated
// as missing, since its name would name something else.
//
// Argument 0 is the program's own path. The shell quotes a program path with blanks, but a
// caller may not ("C:\Program Files\KB\qvtcfg.exe /CFG ..."): when the command line begins with
// one of the program's own paths (letter case of ASCII letters ignored) followed by a separator
// or the end, that whole prefix is argument 0; otherwise the first argument the splitter finds is.
#include <string>
#include <string_view>
#include <vector>

// True for the bytes that separate arguments: 01 to 20.
[[nodiscard]] bool IsArgumentSeparator(char c);

// The arguments of text, split as above, NUL bytes kept.
[[nodiscard]] std::vector<std::string> SplitArguments(std::string_view text);

// The bytes of commandLine that are the program's own path (one of ownPaths, as the system gives
// it or in its long form) when it stands there unquoted and whole; 0 otherwise.
[[nodiscard]] size_t OwnPathPrefix(std::string_view commandLine,
                                   const std::vector<std::string>& ownPaths);

class TProgramArguments {
public:
    // ownPaths: the program's path as the system gives it, then other forms of it (the long
    // form); the first is argument 0.
    TProgramArguments(std::string_view commandLine, std::vector<std::string> ownPaths);

    // The arguments after the program's path.
    [[nodiscard]] int ParamCount() const { return static_cast<int>(arguments_.size()); }
    // Argument index: 0 the program's path, 1 .. ParamCount() the arguments; "" for any other
    // index and for an argument (the path too) that holds a character code page 932 cannot
    // hold.
    [[nodiscard]] std::string ParamStr(int index) const;

private:
    std::string program_;
    std::vector<std::string> arguments_;
};
