#pragma once
// The steps that paint the style editor's launcher model and hint sample, over a surface that
// draws shapes, text, glyphs and pictures. Which part is drawn, where, in which colour and font,
// and from which glyph cell is decided here, portably; the editor's canvas surface
// (StylePreview_win.cpp) only carries the calls out.
#include "qvtcfg/StylePreview.h"
#include "qvtcfg/StylePreviewLayout.h"

#include "forms/base/DateTime.h"
#include "forms/gfx/Painter.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The editor's glyph bitmaps as the launcher model fills them.
enum TPreviewGlyph { pgLockBtn, pgWizBtn, pgCloseBtn, pgBtnBar, pgTab, pgTitleBar };
// ... and as a hint sample fills them.
enum THintGlyph { hgEdges, hgSides, hgBody };

// A font of the model: face, size in points, style and colour.
struct TPreviewFont {
    std::string Name;
    int Size = 9;
    bool Bold = false, Italic = false;
    forms::TColor Color = forms::clBlack;
};

// The texts of the model.
constexpr const char* kPreviewTabLabels[kPreviewTabCount] = {"ページ1", "ページ2", "ページ3"};
constexpr char kPreviewPageCounter[] = "01-03";
constexpr char kPreviewTitle[] = "サンプル";
constexpr char kPreviewTitleInPage[] = "[ページ1] サンプル";
// The title shows this clock whatever format the display page holds.
constexpr char kPreviewDateTimeFormat[] = "yyyy/mm/dd-hh:nn";
constexpr char kPreviewLowerCounter[] = "010";
constexpr char kPreviewUpperCounter[] = "001";
// The counters and the title are placed by the extents of these in the box's own font.
constexpr char kPreviewDigitsWidthText[] = "006";
constexpr char kPreviewDigitsHeightText[] = "0";
constexpr char kHintSampleText[] = "[ページ1]\r\nサンプルTitle-01";
constexpr char kPreviewPageCounterFont[] = "Arial";
constexpr char kPreviewCounterFont[] = "ＭＳ ゴシック";
constexpr char kLauncherProgramName[] = "qvtdock.exe";

class TPreviewSurface {
public:
    virtual ~TPreviewSurface() = default;

    // Shapes and fills; its pen and brush are the surface's.
    virtual forms::TPainter& Painter() = 0;

    // The extent of text in the surface's font as the paint found it, before any font of the paint
    // has been set.
    virtual forms::TSize BoxTextExtent(std::string_view text) = 0;
    virtual forms::TSize TextExtent(const TPreviewFont& font, std::string_view text) = 0;
    // text in font with its top-left corner at 'at', cut to clip when given. The painter's brush
    // fills behind it unless clear (the steps clear it).
    virtual void WriteText(const TPreviewFont& font, forms::TPoint at,
                           const std::optional<forms::TRect>& clip, std::string_view text) = 0;
    // text in font into r, its lines broken at word boundaries, "&" as written; the brush as above.
    virtual void WriteTextIn(const TPreviewFont& font, const forms::TRect& r,
                             std::string_view text) = 0;

    // Glyph strip items[i] of the style file into glyph bitmap i (items of 0 or less leave theirs
    // as it was). Errors of the style reader pass on.
    virtual void LoadGlyphs(const std::string& styleFile, const std::vector<int>& items) = 0;
    // The pixels of glyph bitmap i; empty when it holds none.
    virtual forms::PixelView GlyphPixels(int glyph) = 0;
    // Cell index of a strip of count cells in glyph bitmap glyph, stretched into r.
    virtual void StripCellStretched(int glyph, int index, int count, const forms::TRect& r,
                                    bool transparent) = 0;
    // The skin in glyph bitmap glyph into r, turned by angle, keeping its head and tail.
    virtual void SkinPartRotated(int glyph, const forms::TRect& r, bool transparent, int angle) = 0;
    // Cell index of count of the strip in glyph bitmap glyph, laid into r as a skin in thirds.
    virtual void StripCellSkin(int glyph, int index, int count, const forms::TRect& r,
                               bool transparent) = 0;
    // picture unscaled at 'at'; transparent leaves out the colour of its bottom-left pixel.
    virtual void Picture(const forms::PixelBuffer& picture, forms::TPoint at, bool transparent) = 0;
    // The first icon of the program file in its standard size at 'at'; nothing when it has none.
    virtual void ProgramIcon(const std::string& programFile, forms::TPoint at) = 0;
};

// The launcher model into box, as of now; then the hint sample under it when it is switched on.
// Nothing when no style is selected. The style file is read at every paint.
void PaintLauncherModel(TPreviewSurface& surface, const forms::TRect& box,
                        const TStylePreviewInput& input, forms::TDateTime now);

// A hint sample into r, (x, y) being r's top-left corner.
void PaintHintSampleOn(TPreviewSurface& surface, const forms::TRect& r, int x, int y,
                       const TStylePreviewInput& input);

// The hint sample is skinned: the switch is on, a style is selected and its type is not 0.
[[nodiscard]] bool HintSampleSkinned(const TStylePreviewInput& input);

// The launcher program whose icon the hint sample shows: qvtdock.exe in input's LauncherFolder,
// else in this program's own folder (its long form).
[[nodiscard]] std::string LauncherProgramFile(const TStylePreviewInput& input);
