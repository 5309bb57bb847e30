#pragma once
// The style model and style files. A style file (.sti) is a container: an index of 256 item sizes
// and 256 item offsets (32-bit little-endian each, 2,048 bytes in all), then the items. Item 0 is
// the style text, an INI text naming colours, fonts and the numbers of the glyph items; items 1 to
// 255 are glyph strips, each a whole .bmp file. Neither program writes style files.
#include "forms/base/Color.h"
#include "forms/gfx/Geometry.h"
#include "forms/gfx/PixelBuffer.h"

#include <cstdint>
#include <functional>
#include <optional>
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

// Drawing: cells of glyph strips and three-slice skin parts (left cap,
// stretched middle, right cap) drawn at any length and, for vertical parts, turned. The
// geometry and the composition of work pictures are portable and work on pixels; the canvas
// and bitmap forms below the #ifdef put the results on the screen.
//
// A glyph strip is a bitmap whose Count cells lie side by side, CellW = strip width div Count
// wide and the strip's height high. A cell index is accepted only within 0 .. Count - 1 and
// within the cells the strip holds when they are counted as squares (width div height): a strip
// 64 x 16 draws cell 3 and refuses cell 4 even when Count is 8. A strip without width or height,
// a Count of 0 or less, and a cell without width count as missing: nothing is drawn.

// Where cell index of a strip lies, or nothing (see above).
[[nodiscard]] std::optional<forms::TRect> StripCellRect(int stripWidth, int stripHeight, int index,
                                                        int count);

// One stretched copy of a part of a picture.
struct TSliceCopy {
    forms::TRect Source, Target;
};

// The copies that lay a skin of the given size into target in three slices, all stretched to the
// target's height: the left cap leftW wide, the middle stretched, the right cap rightW wide. When
// either width is 0 or less, both are the skin's width div 3. Caps wider together than the skin
// or the target get no middle (a stretch never mirrors) and are cut to the skin and the target;
// the right cap then lies over the left. Nothing for an empty skin or target.
[[nodiscard]] std::vector<TSliceCopy>
ThreeSliceCopies(int skinWidth, int skinHeight, const forms::TRect& target, int leftW, int rightW);

// Cell index of strip, stretched over the whole of dest; false when not done.
bool CopyStripCell(const forms::PixelView& dest, const forms::PixelView& strip, int index,
                   int count);
// ThreeSliceCopies of skin into rect of dest.
void DrawThreeSlice(const forms::PixelView& dest, const forms::PixelView& skin,
                    const forms::TRect& rect, int leftW, int rightW);
// DrawThreeSlice over the whole of dest.
void FillThreeSlice(const forms::PixelView& dest, const forms::PixelView& skin, int leftW,
                    int rightW);
// The picture of a skin part width x height: for angle 90 or -90 the skin is laid three-sliced
// along a height x width picture which is then turned 90 degrees clockwise; any other angle lays
// it unturned. Empty for an empty skin or size.
[[nodiscard]] forms::PixelBuffer ComposeSkinPart(const forms::PixelView& skin, int width,
                                                 int height, int leftW, int rightW, int angle);

// The rotated skin parts of the style editor's preview: a skin turned by 0, 90, -90 or 180
// degrees (any other angle as 0) that keeps a 40-pixel head and an 80-pixel tail unstretched
// along the part. At 90 the left end of the skin comes to the top, at -90 to the bottom, at 180
// to the right.
constexpr int kSkinHeadLength = 40;
constexpr int kSkinTailLength = 80;

enum class TSkinSlice { Head, Tail, Middle };
// The copy of one slice of a turned source into a target for the angle, or nothing when the
// slice has no room: caps are cut to both lengths, and a middle exists only where both the
// source and the target are longer than head and tail together.
[[nodiscard]] std::optional<TSliceCopy> SkinSliceCopy(forms::TSize source, forms::TSize target,
                                                      int angle, TSkinSlice slice);
void CopySkinHead(const forms::PixelView& target, const forms::PixelView& source, int angle);
void CopySkinTail(const forms::PixelView& target, const forms::PixelView& source, int angle);
void CopySkinMiddle(const forms::PixelView& target, const forms::PixelView& source, int angle);
// The skin turned by angle (corners that it does not cover in backColor) and laid into a picture
// width x height: squeezed whole when it is longer than the picture along the part, else in head,
// middle and tail. Empty for an empty bitmap or size.
[[nodiscard]] forms::PixelBuffer ComposeRotatedSkin(const forms::PixelView& bitmap, int width,
                                                    int height, int angle, forms::TColor backColor);

#ifdef _WIN32
#include "forms/gfx/Bitmap.h"
#include "forms/gfx/Canvas.h"

// Cell index of strip, stretched over the whole of dest; false when either is missing or empty or
// the cell is refused.
bool CopyStripCell(forms::TBitmap* dest, forms::TBitmap* strip, int index, int count);
// Cell index unscaled with its top-left corner at (x, y); false when not done.
bool DrawStripCell(forms::TCanvas& canvas, int x, int y, forms::TBitmap* strip, int index,
                   int count);
// Cell index into the box (0, 0, boxW, boxH): stretched to it, or centred in it unscaled with a
// clear brush (which the canvas keeps). With transparent the cell leaves out the colour of its
// bottom-left pixel.
void DrawStripCellIn(forms::TCanvas& canvas, int index, int count, forms::TBitmap* strip, int boxW,
                     int boxH, bool stretch, bool transparent);
// Cell index of a strip of count cells stretched into r; transparent as DrawStripCellIn.
void DrawStripCellStretched(forms::TCanvas& canvas, int index, int count, forms::TBitmap* bitmap,
                            const forms::TRect& r, bool transparent);

// The skin into rect in three slices (ThreeSliceCopies).
void DrawThreeSlice(forms::TCanvas& canvas, forms::TBitmap* skin, const forms::TRect& rect,
                    int leftW, int rightW);
// DrawThreeSlice over the whole of dest.
void FillThreeSlice(forms::TBitmap* dest, forms::TBitmap* skin, int leftW, int rightW);
// ComposeSkinPart drawn at rect's top-left corner; with transparent its bottom-left pixel's
// colour is left out.
void DrawSkinPart(forms::TCanvas& canvas, forms::TBitmap* skin, const forms::TRect& rect, int leftW,
                  int rightW, int angle, bool transparent);

// ComposeRotatedSkin into r, the corners in the canvas's brush colour; nothing for a missing
// bitmap.
void DrawSkinPartRotated(forms::TCanvas& canvas, forms::TBitmap* bitmap, const forms::TRect& r,
                         bool transparent, int angle);
// The composed picture drawn unscaled at r's top-left corner, transparent as DrawSkinPart.
void DrawComposedSkin(forms::TCanvas& canvas, forms::TBitmap& target, const forms::TRect& r,
                      bool transparent);
#endif
