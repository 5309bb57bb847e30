// The data file: the line form of the records, the text form's reader and writer, the older
// form's records and reader, and the page counts made to agree with the slots a file holds.
#include "shared/DataFile.h"

#include "forms/base/Exceptions.h"
#include "forms/base/Filer.h"
#include "forms/base/Files.h"
#include "forms/base/IntText.h"
#include "forms/base/LineReader.h"
#include "forms/base/Streams.h"
#include "forms/base/StrUtils.h"

#include <algorithm>
#include <charconv>
#include <vector>

using forms::TReader;
using forms::TStream;
using forms::TWriter;

namespace {

constexpr char kSectionEnd[] = "**";
constexpr char kUnknown[] = "unknown";

// The page counts of a damaged file can claim far more slots than it holds; a load adds at most
// this many empty slots (the sort numbers a page's slots with five digits).
constexpr int64_t kMaxAddedSlots = 100000;

// Smallest records of the older form: every filer value takes at least two bytes.
constexpr int64_t kMinPageBytes = 3 * 2;
constexpr int64_t kMinSlotBytes = 11 * 2;

// ---- Line form ----------------------------------------------------------------------------------

bool IsBlank(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 1 && b <= 32;
}

// The quoted field that starts at line[i], i moved past it: pairs of quotes stand for one, and
// a missing closing quote ends at the line's end. Texts are made at their exact size (a string
// built by appending keeps spare room, which ten thousand slots would show in the model's size).
std::string QuotedField(std::string_view line, size_t& i) {
    ++i;
    std::string value;
    for (;;) {
        const size_t q = line.find('"', i);
        if (q == std::string_view::npos) {
            value.append(line.substr(i));
            i = line.size();
            break;
        }
        const bool pair = q + 1 < line.size() && line[q + 1] == '"';
        if (!pair && value.empty()) {
            value = std::string(line.substr(i, q - i));
            i = q + 1;
            return value;
        }
        value.append(line.substr(i, q - i + (pair ? 1 : 0)));
        i = q + (pair ? 2 : 1);
        if (!pair)
            break;
    }
    value.shrink_to_fit();
    return value;
}

// The field values of a record line. A NUL ends the line: read literally, a field would stop
// at it without ever moving past it, and the first "line" of an older-form file is full of them.
void SplitFields(std::string_view line, std::vector<std::string>& fields) {
    fields.clear();
    line = line.substr(0, line.find('\0'));
    const size_t n = line.size();
    size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < n && IsBlank(line[i]))
            ++i;
    };
    skipBlanks();
    while (i < n) {
        std::string value;
        if (line[i] == '"') {
            value = QuotedField(line, i);
        } else {
            const size_t start = i;
            while (i < n && line[i] != ',' && !IsBlank(line[i]))
                ++i;
            value = std::string(line.substr(start, i - start));
        }
        fields.push_back(std::move(value));
        skipBlanks();
        if (i < n && line[i] == ',') {
            if (i == n - 1)
                fields.emplace_back();
            ++i;
            skipBlanks();
        }
    }
}

void AppendInt(std::string& out, int64_t value) {
    char buf[24];
    const auto result = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, result.ptr);
}

// Characters that would break the record out of its line become blanks. None of them, nor the
// quote, can be the second byte of a double-byte character, so bytes are safe to test alone.
char OnOneLine(char c) {
    return c == '\r' || c == '\n' || c == '\x1A' || c == '\0' ? ' ' : c;
}

void AppendPlain(std::string& out, std::string_view text) {
    for (char c : text)
        out.push_back(OnOneLine(c));
}

void AppendQuoted(std::string& out, std::string_view text) {
    out.push_back('"');
    for (char c : text) {
        if (c == '"')
            out.push_back('"');
        out.push_back(OnOneLine(c));
    }
    out.push_back('"');
}

