#pragma once
// The style list of the style editor: one entry per usable style file of the program folder,
// ordered by title, and the description of the selected one. An entry is a record of the style's
// texts, so no character in a title or note (a "|", or ポ whose trail byte is 7C) can shift the
// path, the file name or the type.
#include "shared/FileUtils.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TStiData;

// One usable style file: [About] Title, its full path, [About] Author, Note and File (the name
// stored as [Visible] StyleFile, which may differ from the file's own name), [Style] Version and
// Type as decimal text.
struct TStyleEntry {
    std::string Title, Path, Author, Note, FileName, Version, Type;
};

// Reads a style file into data; true when it is a style file.
using TStyleLoader = std::function<bool(const std::string& path, TStiData& data)>;

// The entry of a style read from path.
[[nodiscard]] TStyleEntry MakeStyleEntry(const TStiData& style, const std::string& path);
// The type as a number; 0 when the text is no integer.
[[nodiscard]] int StyleTypeOf(const TStyleEntry& entry);
// Only a style of type 0 lets the part colours replace its colours.
[[nodiscard]] bool StyleColorsChangeable(const TStyleEntry& entry);
// "TYPE-0 色変更可", "TYPE-1 ", "TYPE-2 [非矩形]"; any other type "TYPE-" and its number.
[[nodiscard]] std::string StyleTypeName(int type);
// The four lines that describe a style: its file name, author, note and type.
[[nodiscard]] std::vector<std::string> StyleDescription(const TStyleEntry& entry);

// The list's order: by title, then by path, ASCII letters in either case alike and every other
// byte by its value.
[[nodiscard]] bool StyleEntryBefore(const TStyleEntry& a, const TStyleEntry& b);

// The entries of the style files among paths, in the list's order. A path that load rejects is
// left out; so is one whose reading raises an error of the class library (a file that cannot be
// opened, a truncated item, a colour that is no colour, a temporary file that cannot be made).
[[nodiscard]] std::vector<TStyleEntry> ScanStyleEntries(const std::vector<std::string>& paths,
                                                        const TStyleLoader& load);

// The full paths of the *.STI files of a folder (not its subfolders).
[[nodiscard]] std::vector<std::string> StyleFilePaths(std::string_view folder,
                                                      const TFileSystem& fs = LocalFileSystem());

// The folder of the running program in its long form, with a trailing backslash.
[[nodiscard]] std::string ConfigProgramFolder();

// The entry to select for the stored [Visible] StyleFile: the first whose file name equals it
// (ASCII letters in either case alike), else the first entry; -1 for no entries.
[[nodiscard]] int StoredStyleIndex(const std::vector<TStyleEntry>& entries,
                                   std::string_view styleFile);

// [Visible] StyleFile to write: the selected style's file name; the stored one when nothing was
// ever listed (so OK without styles keeps the setting).
[[nodiscard]] std::string StyleFileToWrite(const TStyleEntry* selected,
                                           const std::string& storedStyleFile);
