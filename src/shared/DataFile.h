#pragma once
// The launch data's file (qvtdock.lst): the text form, a sectioned, comma-separated text in code
// page 932 that is read and written, and its record lines. An older binary form of filer values is
// still read. (The model's own load and save, TLaunchList::LoadFromFile and SaveToFile, and the
// records' stream routines of the older form belong to their classes in LaunchData.h.)
#include "shared/LaunchData.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// What a data file's status names: a new model carries them, and a file of the older form is read
// only when it names this product and this version or a later one, "unknown" excepted (the text
// form keeps that version for the mark of a file that is not text).
constexpr char kDataFileProduct[] = "K+Bandeo";
constexpr char kDataFileVersion[] = "3.00";

// The text form.
void SaveListAsText(const TLaunchList& list, std::string_view fileName);
// True when the file held an acceptable status line and all three sections; the model is then
// replaced. False leaves it as it was, and so does a raised error.
bool LoadListFromText(TLaunchList& list, std::string_view fileName);

// Record lines. Texts are quoted with inner quotes doubled; CR, LF, byte 1A and NUL inside a text
// are written as blanks, so a record is always one line.
std::string ItemToLine(const TLaunchDataItem& item);
// An empty slot unless the line has 11 fields; EConversionError when Kind is not an integer.
std::unique_ptr<TLaunchDataItem> ItemFromLine(std::string_view line);
std::string StatusToLine(const TDataStatus& status);
std::unique_ptr<TDataStatus> StatusFromLine(std::string_view line);
std::string PageToLine(const TPageItem& page);
std::unique_ptr<TPageItem> PageFromLine(std::string_view line);
// The integer between the line's first and second comma, else 0.
int32_t UseCountOfLine(std::string_view line);
// The third field of the line: an item line's title.
std::string TitleOfLine(std::string_view line);
