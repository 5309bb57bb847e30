// The settings file. An input is the file, optionally followed by NUL, section, NUL, key, NUL,
// value: reading never fails; a written value reads back as written (line breaks and NULs as
// blanks), from the object and from the file afresh; a deleted key reads the same both ways.
#include "FuzzTarget.h"

#include "forms/base/SettingsFile.h"

#include <algorithm>

using namespace forms;

namespace {

// Section and key names as callers give them: no blanks, brackets, "=", ";" or quotes.
std::string Name(std::string_view text) {
    std::string name;
    for (const char c : text)
        if (c > ' ' && c < 0x7F && std::string_view("[]=;\"'").find(c) == std::string_view::npos)
            name += c;
    return name;
}

void CheckSameOnDisk(const TSettingsFile& ini, const std::string& section, const std::string& key) {
    FUZZ_CHECK(TSettingsFile(ini.FileName()).ReadString(section, key, "\x01") ==
               ini.ReadString(section, key, "\x01"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fuzz::ScratchFile scratch(".ini");
    const std::string_view whole(reinterpret_cast<const char*>(data), size);
    std::string_view file = whole, fields[3];
    for (int i = 2; i >= 0; --i) {
        const size_t nul = file.rfind('\0');
        if (nul == std::string_view::npos) {
            file = whole; // no probe: the whole input is the file
            fields[0] = fields[1] = fields[2] = {};
            break;
        }
        fields[i] = file.substr(nul + 1);
        file = file.substr(0, nul);
    }
    TSettingsFile ini(scratch.Write(file));
    const std::string section = Name(fields[0]).empty() ? "Settings" : Name(fields[0]);
    const std::string key = Name(fields[1]).empty() ? "Value" : Name(fields[1]);
    (void)ini.ReadInteger(section, key, 0);

    std::string value(fields[2].substr(0, TSettingsFile::MaxValueBytes));
    ini.WriteString(section, key, value);
    std::replace_if(
        value.begin(), value.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; },
        ' ');
    FUZZ_CHECK(ini.ReadString(section, key, "\x01") == value);
    CheckSameOnDisk(ini, section, key);

    ini.DeleteKey(section, key);
    CheckSameOnDisk(ini, section, key);
    return 0;
}
