#include "forms/base/Strings.h"

#include "forms/base/Exceptions.h"
#include "forms/base/Files.h"
#include "forms/base/StrUtils.h"
#include "forms/base/Streams.h"

#include <algorithm>

namespace forms {

int TStrings::Add(std::string_view s) {
    const int index = Count();
    Insert(index, s);
    return index;
}

int TStrings::IndexOf(std::string_view s) const {
    for (int i = 0; i < Count(); ++i)
        if (SameText(Strings(i), s))
            return i;
    return -1;
}

void TStrings::Assign(const TStrings& source) {
    if (&source == this)
        return;
    const TStringsUpdate update(*this);
    Clear();
    for (int i = 0; i < source.Count(); ++i)
        Add(source.Strings(i));
}

std::string TStrings::Text() const {
    std::string out;
    for (int i = 0; i < Count(); ++i) {
        out += Strings(i);
        out += "\r\n";
    }
    return out;
}

void TStrings::SetText(std::string_view text) {
    const TStringsUpdate update(*this);
    Clear();
    for (const TTextLine& line : SplitLines(text))
        Add(line.Text);
}

std::string TStrings::Values(std::string_view name) const {
    for (int i = 0; i < Count(); ++i) {
        const std::string line = Strings(i);
        const size_t eq = FindChar(line, '=');
        if (eq != npos && SameText(std::string_view(line).substr(0, eq), name))
            return line.substr(eq + 1);
    }
    return {};
}

void TStrings::BeginUpdate() {
    if (updateCount_++ == 0)
        SetUpdateState(true);
}

void TStrings::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0)
        SetUpdateState(false);
}

void TStringList::Check(int index, int last) const {
    if (index < 0 || index > last)
        throw EListIndexError(index);
}

std::string TStringList::Strings(int index) const {
    Check(index, Count() - 1);
    return lines_[static_cast<size_t>(index)];
}

void TStringList::SetStrings(int index, std::string_view s) {
    Check(index, Count() - 1);
    lines_[static_cast<size_t>(index)] = std::string(s);
}

void TStringList::Insert(int index, std::string_view s) {
    Check(index, Count());
    lines_.insert(lines_.begin() + index, std::string(s));
}

void TStringList::Delete(int index) {
    Check(index, Count() - 1);
    lines_.erase(lines_.begin() + index);
}

void TStringList::Sort(const std::function<int(const std::string&, const std::string&)>& compare) {
    std::stable_sort(
        lines_.begin(), lines_.end(),
        [&compare](const std::string& a, const std::string& b) { return compare(a, b) < 0; });
}

void TStringList::LoadFromFile(std::string_view fileName) {
    SetText(ReadFileBytes(fileName));
}

void TStringList::LoadFromStream(TStream& stream) {
    std::string bytes(static_cast<size_t>(stream.Size() - stream.Position()), '\0');
    stream.ReadBuffer(bytes.data(), bytes.size());
    SetText(bytes);
}

void TStringList::SaveToFile(std::string_view fileName) const {
    WriteFileReplacing(fileName, Text());
}

} // namespace forms
