#include "qvtcfg/StylePreviewLayout.h"

#include "shared/SkinDrawing.h"

#include <algorithm>
#include <optional>

using forms::TColor;
using forms::TRect;
using forms::TSize;

TPreviewLayout LayoutPreviewRects(const TRect& box, TSize digits, bool visTab) {
    const int L = box.Left, T = box.Top, R = box.Right, B = box.Bottom;
    const int tw = digits.Width, th = digits.Height;
    TPreviewLayout l;
    l.Box = box;
    const int p = B - kPreviewTabRowOffset;
    l.TabTop = p;

    l.TitleBar = forms::Rect(L, T, R, T + kPreviewTitleBarHeight);
    l.LockBtn = forms::Rect(L + 12, T + 4, L + 32, T + 24);
    l.WizBtn = forms::Rect(R - 46, T + 4, R - 26, T + 24);
    l.CloseBtn = forms::Rect(R - 24, T + 4, R - 4, T + 24);
    const int titleTop = T + (kPreviewTitleBarHeight - th) / 2;
    l.TitleAt = {L + 40, titleTop};
    l.DateTimeClip = forms::Rect(L + 40, titleTop, R - 80, titleTop + 16);
    const int E = l.WizBtn.Left;
    l.LowerCounter = forms::Rect(E - tw - 4, T + 26 - th, E + tw, T + 26);
    l.UpperCounterAt = {E - tw - 4, T + 2};

    for (int i = 0; i < kPreviewButtonCount; ++i)
        l.Buttons[static_cast<size_t>(i)] =
            forms::Bounds(L + kPreviewButtonSize * i, T + kPreviewTitleBarHeight,
                          kPreviewButtonSize, kPreviewButtonSize);

    l.TabRow = forms::Rect(L, p, R, p + kPreviewTabRowHeight);
    l.Tabs = {forms::Rect(L, p, L + 64, p + kPreviewTabRowHeight),
              forms::Rect(L + 65, p, L + 129, p + kPreviewTabRowHeight),
              forms::Rect(L + 130, p, L + 194, p + kPreviewTabRowHeight)};
    // The selected tab's label sits lower, on its taller face.
    l.TabLabels = {forms::TPoint{L + 10, p + 6}, forms::TPoint{L + 74, p + 4},
                   forms::TPoint{L + 138, p + 4}};
    l.ArrowArea = forms::Rect(R - 30, p, R, p + kPreviewTabRowHeight);
    l.LeftArrow = forms::Rect(R - 30, p, R - 15, p + 15);
    l.RightArrow = forms::Rect(R - 15, p, R, p + 15);

    // Without the tab row the hint comes up to where the launcher's window would end.
    l.HintSample = visTab ? forms::Rect(L, T + 96, R, B) : forms::Rect(L, T + 72, R, B - 24);
    l.HintOff = forms::Rect(L, T + 96, R, B);
    return l;
}

TRect PageCounterRect(const TPreviewLayout& layout, TSize extent) {
    const int bottom = layout.TabRow.Bottom;
    return forms::Rect(layout.Box.Right - extent.Width, bottom - extent.Height, layout.Box.Right,
                       bottom);
}

bool PartColorsApply(const TStylePreviewInput& input) {
    return input.CheckBoxColor && input.ColorChangeable;
}

TPreviewColors PreviewColors(const TStiData& style, const TStylePreviewInput& input) {
    const bool custom = PartColorsApply(input);
    const auto pick = [&](int part, TColor own) {
        return custom ? input.PartColors[static_cast<size_t>(part)] : own;
    };
    TPreviewColors c{};
    c.Body = pick(7, style.Form.Color);
    c.Tab = pick(12, style.Tab.BaseColor);
    c.TabLight = pick(13, style.Tab.TopLineColor);
    c.TabDark = pick(14, style.Tab.BtmLineColor);
    c.TabSelectText = pick(8, style.TabFont.SelectColor);
    c.TabText = pick(15, style.TabFont.Color);
    c.PageCounter = pick(5, style.Tab.CounterColor);
    c.TitleFace = pick(1, style.TitleBar.BaseColor);
    c.TitleLight = pick(2, style.TitleBar.TopLineColor);
    c.TitleDark = pick(3, style.TitleBar.BtmLineColor);
    c.TitleText = pick(4, style.TitleFont.Color);
    c.ButtonCounter = pick(6, style.TitleBar.CounterColor);
    c.ButtonFace = pick(9, style.BtnBar.BaseColor);
    c.ButtonMark = pick(8, style.BtnBar.MarkColor);
    c.ButtonLight = pick(10, style.BtnBar.TopLineColor);
    c.ButtonDark = pick(11, style.BtnBar.BtmLineColor);
    return c;
}

