#include "forms/base/SettingsFile.h"

#include "forms/base/Exceptions.h"
#include "forms/base/Files.h"
#include "forms/base/IntText.h"
#include "forms/base/StrUtils.h"

namespace forms {

namespace {

constexpr const char* kNewLine = "\r\n";

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

// The name of a section header line, or nothing when the line is none.
std::optional<std::string> SectionName(std::string_view line) {
    const std::string text = TrimLeft(line);
    if (text.empty() || text[0] != '[')
        return std::nullopt;
    const size_t close = FindChar(text, ']', 1);
    if (close == npos)
        return std::nullopt;
    return Trim(std::string_view(text).substr(1, close - 1));
}

struct KeyLine {
    std::string key;
    std::string value; // trimmed, quotes still on
};

// The key and raw value of a key line (a header is checked first by the callers).
std::optional<KeyLine> ParseKeyLine(std::string_view line) {
    const std::string text = TrimLeft(line);
    if (text.empty() || text[0] == ';')
        return std::nullopt;
    const size_t eq = FindChar(text, '=');
    if (eq == npos)
        return std::nullopt;
    const std::string_view view(text);
    return KeyLine{Trim(view.substr(0, eq)), Trim(view.substr(eq + 1))};
}

std::string Unquote(std::string value) {
    if (value.size() >= 2 && IsQuote(value.front()) && value.front() == value.back())
        return value.substr(1, value.size() - 2);
    return value;
}

// The text to store so that reading gives value back.
std::string EncodeValue(std::string_view value) {
    std::string out(value);
    for (char& c : out)
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    const bool needsQuotes =
        !out.empty() && (IsBlank(out.front()) || IsBlank(out.back()) ||
                         (out.size() >= 2 && IsQuote(out.front()) && out.front() == out.back()));
    return needsQuotes ? '"' + out + '"' : out;
}

} // namespace

TSettingsFile::TSettingsFile(std::string fileName) : fileName_(std::move(fileName)) {
    if (FileExists(fileName_)) {
        try {
            bytes_ = ReadFileBytes(fileName_);
        } catch (const Exception& e) {
            readFailure_ = e.Message();
        }
    }
    for (const TTextLine& line : SplitLines(bytes_))
        lines_.push_back({std::string(line.Text), std::string(line.Eol)});
}

std::optional<size_t> TSettingsFile::FindSection(std::string_view section) const {
    const std::string wanted = Trim(section);
    for (size_t i = 0; i < lines_.size(); ++i)
        if (auto name = SectionName(lines_[i].text); name && SameText(*name, wanted))
            return i;
    return std::nullopt;
}

size_t TSettingsFile::SectionEnd(size_t header) const {
    size_t i = header + 1;
    while (i < lines_.size() && !SectionName(lines_[i].text))
        ++i;
    return i;
}

std::optional<size_t> TSettingsFile::FindKey(std::string_view section, std::string_view key) const {
    const auto header = FindSection(section);
    if (!header)
        return std::nullopt;
    const std::string wanted = Trim(key);
    const size_t end = SectionEnd(*header);
    for (size_t i = *header + 1; i < end; ++i)
        if (auto line = ParseKeyLine(lines_[i].text); line && SameText(line->key, wanted))
            return i;
    return std::nullopt;
}

std::string TSettingsFile::ReadString(std::string_view section, std::string_view key,
                                      std::string_view fallback) const {
    const auto at = FindKey(section, key);
    if (!at)
        return std::string(fallback);
    return CutAtBytes(Unquote(ParseKeyLine(lines_[*at].text)->value), MaxValueBytes);
}

int32_t TSettingsFile::ReadInteger(std::string_view section, std::string_view key,
                                   int32_t fallback) const {
    return StrToIntDef(ReadString(section, key, ""), fallback);
}

bool TSettingsFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void TSettingsFile::WriteString(std::string_view section, std::string_view key,
                                std::string_view value) {
    const std::string encoded = EncodeValue(value);
    Lines lines = lines_;
    // A last line without a terminator gets one before anything follows it.
    const auto terminate = [&lines](size_t i) {
        if (lines[i].eol.empty())
            lines[i].eol = kNewLine;
    };
    if (const auto at = FindKey(section, key)) {
        lines[*at].text = ParseKeyLine(lines[*at].text)->key + "=" + encoded;
    } else if (const auto header = FindSection(section)) {
        size_t last = *header;
        const size_t end = SectionEnd(*header);
        for (size_t i = *header + 1; i < end; ++i)
            if (ParseKeyLine(lines[i].text))
                last = i;
        terminate(last);
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(last) + 1,
                     {std::string(key) + "=" + encoded, kNewLine});
    } else {
        if (!lines.empty())
            terminate(lines.size() - 1);
        lines.push_back({"[" + std::string(section) + "]", kNewLine});
        lines.push_back({std::string(key) + "=" + encoded, kNewLine});
    }
    Commit(std::move(lines));
}

void TSettingsFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
    WriteString(section, key, IntToStr(value));
}

void TSettingsFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void TSettingsFile::DeleteKey(std::string_view section, std::string_view key) {
    const auto at = FindKey(section, key);
    if (!at)
        return;
    Lines lines = lines_;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*at));
    Commit(std::move(lines));
}

void TSettingsFile::BeginUpdate() {
    holding_ = true;
}

void TSettingsFile::UpdateFile() {
    holding_ = false;
    try {
        Commit(lines_);
    } catch (...) {
        holding_ = true;
        throw;
    }
}

void TSettingsFile::Commit(Lines lines) {
    if (holding_) {
        lines_ = std::move(lines);
        return;
    }
    std::string bytes;
    for (const Line& line : lines)
        bytes += line.text + line.eol;
    if (bytes == bytes_)
        return;
    if (!readFailure_.empty())
        throw EIniWriteError(fileName_, readFailure_);
    try {
        WriteFileReplacing(fileName_, bytes);
    } catch (const Exception& e) {
        throw EIniWriteError(fileName_, e.Message());
    }
    lines_ = std::move(lines);
    bytes_ = std::move(bytes);
}

} // namespace forms
