#pragma once
// An INI settings file read and written byte by byte in code page 932. The system's profile
// functions convert through the ANSI code page and rewrite the whole file on their own terms; this
// class needs neither and keeps every line it does not change byte-identical.
//
// Reading: lines end at CR LF, LF or CR. "[name]" opens a section (the name ends at the first
// single-byte ']'); lines before the first section, ";" lines and lines without "=" hold no key.
// Section and key names match with ASCII letters in any case, character by character; blanks
// around keys and values are dropped; a value wholly inside "..." or '...' loses that pair; at most
// 2,047 bytes of a value are read, never cutting a character. The first section of a name and the
// first key of a name in it win. A present but empty value is "", a missing key gives the default.
//
// Writing is write-through: each change rewrites the file (a temporary file beside it, then
// replace) when its bytes differ, and only then. A failed write raises EIniWriteError and leaves
// both the file and this object as they were. Between BeginUpdate and UpdateFile the changes are
// held and written in one go, so that a save of many keys never leaves a file half-written.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

class TSettingsFile {
public:
    static constexpr size_t MaxValueBytes = 2047;

    // Loads the file once; a missing file reads as empty. An existing file that cannot be read
    // reads as empty too, and every write to it raises EIniWriteError, so that what could not be
    // read is never replaced. No handle stays open.
    explicit TSettingsFile(std::string fileName);

    [[nodiscard]] const std::string& FileName() const { return fileName_; }

    [[nodiscard]] std::string ReadString(std::string_view section, std::string_view key,
                                         std::string_view fallback) const;
    // An integer text (decimal, "$" or "0x" hex, signed), else the fallback.
    [[nodiscard]] int32_t ReadInteger(std::string_view section, std::string_view key,
                                      int32_t fallback) const;
    // An integer text other than 0 is true; anything else gives the fallback.
    [[nodiscard]] bool ReadBool(std::string_view section, std::string_view key,
                                bool fallback) const;

    // Replaces the first occurrence of the key in place; else adds "key=value" after the last key
    // of the section (after its header when it has none); else adds the section at the end of the
    // file. New lines end in CR LF. The value is stored so that it reads back unchanged: CR, LF and
    // NUL become blanks, and one pair of double quotes is added when it starts or ends with a
    // blank or is itself wholly quoted. Section and key names are the caller's (no "]", "=" or
    // line breaks in them).
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int32_t value); // decimal
    void WriteBool(std::string_view section, std::string_view key, bool value);       // 1 or 0
    // Removes the first occurrence of the key; a missing key, section or file changes nothing.
    void DeleteKey(std::string_view section, std::string_view key);

    // Holds the following changes in this object (reads see them) until UpdateFile.
    void BeginUpdate();
    // Writes the held changes when they differ from the file, and ends holding. A failed write
    // raises EIniWriteError and leaves the file as it was; the changes stay held for another try.
    void UpdateFile();

private:
    struct Line {
        std::string text; // without its terminator
        std::string eol;  // "\r\n", "\n", "\r", or "" for a last line without one
    };
    using Lines = std::vector<Line>;

    [[nodiscard]] std::optional<size_t> FindSection(std::string_view section) const;
    [[nodiscard]] size_t SectionEnd(size_t header) const;
    [[nodiscard]] std::optional<size_t> FindKey(std::string_view section,
                                                std::string_view key) const;
    // While an update is open, adopts lines; otherwise writes them to the file when they differ
    // from what it holds, then adopts them.
    void Commit(Lines lines);

    std::string fileName_;
    Lines lines_;
    std::string bytes_;       // the file's bytes as they are on disk
    std::string readFailure_; // why an existing file could not be read; writes then refuse
    bool holding_ = false;    // between BeginUpdate and UpdateFile
};

} // namespace forms