namespace {

constexpr int kMargin = kHintSampleMargin;

// Copies of from, unscaled, with their top-left corners at the points of a grid that starts at
// origin and steps by from's size, columns x rows of them, each cut to clip.
void AddTiles(std::vector<THintSampleCopy>& plan, THintSampleSource source, const TRect& from,
              forms::TPoint origin, int columns, int rows, const TRect& clip) {
    const int fw = from.Width(), fh = from.Height();
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            const TRect tile = forms::Bounds(origin.X + column * fw, origin.Y + row * fh, fw, fh);
            const TRect to = tile.Intersect(clip);
            if (to.IsEmpty())
                continue;
            plan.push_back({source, to.Offset(from.Left - tile.Left, from.Top - tile.Top), to});
        }
}

void AddBody(std::vector<THintSampleCopy>& plan, int width, int height, int drawMode, TSize body) {
    const TRect inner = forms::Rect(kMargin, kMargin, width - kMargin, height - kMargin);
    if (inner.IsEmpty() || body.Width <= 0 || body.Height <= 0)
        return;
    const TRect whole{0, 0, body.Width, body.Height};
    if (drawMode == 1)
        plan.push_back({THintSampleSource::Body, whole, inner});
    else
        AddTiles(plan, THintSampleSource::Body, whole, inner.TopLeft(),
                 inner.Width() / body.Width + 1, inner.Height() / body.Height + 1,
                 forms::Rect(0, 0, width, height));
}

// Side cell index into the margin strip beside the inner area.
void AddSide(std::vector<THintSampleCopy>& plan, int width, int height, int drawMode, TSize sides,
             int index) {
    const std::optional<TRect> cell = StripCellRect(sides.Width, sides.Height, index, 2);
    const int left = index == 0 ? 0 : width - kMargin;
    const TRect strip = forms::Rect(left, kMargin, left + kMargin, height - kMargin);
    if (!cell || strip.IsEmpty())
        return;
    if (drawMode == 1)
        plan.push_back({THintSampleSource::Sides, *cell, strip});
    else
        AddTiles(plan, THintSampleSource::Sides, *cell, strip.TopLeft(), 1,
                 strip.Height() / cell->Height() + 1, strip);
}

// Edge half index laid over band in three slices with caps the margin wide.
void AddEdge(std::vector<THintSampleCopy>& plan, TSize edges, int index, const TRect& band) {
    const std::optional<TRect> half = StripCellRect(edges.Width, edges.Height, index, 2);
    if (!half)
        return;
    for (const TSliceCopy& c :
         ThreeSliceCopies(half->Width(), half->Height(), band, kMargin, kMargin))
        plan.push_back(
            {THintSampleSource::Edges, c.Source.Offset(half->Left, half->Top), c.Target});
}

} // namespace

std::vector<THintSampleCopy> HintSamplePlan(int width, int height, int drawMode,
                                            const THintSampleSizes& sizes) {
    std::vector<THintSampleCopy> plan;
    if (width <= 0 || height <= 0)
        return plan;
    if (drawMode == 1 || drawMode == 2) {
        AddBody(plan, width, height, drawMode, sizes.Body);
        AddSide(plan, width, height, drawMode, sizes.Sides, 0);
        AddSide(plan, width, height, drawMode, sizes.Sides, 1);
    }
    AddEdge(plan, sizes.Edges, 0, forms::Rect(0, 0, width, kMargin));
    AddEdge(plan, sizes.Edges, 1, forms::Rect(0, height - kMargin, width, height));
    return plan;
}

forms::PixelBuffer ComposeHintSample(int width, int height,
                                     const std::vector<THintSampleCopy>& plan,
                                     const forms::PixelView& edges, const forms::PixelView& sides,
                                     const forms::PixelView& body) {
    if (width <= 0 || height <= 0)
        return {};
    forms::PixelBuffer sample(width, height, 32);
    std::fill(sample.Bits().begin(), sample.Bits().end(), uint8_t{0xFF});
    const forms::PixelView target = sample.View();
    for (const THintSampleCopy& c : plan) {
        const forms::PixelView& source = c.Source == THintSampleSource::Edges   ? edges
                                         : c.Source == THintSampleSource::Sides ? sides
                                                                                : body;
        if (!source.Empty())
            forms::StretchCopy(target, c.To, source, c.From);
    }
    return sample;
}
