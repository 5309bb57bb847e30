#include "shared/StyleFile.h"

#include "shared/TextSearch.h"

#include "forms/base/Exceptions.h"
#include "forms/base/Files.h"
#include "forms/base/IntText.h"
#include "forms/base/Streams.h"
#include "forms/base/Strings.h"
#include "forms/base/StyleText.h"

#include <array>
#include <optional>
#include <utility>
#include <variant>

using namespace forms;

void TStiData::SetDefault() {
    About = {"K+StyleInformation", "untitled", "1",        0,
             "untitled.sti",       "untitled", "K+Bandeo", "default"};
    const auto button = [](TBtnColor& b, TColor base, TColor top, TColor btm, TColor mark,
                           TColor lock) {
        b.GlyphIndex = -1;
        b.Trans = true;
        b.BaseColor = base;
        b.TopLineColor = top;
        b.BtmLineColor = btm;
        b.MarkColor = mark;
        b.LockColor = lock;
    };
    button(LockBtn, 0x00CCE1E6, 0x00EEFFFF, 0x0099A8AC, clBlue, clRed);
    button(WizBtn, 0x00FF4444, clWhite, clNavy, 0x00FFFF93, clBlack);
    button(CloseBtn, clRed, clWhite, clMaroon, clWhite, clBlack);
    button(BtnBar, 0x00CCE1E6, 0x00EEFFFF, 0x0099A8AC, clRed, clBlack);

    Tab.GlyphIndex = -1;
    Tab.Trans = true;
    Tab.BaseColor = 0x00CCE1E6;
    Tab.TopLineColor = 0x00EEFFFF;
    Tab.BtmLineColor = 0x0099A8AC;
    Tab.CounterColor = clBlue;
    Tab.CounterBackTrans = false;

    TabFont.Name = "ＭＳ Ｐゴシック";
    TabFont.Bold = true;
    TabFont.Italic = false;
    TabFont.Color = clBlack;
    TabFont.SelectColor = clRed;

    TitleBar.GlyphIndex = -1;
    TitleBar.Trans = false;
    TitleBar.BaseColor = clBlack;
    TitleBar.TopLineColor = 0x00EEFFFF;
    TitleBar.BtmLineColor = 0x0099A8AC;
    TitleBar.CounterColor = clLime;

    TitleFont.Name = "ＭＳ Ｐゴシック";
    TitleFont.Bold = true;
    TitleFont.Italic = false;
    TitleFont.Color = clYellow;

    SubForm.GlyphH = SubForm.GlyphV = SubForm.Glyph = -1;
    SubForm.Trans = false;
    SubForm.Color = clInfoText;
    SubForm.DrawMode = 0;
    SubForm.Bounds = {0, 0};

    Form.GlyphH = Form.GlyphV = Form.Glyph = -1;
    Form.Trans = false;
    Form.Color = 0x00CCE1E6;
}

namespace {

// The container's index and its items, each checked against the file's length before anything is
// allocated or read.
class StyleContainer {
public:
    explicit StyleContainer(std::string_view fileName)
        : stream_(fileName, FileMode::OpenRead), size_(stream_.Size()) {
        if (size_ < kStyleIndexSize)
            return;
        std::array<uint8_t, kStyleIndexSize> raw{};
        stream_.ReadBuffer(raw.data(), raw.size());
        for (size_t n = 0; n < kStyleItemCount; ++n) {
            sizes_[n] = Int32LE(&raw[4 * n]);
            offsets_[n] = Int32LE(&raw[4 * (kStyleItemCount + n)]);
        }
        hasIndex_ = true;
    }