void AppendItemLine(std::string& out, const TLaunchDataItem& item) {
    AppendInt(out, item.Kind);
    out.push_back(',');
    AppendInt(out, item.UseCount);
    for (const std::string* text :
         {&item.Title, &item.Path, &item.LinkFile, &item.Params, &item.WorkDir, &item.IconFile}) {
        out.push_back(',');
        AppendQuoted(out, *text);
    }
    out.push_back(',');
    AppendInt(out, item.IconIndex);
    out.push_back(',');
    AppendInt(out, item.ShowCmd);
    out.push_back(',');
    AppendQuoted(out, item.Comment);
}

void AppendStatusLine(std::string& out, const TDataStatus& status) {
    AppendQuoted(out, status.ProductName);
    out.push_back(',');
    AppendQuoted(out, status.Version);
    out.push_back(',');
    AppendQuoted(out, status.Notice);
    for (int32_t v : {status.Value1, status.Value2, status.Value3}) {
        out.push_back(',');
        AppendInt(out, v);
    }
}

void AppendPageLine(std::string& out, const TPageItem& page) {
    AppendQuoted(out, page.Caption);
    out.push_back(',');
    AppendInt(out, page.BtnCount);
    out.push_back(',');
    AppendInt(out, page.Value);
}

std::unique_ptr<TLaunchDataItem> ItemFromFields(std::vector<std::string>& f) {
    auto item = NewEmptyItem();
    if (f.size() < 11)
        return item;
    item->Kind = static_cast<TItemKind>(static_cast<uint8_t>(forms::StrToInt(f[0])));
    item->UseCount = forms::StrToIntDef(f[1], 0);
    item->Title = std::move(f[2]);
    item->Path = std::move(f[3]);
    item->LinkFile = std::move(f[4]);
    item->Params = std::move(f[5]);
    item->WorkDir = std::move(f[6]);
    item->IconFile = std::move(f[7]);
    item->IconIndex = forms::StrToIntDef(f[8], 0);
    item->ShowCmd = forms::StrToIntDef(f[9], kShowNormal);
    item->Comment = std::move(f[10]);
    return item;
}

std::unique_ptr<TDataStatus> StatusFromFields(std::vector<std::string>& f) {
    auto status = std::make_unique<TDataStatus>();
    if (f.size() < 6) {
        status->ProductName = status->Version = status->Notice = kUnknown;
        status->Value3 = 10;
        return status;
    }
    status->ProductName = std::move(f[0]);
    status->Version = std::move(f[1]);
    status->Notice = std::move(f[2]);
    status->Value1 = forms::StrToIntDef(f[3], 0);
    status->Value2 = forms::StrToIntDef(f[4], 0);
    status->Value3 = forms::StrToIntDef(f[5], 10);
    return status;
}

std::unique_ptr<TPageItem> PageFromFields(std::vector<std::string>& f) {
    if (f.size() < 3)
        return NewPage("untitled", 0, 0);
    return NewPage(f[0], forms::StrToIntDef(f[1], 0), forms::StrToIntDef(f[2], 0));
}

void AppendLine(std::string& out, std::string_view line) {
    out.append(line);
    out.append("\r\n");
}

} // namespace

// ---- Records in the older form ------------------------------------------------------------------

void TLaunchDataItem::WriteData(TWriter& writer) const {
    writer.WriteInteger(Kind);
    writer.WriteInteger(UseCount);
    for (const std::string* text : {&Title, &Path, &LinkFile, &Params, &WorkDir, &IconFile})
        writer.WriteString(*text);
    writer.WriteInteger(ShowCmd);
    writer.WriteInteger(IconIndex);
    writer.WriteString(Comment);
}

void TLaunchDataItem::ReadData(TReader& reader) {
    Kind = static_cast<TItemKind>(static_cast<uint8_t>(reader.ReadInteger()));
    UseCount = reader.ReadInteger();
    for (std::string* text : {&Title, &Path, &LinkFile, &Params, &WorkDir, &IconFile})
        *text = reader.ReadString();
    ShowCmd = reader.ReadInteger();
    IconIndex = reader.ReadInteger();
    Comment = reader.ReadString();
}

