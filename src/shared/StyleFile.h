#pragma once
// The style model (TStiData) and the style files that fill it. A style file (.sti) is a
// container: an index of 256 item sizes and 256 item offsets (32-bit little-endian each, 2,048
// bytes in all), then the items. Item 0 is the style text, an INI text naming colours, fonts and
// the numbers of the glyph items; items 1 to 255 are glyph strips, each a whole .bmp file. Neither
// program writes style files. Drawing the glyphs is SkinDrawing.h's.
#include "forms/base/Color.h"
#include "forms/gfx/Geometry.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace forms {
class TBitmap;
class TStyleText;
} // namespace forms

using forms::TColor;

// The texts of [Style] and [About].
struct TStiAbout {
    std::string Format, App, Version;
    int32_t Type = 0;
    std::string FileName, Title, Author, Note;
};

// A part with one glyph strip: GlyphIndex is its item number (0 or less: none); Trans draws the
// glyph transparently; face, light edge and dark edge colours.
struct TPartsColor {
    int32_t GlyphIndex = 0;
    bool Trans = false;
    TColor BaseColor = 0, TopLineColor = 0, BtmLineColor = 0;
};

// A title-bar button or the launch-button grid. LockColor is read for the lock button only.
struct TBtnColor : TPartsColor {
    TColor MarkColor = 0, LockColor = 0;
};

struct TBaseBarColor : TPartsColor {
    TColor CounterColor = 0;
};

struct TTabColor : TBaseBarColor {
    bool CounterBackTrans = false;
};

struct TMsgFontStatus {
    std::string Name;
    bool Bold = false, Italic = false;
    TColor Color = 0;
};

// Color is the text of the tabs that are not selected.
struct TTabFontStatus : TMsgFontStatus {
    TColor SelectColor = 0;
};

// A window skin: item numbers of the horizontal edge strip, the vertical edge strip and the body.
struct TFormPartsColor {
    int32_t GlyphH = 0, GlyphV = 0, Glyph = 0;
    bool Trans = false;
    TColor Color = 0;
};

// The pop-up hint window: Color is its text colour, DrawMode how the body glyph is laid out.
// Bounds is read and kept; nothing acts on it.
struct TSubFormColor : TFormPartsColor {
    uint8_t DrawMode = 0;
    forms::TPoint Bounds;
};

// One loaded style. Created with the built-in defaults; a load overwrites what its keys give.
class TStiData {
public:
    TStiData() { SetDefault(); }
    void SetDefault();

    TFormPartsColor Form;  // the main window
    TSubFormColor SubForm; // the pop-up hint window
    TStiAbout About;
    TBtnColor LockBtn, WizBtn, CloseBtn, BtnBar;
    TTabColor Tab;
    TTabFontStatus TabFont;
    TBaseBarColor TitleBar;
    TMsgFontStatus TitleFont;
};

// The newest style version the programs read, their MaxVersion.
constexpr std::string_view kStyleMaxVersion = "1";
constexpr int kStyleItemCount = 256;
constexpr int kStyleIndexSize = 2 * kStyleItemCount * 4;

// A style file: the file holds a whole index and a non-empty item 0 inside the file, whose text
// has the lines [Style] and [About] (whole lines, any case), a first "Format=" line (any case, not
// trimmed, anywhere) with the value K+StyleInformation exactly, and a first "Version=" value (empty
// when missing) not above maxVersion in byte order. A file that cannot be opened raises
// forms::EFileOpenError.
bool IsStyleFile(std::string_view fileName, std::string_view maxVersion);

// When the file is a style file (version up to kStyleMaxVersion), reads its style text into data
// and returns true; otherwise returns false and leaves data untouched. A colour or [SubForm]
// Bounds element that is no colour or integer raises forms::EConversionError; the keys read before
// it keep their new values.
bool LoadStyleFile(std::string_view fileName, TStiData& data);

// Reads a file of style text into data; false, reading nothing, when the file does not exist.
bool LoadStyleIni(std::string_view fileName, TStiData& data);

// Reads the 50 keys of a style text into data, in their fixed order, each from the text or its
// reading default (which can differ from SetDefault's; the form colour defaults to the button
// grid's face colour just read). A colour list shorter than needed repeats its last element.
void ReadStyleIni(const forms::TStyleText& ini, TStiData& data);

// Hands glyph item items[i] to load(i, its bytes) for each i whose item number is 1 to 255; other
// numbers are skipped. False, reading nothing, when the file does not exist or, with check, is no
// style file. An item whose index entry is empty or lies outside the file (or a file too short for
// the index) raises forms::EStreamReadError; what load raises passes through, and the items
// handed over before stay loaded.
bool ReadStyleGlyphs(std::string_view fileName, const std::vector<int>& items, bool check,
                     const std::function<void(size_t, std::string_view)>& load);

// ReadStyleGlyphs into bitmaps[i], which run parallel to items (std::invalid_argument when the two
// differ in length or a bitmap is missing). A glyph that is no valid bitmap raises
// forms::EBitmapError "ビットマップイメージが不正です" and leaves its bitmap as it was.
bool LoadStyleGlyphs(std::string_view fileName, const std::vector<int>& items, bool check,
                     const std::vector<forms::TBitmap*>& bitmaps);