    // Item n (0..255), or nothing when the file holds no whole index or the item's entry is empty
    // or points outside the file.
    std::optional<std::string> Item(int n) {
        if (!hasIndex_)
            return std::nullopt;
        const int64_t size = sizes_[static_cast<size_t>(n)];
        const int64_t offset = offsets_[static_cast<size_t>(n)];
        if (size <= 0 || offset < 0 || offset > size_ - size)
            return std::nullopt;
        std::string bytes(static_cast<size_t>(size), '\0');
        stream_.SetPosition(offset);
        stream_.ReadBuffer(bytes.data(), bytes.size());
        return bytes;
    }

private:
    TFileStream stream_;
    int64_t size_;
    bool hasIndex_ = false;
    std::array<int32_t, kStyleItemCount> sizes_{}, offsets_{};
};

// Item 0 up to its first NUL, or nothing when the container is broken.
std::optional<std::string> ReadStyleText(std::string_view fileName) {
    std::optional<std::string> text = StyleContainer(fileName).Item(0);
    if (text) {
        const size_t nul = text->find('\0');
        if (nul != std::string::npos)
            text->resize(nul);
    }
    return text;
}

bool PassesStyleTest(std::string_view text, std::string_view maxVersion) {
    TStringList lines;
    lines.SetText(text);
    return lines.IndexOf("[Style]") >= 0 && lines.IndexOf("[About]") >= 0 &&
           lines.Values("Format") == "K+StyleInformation" &&
           std::string_view(lines.Values("Version")) <= maxVersion;
}

// The style text of a style file, or nothing when the file is missing or no style file. One copy
// of the text serves both the test and the reading.
std::optional<std::string> TestedStyleText(std::string_view fileName, std::string_view maxVersion) {
    if (!FileExists(fileName))
        return std::nullopt;
    std::optional<std::string> text = ReadStyleText(fileName);
    if (text && !PassesStyleTest(*text, maxVersion))
        text.reset();
    return text;
}

using StyleTarget = std::variant<std::string*, int32_t*, uint8_t*, bool*, std::vector<TColor*>,
                                 std::pair<int32_t*, int32_t*>>;

struct StyleKey {
    const char* Section;
    const char* Key;
    std::string Default; // as the text would hold it
    StyleTarget Target;
    const TColor* DefaultColor = nullptr; // when set, the default is this colour's text
};

// Every key of the style text in reading order, bound to the fields of d.
std::vector<StyleKey> StyleKeys(TStiData& d) {
    using Colors = std::vector<TColor*>;
    return {
        {"Style", "Format", "K+StyleInformation", &d.About.Format},
        {"Style", "App", "UnTitled", &d.About.App},
        {"Style", "Version", "0", &d.About.Version},
        {"Style", "Type", "0", &d.About.Type},
        {"About", "File", "none", &d.About.FileName},
        {"About", "Title", "UnTitled", &d.About.Title},
        {"About", "Author", "none", &d.About.Author},
        {"About", "Note", "", &d.About.Note},
        {"LockBtn", "Color", "$00CCE1E6,$00EEFFFF,$0099A8AC,clBlue,clRed",
         Colors{&d.LockBtn.BaseColor, &d.LockBtn.TopLineColor, &d.LockBtn.BtmLineColor,
                &d.LockBtn.MarkColor, &d.LockBtn.LockColor}},
        {"LockBtn", "Trans", "1", &d.LockBtn.Trans},
        {"WizBtn", "Color", "$00FF4444,clWhite,clNavy,$00FFFF93",
         Colors{&d.WizBtn.BaseColor, &d.WizBtn.TopLineColor, &d.WizBtn.BtmLineColor,
                &d.WizBtn.MarkColor}},
        {"WizBtn", "Trans", "1", &d.WizBtn.Trans},
        {"CloseBtn", "Color", "clRed,clWhite,clMaroon,clWhite",
         Colors{&d.CloseBtn.BaseColor, &d.CloseBtn.TopLineColor, &d.CloseBtn.BtmLineColor,
                &d.CloseBtn.MarkColor}},
        {"CloseBtn", "Trans", "1", &d.CloseBtn.Trans},
        {"BtnBar", "Color", "$00CCE1E6,$00EEFFFF,$0099A8AC,clRed",
         Colors{&d.BtnBar.BaseColor, &d.BtnBar.TopLineColor, &d.BtnBar.BtmLineColor,
                &d.BtnBar.MarkColor}},
        {"BtnBar", "Trans", "1", &d.BtnBar.Trans},
        {"Form", "Color", "", Colors{&d.Form.Color}, &d.BtnBar.BaseColor},
        {"Form", "Trans", "0", &d.Form.Trans},
        {"SubForm", "FontColor", "clInfoText", Colors{&d.SubForm.Color}},
        {"SubForm", "DrawMode", "1", &d.SubForm.DrawMode},
        {"SubForm", "Trans", "0", &d.SubForm.Trans},
        {"SubForm", "Bounds", "0,0", std::pair{&d.SubForm.Bounds.X, &d.SubForm.Bounds.Y}},
        {"Tab", "Color", "$00CCE1E6,$00EEFFFF,$0099A8AC",
         Colors{&d.Tab.BaseColor, &d.Tab.TopLineColor, &d.Tab.BtmLineColor}},
        {"Tab", "Trans", "1", &d.Tab.Trans},
        {"Tab", "CounterColor", "clBlue", Colors{&d.Tab.CounterColor}},
        {"Tab", "CounterBackTrans", "0", &d.Tab.CounterBackTrans},
        {"TabFont", "Name", "ＭＳ Ｐゴシック", &d.TabFont.Name},
        {"TabFont", "Bold", "1", &d.TabFont.Bold},
        {"TabFont", "Italic", "0", &d.TabFont.Italic},
        {"TabFont", "Color", "clBlack", Colors{&d.TabFont.Color}},
        {"TabFont", "SelectColor", "clRed", Colors{&d.TabFont.SelectColor}},
        {"TitleBar", "Color", "clBlack,$00EEFFFF,$0099A8AC",
         Colors{&d.TitleBar.BaseColor, &d.TitleBar.TopLineColor, &d.TitleBar.BtmLineColor}},
        {"TitleBar", "Trans", "0", &d.TitleBar.Trans},
        {"TitleBar", "CounterColor", "clLime", Colors{&d.TitleBar.CounterColor}},
        {"TitleFont", "Name", "ＭＳ Ｐゴシック", &d.TitleFont.Name},
        {"TitleFont", "Bold", "1", &d.TitleFont.Bold},
        {"TitleFont", "Italic", "0", &d.TitleFont.Italic},
        {"TitleFont", "Color", "clYellow", Colors{&d.TitleFont.Color}},
        {"Glyph", "LockBtn", "-1", &d.LockBtn.GlyphIndex},
        {"Glyph", "WizBtn", "-1", &d.WizBtn.GlyphIndex},
        {"Glyph", "CloseBtn", "-1", &d.CloseBtn.GlyphIndex},
        {"Glyph", "BtnBar", "-1", &d.BtnBar.GlyphIndex},
        {"Glyph", "Tab", "-1", &d.Tab.GlyphIndex},
        {"Glyph", "TitleBar", "-1", &d.TitleBar.GlyphIndex},
        {"Glyph", "SubFormH", "-1", &d.SubForm.GlyphH},
        {"Glyph", "SubFormV", "-1", &d.SubForm.GlyphV},
        {"Glyph", "SubForm", "-1", &d.SubForm.Glyph},
        {"Glyph", "FormH", "-1", &d.Form.GlyphH},
        {"Glyph", "FormV", "-1", &d.Form.GlyphV},
        {"Glyph", "Form", "-1", &d.Form.Glyph},
    };
}

// Field i of a comma list; past the end the last field again.
std::string ListField(std::string_view text, int i) {
    std::string field;
    GetDelimitedField(',', text, i, field);
    return field;
}

struct StoreValue {
    const std::string& text;
    const std::string& fallback; // the default text, always of the key's form