void TDataStatus::WriteData(TWriter& writer) const {
    writer.WriteString(ProductName);
    writer.WriteString(Version);
    writer.WriteString(Notice);
    writer.WriteInteger(Value1);
    writer.WriteInteger(Value2);
    writer.WriteInteger(Value3);
}

void TDataStatus::ReadData(TReader& reader) {
    ProductName = reader.ReadString();
    Version = reader.ReadString();
    Notice = reader.ReadString();
    Value1 = reader.ReadInteger();
    Value2 = reader.ReadInteger();
    Value3 = reader.ReadInteger();
}

void TDataStatus::LoadFromStream(TStream& stream) {
    TReader reader(stream);
    TDataStatus read;
    read.ReadData(reader);
    *this = std::move(read);
}

void TDataStatus::SaveToStream(TStream& stream) const {
    TWriter writer(stream);
    WriteData(writer);
}

void TDataStatus::SaveToFile(std::string_view fileName) const {
    forms::TMemoryStream stream;
    SaveToStream(stream);
    forms::WriteFileReplacing(fileName, stream.Bytes());
}

void TPageItem::WriteData(TWriter& writer) const {
    writer.WriteString(Caption);
    writer.WriteInteger(BtnCount);
    writer.WriteInteger(Value);
}

void TPageItem::ReadData(TReader& reader) {
    Caption = reader.ReadString();
    BtnCount = reader.ReadInteger();
    Value = reader.ReadInteger();
}

// ---- Record lists in the older form -------------------------------------------------------------

namespace {

// A count and that many records, all read before the list takes them. A count that the rest of
// the stream cannot hold raises EStreamLengthError before anything is allocated.
template <typename T>
std::vector<std::unique_ptr<T>> ReadRecords(TStream& stream, int64_t minRecordBytes) {
    TReader reader(stream);
    const int32_t count = reader.ReadInteger();
    if (count < 0 || count * minRecordBytes > stream.Remaining())
        throw forms::EStreamLengthError();
    std::vector<std::unique_ptr<T>> records;
    records.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        auto record = std::make_unique<T>();
        record->ReadData(reader);
        records.push_back(std::move(record));
    }
    return records;
}

template <typename T>
void WriteRecords(TStream& stream, const std::vector<std::unique_ptr<T>>& records) {
    TWriter writer(stream);
    writer.WriteInteger(static_cast<int32_t>(records.size()));
    for (const auto& record : records)
        record->WriteData(writer);
}

template <typename T>
void WriteRecordsToFile(std::string_view fileName, const std::vector<std::unique_ptr<T>>& records) {
    forms::TMemoryStream stream;
    WriteRecords(stream, records);
    forms::WriteFileReplacing(fileName, stream.Bytes());
}

} // namespace

void TPageList::LoadFromStream(TStream& stream) {
    auto pages = ReadRecords<TPageItem>(stream, kMinPageBytes);
    Storage().swap(pages);
}

void TPageList::SaveToStream(TStream& stream) const {
    WriteRecords(stream, Storage());
}

void TPageList::SaveToFile(std::string_view fileName) const {
    WriteRecordsToFile(fileName, Storage());
}

void TBaseLaunchList::LoadFromStream(TStream& stream) {
    auto slots = ReadRecords<TLaunchDataItem>(stream, kMinSlotBytes);
    Storage().swap(slots);
}

void TBaseLaunchList::SaveToStream(TStream& stream) const {
    WriteRecords(stream, Storage());
}

void TBaseLaunchList::SaveToFile(std::string_view fileName) const {
    WriteRecordsToFile(fileName, Storage());
}

// ---- The model's load and save ------------------------------------------------------------------

// A model read from a file, not yet taken over.
struct TLaunchList::TLoadedModel {
    std::unique_ptr<TDataStatus> status;
    std::vector<std::unique_ptr<TPageItem>> pages;
    std::vector<std::unique_ptr<TLaunchDataItem>> slots;
};

