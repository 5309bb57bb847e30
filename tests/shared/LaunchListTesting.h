#pragma once
// Helpers for the launch data tests: a snapshot of a whole model (values and object identities),
// and hand-made files of the older form.
#include "shared/DataFile.h"
#include "shared/LaunchData.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace kbtest {

// Everything a load may change: every value, and which objects hold them.
struct ModelSnapshot {
    std::string values;
    std::vector<const void*> objects;
    bool operator==(const ModelSnapshot& o) const {
        return values == o.values && objects == o.objects;
    }
};

inline ModelSnapshot Snapshot(const TLaunchList& list) {
    ModelSnapshot s;
    s.values = StatusToLine(list.Status()) + "\n";
    s.objects.push_back(&list.Status());
    for (int p = 0; p < list.Pages().Count(); ++p) {
        s.values += PageToLine(*list.Pages().Items(p)) + "\n";
        s.objects.push_back(list.Pages().Items(p));
    }
    for (int i = 0; i < list.Count(); ++i) {
        s.values += ItemToLine(*list.Items(i)) + "\n";
        s.objects.push_back(list.Items(i));
    }
    return s;
}

// The titles of a page's slots in button order.
inline std::vector<std::string> Titles(const TLaunchList& list, int page) {
    std::vector<std::string> titles;
    for (int s = 0; s < list.Pages().Items(page)->BtnCount; ++s)
        titles.push_back(list.Items(page, s)->Title);
    return titles;
}

// A slot with a title and the other fields set to recognisable values.
inline std::unique_ptr<TLaunchDataItem> Slot(std::string_view title, int32_t useCount = 0) {
    auto item = NewEmptyItem();
    item->Kind = ikProgram;
    item->Title = std::string(title);
    item->Path = "C:\\apps\\" + std::string(title) + ".exe";
    item->UseCount = useCount;
    return item;
}

// A slot with every field set, its texts in Japanese where a path may hold them.
inline std::unique_ptr<TLaunchDataItem> FullSlot() {
    auto item = std::make_unique<TLaunchDataItem>();
    item->Kind = ikShortcut;
    item->UseCount = 42;
    item->Title = "表示ソフト";
    item->Path = "C:\\表\\a.lnk";
    item->LinkFile = "C:\\ポ\\a.exe";
    item->Params = "/x \"y\"";
    item->WorkDir = "C:\\";
    item->IconFile = "C:\\i.ico";
    item->ShowCmd = 3;
    item->IconIndex = -2;
    item->Comment = "説明";
    return item;
}

// Filer values written by hand, independent of the code under test.
inline std::string LE32(int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    return {static_cast<char>(u), static_cast<char>(u >> 8), static_cast<char>(u >> 16),
            static_cast<char>(u >> 24)};
}
inline std::string FInt8(int v) {
    return std::string("\x02", 1) + static_cast<char>(v);
}
inline std::string FInt16(int v) {
    return std::string("\x03", 1) + static_cast<char>(v) + static_cast<char>(v >> 8);
}
inline std::string FInt32(int32_t v) {
    return "\x04" + LE32(v);
}
inline std::string FStr(std::string_view s) {
    return std::string("\x06", 1) + static_cast<char>(s.size()) + std::string(s);
}
inline std::string FLStr(std::string_view s) {
    return "\x0C" + LE32(static_cast<int32_t>(s.size())) + std::string(s);
}
inline std::string FUtf8(std::string_view utf8) {
    return "\x14" + LE32(static_cast<int32_t>(utf8.size())) + std::string(utf8);
}
inline std::string FUtf16(std::u16string_view units) {
    std::string s = "\x12" + LE32(static_cast<int32_t>(units.size()));
    for (char16_t u : units) {
        s.push_back(static_cast<char>(u & 0xFF));
        s.push_back(static_cast<char>(u >> 8));
    }
    return s;
}

// An older-form file: the header of sizes and offsets, then the three sections behind it.
inline std::string OlderFile(const std::string& status, const std::string& pages,
                             const std::string& slots) {
    std::string header;
    const int32_t sizes[3] = {static_cast<int32_t>(status.size()),
                              static_cast<int32_t>(pages.size()),
                              static_cast<int32_t>(slots.size())};
    for (int k = 0; k < 11; ++k)
        header += LE32(k < 3 ? sizes[k] : 0);
    const int32_t o0 = 88, o1 = o0 + sizes[0], o2 = o1 + sizes[1];
    for (int k = 0; k < 11; ++k)
        header += LE32(k == 0 ? o0 : k == 1 ? o1 : k == 2 ? o2 : 0);
    return header + status + pages + slots;
}

inline std::string OlderStatus(std::string_view product, std::string_view version) {
    return FStr(product) + FStr(version) + FStr("note") + FInt8(4) + FInt8(5) + FInt8(6);
}

// One slot record: kind, use count, six texts, ShowCmd, IconIndex, comment.
inline std::string OlderSlot(int kind, std::string_view title, int showCmd, int iconIndex) {
    return FInt8(kind) + FInt16(300) + FStr(title) + FStr("C:\\x.exe") + FStr("") + FStr("-p") +
           FStr("C:\\") + FStr("") + FInt8(showCmd) + FInt8(iconIndex) + FStr("c");
}

} // namespace kbtest
