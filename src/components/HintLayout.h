#pragma once
// The pop-up hint's sizes and rules apart from any window: how wide and high a hint is for its
// text and settings, where its text goes, which look it paints and whether a release hits the
// icon's link square. Text is measured through THintMeasurer, so the arithmetic runs natively on a
// fake measurer and on the window's canvas alike.
#include "forms/gfx/Geometry.h"

#include <cstdint>
#include <string_view>

// Where the launcher puts the hint relative to the selected button (hlNone: below its window).
// Any other number of the settings is kept as it is (the launcher has a place for those too).
enum THintLocate : int32_t {
    hlNone,
    hlLtop,
    hlTop,
    hlRtop,
    hlRight,
    hlRbtm,
    hlBtm,
    hlLbtm,
    hlLeft
};
// How the skin's body and side pictures fill their areas: as they are, stretched, or tiled.
enum TWindowDrawStyle { wdsNormal, wdsStretch, wdsTail };
// The hint's look: plain with a 3-D frame, rounded, painted by the owner, or a skin.
enum THintWindowStyle { hwsNormal, hwsRoundRect, hwsOwnerDraw, hwsStyle };

// Text measured in the hint's font.
class THintMeasurer {
public:
    virtual ~THintMeasurer() = default;
    // The width of one line.
    virtual int TextWidth(std::string_view line) = 0;
    // The box that text takes word-wrapped into width pixels without prefix processing: the width
    // of its widest line and the height of all its lines.
    virtual forms::TSize WrappedSize(std::string_view text, int width) = 0;
};

// The settings that size a hint.
struct THintMetrics {
    int LeftMargin = 10;   // left of the text; also the icon's and link square's left
    int RightMargin = 10;  // right of the text
    int TopMargin = 10;    // above the text
    int HeightMargin = 10; // below the text
    int MaxWidth = 0;      // the width while LockWidth
    int MaxHeight = 0;     // a fixed height when not 0 and MaxLine is 0
    int MaxLine = 0;       // lines the hint is sized for; 0 sizes it by the text
    bool IsIcon = false;   // an icon at the top-left takes 36 pixels of width and 4 of height
    bool LockWidth = false;
    // The font's point size and pixels per inch, for LineHeight.
    int FontSize = 9;
    int PixelsPerInch = 96;

    // lines x the character height in pixels (without leading) of the font, held to the range of
    // int. The sizes below saturate likewise.
    [[nodiscard]] int LineHeight(int lines) const;
};

// What the icon adds to a hint, and the side of the square over it that reports link clicks.
constexpr int kHintIconWidth = 36;
constexpr int kHintIconHeight = 4;
constexpr int kHintLinkSquare = 32;

// The widest of the first maxLines lines (all of them for 0; lines end at CR LF, and the text after
// the last CR LF is a line too) plus the margins, 6 pixels and the icon's width.
[[nodiscard]] int HintTextWidth(const THintMetrics& m, THintMeasurer& measurer,
                                std::string_view text, int maxLines);
// The hint's rectangle at (0, 0) for text shown within maxWidth.
[[nodiscard]] forms::TRect HintRect(const THintMetrics& m, THintMeasurer& measurer, int maxWidth,
                                    std::string_view text);
// The rectangle of a hint shown with its top-left corner at (x, y): width is the least width the
// caller wants, height a fixed height or 0.
[[nodiscard]] forms::TRect ShownHintRect(const THintMetrics& m, THintMeasurer& measurer, int x,
                                         int y, int width, int height, std::string_view text);
// Where the text is drawn in a hint whose client area is client; lines below it are clipped.
[[nodiscard]] forms::TRect HintTextRect(const THintMetrics& m, THintMeasurer& measurer,
                                        const forms::TRect& client, std::string_view text);
// A release at (x, y) strictly inside the 32 x 32 square at the margins, while the icon shows.
[[nodiscard]] bool InHintLinkSquare(const THintMetrics& m, int x, int y);

// What the hint paints as its background; Round and Skin also cut the window's shape.
enum class THintLook { Plain, Round, OwnerDraw, Skin };
// The look of style: the skin only while skins and the style's look are both on and all three skin
// pictures are there (skinPresent), else the plain look; rounded and owner-drawn hints keep theirs.
[[nodiscard]] THintLook HintLook(THintWindowStyle style, bool useGlyph, bool useStyle,
                                 bool skinPresent);