void TLaunchList::SaveToFile() const {
    SaveListAsText(*this, fileName_);
}

void TLaunchList::TakeOver(TLoadedModel& model) noexcept {
    status_.swap(model.status);
    pages_.Storage().swap(model.pages);
    Storage().swap(model.slots);
}

namespace {

// Page counts made to agree with the slots read: a page without slots gets one empty slot where
// its slots would stand; a page whose slots the file lacks is filled up with empty slots; slots
// beyond the last page's go to it; no page at all gives one page holding every slot. False when
// that would add more than kMaxAddedSlots empty slots, or a count would overflow: such counts
// come from a damaged file.
bool MakeCountsConsistent(std::vector<std::unique_ptr<TPageItem>>& pages,
                          std::vector<std::unique_ptr<TLaunchDataItem>>& slots) {
    const int64_t have = static_cast<int64_t>(slots.size());
    if (have > INT32_MAX)
        return false;
    if (pages.empty())
        pages.push_back(
            NewPage(kNewPageCaption, static_cast<int32_t>(std::max<int64_t>(have, 1)), 0));

    int64_t added = 0;
    int64_t cursor = 0;
    for (const auto& page : pages) {
        if (page->BtnCount < 1) {
            ++added;
            continue;
        }
        const int64_t taken = std::min<int64_t>(page->BtnCount, have - cursor);
        cursor += taken;
        added += page->BtnCount - taken;
    }
    const int64_t lastCount = std::max<int64_t>(pages.back()->BtnCount, 1) + (have - cursor);
    if (added > kMaxAddedSlots || lastCount > INT32_MAX)
        return false;
    if (added == 0 && cursor == have)
        return true;

    std::vector<std::unique_ptr<TLaunchDataItem>> result;
    result.reserve(static_cast<size_t>(have + added));
    size_t next = 0;
    for (auto& page : pages) {
        if (page->BtnCount < 1) {
            result.push_back(NewEmptyItem());
            page->BtnCount = 1;
            continue;
        }
        for (int32_t i = 0; i < page->BtnCount; ++i)
            result.push_back(next < slots.size() ? std::move(slots[next++]) : NewEmptyItem());
    }
    pages.back()->BtnCount += static_cast<int32_t>(slots.size() - next);
    for (; next < slots.size(); ++next)
        result.push_back(std::move(slots[next]));
    slots.swap(result);
    return true;
}

bool IsComment(const std::string& line) {
    return line.empty() || line[0] == ';';
}

// Lines up to the next "**" line, comments left out; false when the input ends first.
template <typename Each>
bool ReadSection(forms::TLineReader& reader, std::string& line, Each each) {
    while (reader.Next(line)) {
        if (line == kSectionEnd)
            return true;
        if (!IsComment(line) && !each(line))
            return false;
    }
    return false;
}

} // namespace

bool LoadListFromText(TLaunchList& list, std::string_view fileName) {
    forms::TFileStream file(fileName, forms::FileMode::OpenRead);
    forms::TLineReader reader(file);
    std::string line;
    std::vector<std::string> fields;
    TLaunchList::TLoadedModel model;

    // A status line without six fields decodes with the version "unknown": that is how a file of
    // the older form is told apart, and the reader gives up before it changes anything.
    const bool statusRead = ReadSection(reader, line, [&](const std::string& l) {
        SplitFields(l, fields);
        auto status = StatusFromFields(fields);
        if (status->Version == kUnknown)
            return false;
        model.status = std::move(status);
        return true;
    });
    if (!statusRead || !model.status)
        return false;
    const bool pagesRead = ReadSection(reader, line, [&](const std::string& l) {
        SplitFields(l, fields);
        model.pages.push_back(PageFromFields(fields));
        return true;
    });
    if (!pagesRead)
        return false;
    const bool slotsRead = ReadSection(reader, line, [&](const std::string& l) {
        SplitFields(l, fields);
        model.slots.push_back(ItemFromFields(fields));
        return true;
    });
    if (!slotsRead || !MakeCountsConsistent(model.pages, model.slots))
        return false;
    list.TakeOver(model);
    return true;
}

