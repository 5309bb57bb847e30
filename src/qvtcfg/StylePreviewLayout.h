#pragma once
// Where the parts of the style editor's launcher model lie, which colour each takes, and how the
// skinned hint sample is laid out from the hint's three style pictures. Portable: checked natively
// on pixels; StylePreviewPaint.h puts them together.
#include "qvtcfg/StylePreview.h"
#include "shared/StyleFile.h"

#include "forms/gfx/Geometry.h"
#include "forms/gfx/PixelBuffer.h"

#include <array>
#include <vector>

// The launcher model in a box W x H (240 x 148 in the editor): the title bar over the five launch
// buttons, the tab row H - 78 from the top, and the hint sample under them.
constexpr int kPreviewTitleBarHeight = 28;
constexpr int kPreviewButtonSize = 40;
constexpr int kPreviewButtonCount = 5;
constexpr int kPreviewTabRowOffset = 78; // from the bottom of the box to the top of the tab row
constexpr int kPreviewTabRowHeight = 24;
constexpr int kPreviewTabCount = 3;

struct TPreviewLayout {
    forms::TRect Box;
    int TabTop = 0; // the top of the tab row, p
    forms::TRect TitleBar, LockBtn, WizBtn, CloseBtn;
    forms::TPoint TitleAt;        // where the title starts
    forms::TRect DateTimeClip;    // what the date and time are cut to
    forms::TRect LowerCounter;    // "010", cut to it and drawn at its top-left corner
    forms::TPoint UpperCounterAt; // "001"
    std::array<forms::TRect, kPreviewButtonCount> Buttons; // 0 is the selected one
    forms::TRect TabRow;
    std::array<forms::TRect, kPreviewTabCount> Tabs; // 0 is the selected one
    std::array<forms::TPoint, kPreviewTabCount> TabLabels;
    forms::TRect ArrowArea, LeftArrow, RightArrow;
    forms::TRect HintSample; // under the tab row, or higher up without it
    forms::TRect HintOff;    // what a switched-off hint leaves to the background, either way
};

// The model's parts in box. digits is the extent of "006" across and of "0" down in the box's own
// font: the counters and the title are placed by them. visTab: the tab row is shown.
[[nodiscard]] TPreviewLayout LayoutPreviewRects(const forms::TRect& box, forms::TSize digits,
                                                bool visTab);

// The page counter "01-03" of the given extent (in its own font) at the right end of the tab row:
// the rectangle it is cut to; it is drawn 2 pixels below that rectangle's top-left corner.
[[nodiscard]] forms::TRect PageCounterRect(const TPreviewLayout& layout, forms::TSize extent);

// The part colours take the place of the style's only when switched on and the style is of type 0.
[[nodiscard]] bool PartColorsApply(const TStylePreviewInput& input);

// The colours of the model's parts: a part colour (numbered as the editor numbers them) or the
// style's own. The three title-bar buttons always keep their style colours.
struct TPreviewColors {
    forms::TColor Body;                             // 7 or Form.Color
    forms::TColor Tab, TabLight, TabDark;           // 12, 13, 14 or Tab's
    forms::TColor TabSelectText;                    // 8 or TabFont.SelectColor
    forms::TColor TabText;                          // 15 or TabFont.Color (also the arrows)
    forms::TColor PageCounter;                      // 5 or Tab.CounterColor
    forms::TColor TitleFace, TitleLight, TitleDark; // 1, 2, 3 or TitleBar's
    forms::TColor TitleText;                        // 4 or TitleFont.Color
    forms::TColor ButtonCounter;                    // 6 or TitleBar.CounterColor
    forms::TColor ButtonFace, ButtonMark;           // 9, 8 or BtnBar's face and mark
    forms::TColor ButtonLight, ButtonDark;          // 10, 11 or BtnBar's edges
};
[[nodiscard]] TPreviewColors PreviewColors(const TStiData& style, const TStylePreviewInput& input);

// --- the skinned hint sample ---

// The hint's margins: the edges and sides are this wide, the body lies inside them.
constexpr int kHintSampleMargin = 10;

// The style picture a copy takes its pixels from: the top and bottom edges (two halves side by
// side, the left one the top edge), the side edges (two cells, the first the left one) and the
// body.
enum class THintSampleSource { Edges, Sides, Body };

// Part From of a source copied (stretched when the sizes differ) onto To of the sample.
struct THintSampleCopy {
    THintSampleSource Source;
    forms::TRect From, To;
};

// The sizes of the three pictures; 0 x 0 for one the style does not name.
struct THintSampleSizes {
    forms::TSize Edges, Sides, Body;
};

// The copies, in drawing order, that skin a width x height sample by the style's draw mode. Mode
// 1 stretches the body into the area inside the margins and the side cells beside it; mode 2
// tiles the body from the inner area's top-left corner (tiles that run past it lie under the edges
// drawn next) and repeats the side cells downward unscaled, cut to the margin; any other mode has
// neither. The top and bottom edges cover every mode, laid in three slices with caps the margin
// wide. An inner area, a picture or a cell without width or height gives no copies of it.
[[nodiscard]] std::vector<THintSampleCopy> HintSamplePlan(int width, int height, int drawMode,
                                                          const THintSampleSizes& sizes);

// A white width x height picture with plan carried out on it; empty when either size is 0 or
// less.
[[nodiscard]] forms::PixelBuffer ComposeHintSample(int width, int height,
                                                   const std::vector<THintSampleCopy>& plan,
                                                   const forms::PixelView& edges,
                                                   const forms::PixelView& sides,
                                                   const forms::PixelView& body);
