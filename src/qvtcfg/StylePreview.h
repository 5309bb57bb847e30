#pragma once
// The style editor's preview: a small model of the launcher window (title bar with its three
// buttons, title, counters, five launch buttons, three page tabs with the page counter and the
// scroll arrows, and the pop-up hint) and a larger sample of the hint alone. Both are drawn from
// the selected style file, read anew at every paint, and from what the editor's controls show at
// that moment, so a change shows at the next repaint without anything being written. The editor
// fills TStylePreviewInput from its controls and calls the two entry functions from its paint
// boxes' OnPaint. Where things go and which colour each part takes is StylePreviewLayout.h's; the
// drawing below the #ifdef is Windows-only.
#include "forms/base/Color.h"

#include <array>
#include <string>

// Part colours 1 .. 15 as the editor numbers them ([Color] 1 .. 15); element 0 is unused.
using TPartColors = std::array<forms::TColor, 16>;

// What the painting reads of the editor. Names follow the controls they come from; a mirrored
// check box is read through its master.
struct TStylePreviewInput {
    // StyleCBox has a selected item; its style entry's path (field 1) and type (field 6, 0 when it
    // is no integer).
    bool StyleSelected = false;
    std::string StylePath;
    int StyleType = 0;

    // The look of the launcher model.
    bool ChVisTab = true;
    bool ChVisTitle = true;
    bool CheckBoxDateTime = false; // the date and time instead of the title
    bool CheckBoxVisPage = true;   // the page name before the title
    bool CheckBoxCellCount = true; // the two button counters
    bool CheckBoxPageCount = true; // the page counter
    bool CBtnMarkStyle = true;     // a frame marks the selected button, else a filled face
    int SpinBevel = 1;             // rings around the other buttons, 0 .. 2
    bool CheckBoxColor = false;    // the part colours replace the style's ...
    bool ColorChangeable = false;  // ... when the style is of type 0
    TPartColors PartColors{};

    // The hint.
    bool CBtnPopupHint = true;       // the launcher model shows a hint sample
    bool CheckBoxUseSubStyle = true; // a style of type 1 or 2 skins the hint
    std::string HintFontName;        // FontBox's selection; the stored name when none is selected
    int HintFontSpin = 9;            // points
    bool BtnBold = false, BtnItar = false;
    forms::TColor HintTextColor = forms::clInfoText; // shpFont's brush colour
    forms::TColor HintBackColor = forms::clInfoBk;   // ShpBack's brush colour

    // Where the launcher qvtdock.exe, whose icon the hint shows, is looked for; empty for this
    // program's own folder (where the two programs are installed together).
    std::string LauncherFolder;
};

#ifdef _WIN32
#include "forms/gfx/Bitmap.h"
#include "forms/gfx/Canvas.h"

// The editor's six glyph bitmaps, which receive the painted style's glyph strips. The launcher
// model loads the lock, data-editor and close buttons', the launch buttons', the tabs' and the
// title bar's into 0 .. 5; a hint sample loads its edges, sides and body into 0 .. 2. A part
// without a glyph leaves its bitmap as it was and does not use it.
using TPreviewGlyphs = std::array<forms::TBitmap, 6>;

// The launcher model into box (the paint box's client area, 240 x 148 in the editor), the hint
// sample included. Nothing when no style is selected. Errors of the style reader (a file that
// cannot be opened, a damaged item, a bad colour) end the paint and pass on.
void PaintLauncherPreview(forms::TCanvas& canvas, const forms::TRect& box,
                          const TStylePreviewInput& input, TPreviewGlyphs& glyphs);

// A hint sample into r, (x, y) being r's top-left corner: plain in the hint colours, or skinned by
// a style of type 1 or 2 when CheckBoxUseSubStyle is on; the launcher's icon and a two-line
// sample text in the hint font either way. Sets the canvas's font to the hint font.
void PaintHintSample(forms::TCanvas& canvas, const forms::TRect& r, int x, int y,
                     const TStylePreviewInput& input, TPreviewGlyphs& glyphs);
#endif