namespace {
// This product, this version or a later one. "unknown" sorts after "3.00" but is refused: the text
// form takes that version for the mark of a file that is not text, so a model holding it would
// save into a file that no reader loads again.
bool AcceptableOlderStatus(const TDataStatus& status) {
    return status.ProductName == kDataFileProduct && status.Version >= kDataFileVersion &&
           status.Version != kUnknown;
}

// The older form's texts as the text form holds them (line breaks, 1A and NUL as blanks), so that
// the model loaded is the one its saved file loads back as.
void KeepOnOneLine(TDataStatus& status, std::vector<std::unique_ptr<TPageItem>>& pages,
                   std::vector<std::unique_ptr<TLaunchDataItem>>& slots) {
    const auto keep = [](std::string& text) {
        std::transform(text.begin(), text.end(), text.begin(), OnOneLine);
    };
    for (std::string* text : {&status.ProductName, &status.Version, &status.Notice})
        keep(*text);
    for (auto& page : pages)
        keep(page->Caption);
    for (auto& slot : slots)
        for (std::string* text : {&slot->Title, &slot->Path, &slot->LinkFile, &slot->Params,
                                  &slot->WorkDir, &slot->IconFile, &slot->Comment})
            keep(*text);
}
} // namespace

// The older binary form: a header of 22 little-endian 32-bit entries, section sizes at 0-10 and
// their offsets at 11-21; sections 0 (status), 1 (pages) and 2 (slots) hold filer values. Sizes,
// offsets, counts and text lengths are checked against the file before anything is allocated
// or sought, and one out of range means "not loaded"; a value of a wrong type, or a section
// that ends inside a value, raises EStreamReadError.
bool TLaunchList::LoadOlderForm() {
    constexpr int kEntries = 22;
    constexpr int64_t kHeaderBytes = kEntries * 4;
    constexpr int kSections = 3;

    forms::TFileStream file(fileName_, forms::FileMode::OpenRead);
    const int64_t fileSize = file.Size();
    if (fileSize < kHeaderBytes)
        return false;
    uint8_t header[kHeaderBytes];
    file.ReadBuffer(header, sizeof header);
    const auto entry = [&](int k) { return forms::Int32LE(header + 4 * k); };
    for (int k = 0; k < kSections; ++k) {
        const int64_t size = entry(k), offset = entry(11 + k);
        if (size < 0 || offset < 0 || offset + size > fileSize)
            return false;
    }
    const auto section = [&](int k) {
        file.SetPosition(entry(11 + k));
        forms::TMemoryStream stream;
        stream.CopyFrom(file, entry(k));
        stream.SetPosition(0);
        return stream;
    };

    TLoadedModel model;
    try {
        forms::TMemoryStream status = section(0);
        model.status = std::make_unique<TDataStatus>();
        model.status->LoadFromStream(status);
        if (!AcceptableOlderStatus(*model.status))
            return false;
        forms::TMemoryStream pages = section(1);
        model.pages = ReadRecords<TPageItem>(pages, kMinPageBytes);
        forms::TMemoryStream slots = section(2);
        model.slots = ReadRecords<TLaunchDataItem>(slots, kMinSlotBytes);
    } catch (const forms::EStreamLengthError&) {
        return false;
    }
    if (!MakeCountsConsistent(model.pages, model.slots))
        return false;
    KeepOnOneLine(*model.status, model.pages, model.slots);
    TakeOver(model);
    return true;
}

void TLaunchList::LoadFromFile() {
    loaded_ = false;
    if (!forms::FileExists(fileName_))
        return;
    loaded_ = LoadListFromText(*this, fileName_) || LoadOlderForm();
}