    int32_t Integer() const {
        return ParseIntText(text).value_or(ParseIntText(fallback).value_or(0));
    }
    void operator()(std::string* p) const { *p = text; }
    void operator()(int32_t* p) const { *p = Integer(); }
    void operator()(uint8_t* p) const { *p = static_cast<uint8_t>(Integer() & 0xFF); }
    void operator()(bool* p) const { *p = Integer() != 0; }
    void operator()(const std::vector<TColor*>& colors) const {
        for (size_t i = 0; i < colors.size(); ++i)
            *colors[i] = StringToColor(ListField(text, static_cast<int>(i)));
    }
    void operator()(const std::pair<int32_t*, int32_t*>& point) const {
        *point.first = StrToInt(ListField(text, 0));
        *point.second = StrToInt(ListField(text, 1));
    }
};

} // namespace

bool IsStyleFile(std::string_view fileName, std::string_view maxVersion) {
    return TestedStyleText(fileName, maxVersion).has_value();
}

bool LoadStyleFile(std::string_view fileName, TStiData& data) {
    const std::optional<std::string> text = TestedStyleText(fileName, kStyleMaxVersion);
    if (!text)
        return false;
    ReadStyleIni(TStyleText(*text), data);
    return true;
}

bool LoadStyleIni(std::string_view fileName, TStiData& data) {
    if (!FileExists(fileName))
        return false;
    ReadStyleIni(TStyleText(ReadFileBytes(fileName)), data);
    return true;
}

void ReadStyleIni(const TStyleText& ini, TStiData& data) {
    for (const StyleKey& key : StyleKeys(data)) {
        const std::string fallback =
            key.DefaultColor ? ColorToString(*key.DefaultColor) : key.Default;
        const std::string text = ini.ReadString(key.Section, key.Key, fallback);
        std::visit(StoreValue{text, fallback}, key.Target);
    }
}

bool ReadStyleGlyphs(std::string_view fileName, const std::vector<int>& items, bool check,
                     const std::function<void(size_t, std::string_view)>& load) {
    if (!FileExists(fileName))
        return false;
    if (check && !IsStyleFile(fileName, kStyleMaxVersion))
        return false;
    StyleContainer container(fileName);
    for (size_t i = 0; i < items.size(); ++i) {
        // Numbers outside 1..255 name no glyph: the index has no entry above 255.
        if (items[i] < 1 || items[i] >= kStyleItemCount)
            continue;
        const std::optional<std::string> bytes = container.Item(items[i]);
        if (!bytes)
            throw EStreamReadError();
        load(i, *bytes);
    }
    return true;
}