// ---- The text form ------------------------------------------------------------------------------

namespace {
// Room for the whole text form (unless texts hold many quotes), so that it is made in one piece.
size_t TextFormSize(const TLaunchList& list) {
    constexpr size_t kLineBytes = 120; // numbers, quotes, commas and comments
    size_t size = kLineBytes * (8 + 3 * static_cast<size_t>(list.Pages().Count()));
    size += StatusToLine(list.Status()).size();
    for (int p = 0; p < list.Pages().Count(); ++p)
        size += 2 * list.Pages().Items(p)->Caption.size();
    for (const auto& item : list.Storage()) {
        size += kLineBytes / 2;
        for (const std::string* text : {&item->Title, &item->Path, &item->LinkFile, &item->Params,
                                        &item->WorkDir, &item->IconFile, &item->Comment})
            size += text->size();
    }
    return size;
}
} // namespace

void SaveListAsText(const TLaunchList& list, std::string_view fileName) {
    std::string out;
    out.reserve(TextFormSize(list));
    AppendLine(out, "; ステータス");
    AppendLine(out, ";*STR");
    AppendStatusLine(out, list.Status());
    out.append("\r\n");
    AppendLine(out, kSectionEnd);
    AppendLine(out, "; ページリスト");
    AppendLine(out, ";*PAGE");
    const TPageList& pages = list.Pages();
    for (int p = 0; p < pages.Count(); ++p) {
        AppendPageLine(out, *pages.Items(p));
        out.append("\r\n");
    }
    AppendLine(out, kSectionEnd);
    AppendLine(out, "; ファイルリスト");
    AppendLine(out, ";*FILE");
    int64_t first = 0; // the page's first flat index, summed as we go
    for (int p = 0; p < pages.Count(); ++p) {
        const TPageItem& page = *pages.Items(p);
        out.append("; [ ");
        AppendPlain(out, page.Caption);
        out.append(" ]\r\n;*");
        AppendInt(out, p);
        out.append("\r\n");
        for (int s = 0; s < page.BtnCount; ++s) {
            const int64_t index = first + s;
            if (index < 0 || index >= list.Count())
                throw forms::EListIndexError(index);
            AppendItemLine(out, *list.Items(static_cast<int>(index)));
            out.append("\r\n");
        }
        first += page.BtnCount;
    }
    AppendLine(out, kSectionEnd);
    forms::WriteFileReplacing(fileName, out);
}

std::string ItemToLine(const TLaunchDataItem& item) {
    std::string line;
    AppendItemLine(line, item);
    return line;
}

std::unique_ptr<TLaunchDataItem> ItemFromLine(std::string_view line) {
    std::vector<std::string> fields;
    SplitFields(line, fields);
    return ItemFromFields(fields);
}

std::string StatusToLine(const TDataStatus& status) {
    std::string line;
    AppendStatusLine(line, status);
    return line;
}

std::unique_ptr<TDataStatus> StatusFromLine(std::string_view line) {
    std::vector<std::string> fields;
    SplitFields(line, fields);
    return StatusFromFields(fields);
}

std::string PageToLine(const TPageItem& page) {
    std::string line;
    AppendPageLine(line, page);
    return line;
}

std::unique_ptr<TPageItem> PageFromLine(std::string_view line) {
    std::vector<std::string> fields;
    SplitFields(line, fields);
    return PageFromFields(fields);
}

int32_t UseCountOfLine(std::string_view line) {
    const size_t first = forms::FindChar(line, ',');
    if (first == forms::npos)
        return 0;
    const size_t second = forms::FindChar(line, ',', first + 1);
    if (second == forms::npos)
        return 0;
    return forms::StrToIntDef(line.substr(first + 1, second - first - 1), 0);
}

std::string TitleOfLine(std::string_view line) {
    std::vector<std::string> fields;
    SplitFields(line, fields);
    return fields.size() > 2 ? std::move(fields[2]) : std::string();
}
