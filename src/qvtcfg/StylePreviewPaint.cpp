#include "qvtcfg/StylePreviewPaint.h"

#include "shared/DateFormat.h"
#include "shared/Drawing.h"
#include "shared/FileUtils.h"

#include "forms/base/Files.h"
#include "forms/base/Paths.h"

#include <algorithm>

using forms::TColor;
using forms::TPainter;
using forms::TRect;

namespace {

// The rings of the launch buttons that are not selected, as the bevel spin edit allows them.
constexpr int kMaxButtonBevel = 2;

bool HasGlyph(int glyphIndex) {
    return glyphIndex >= 1;
}

void Fill(TPainter& p, const TRect& r, TColor color) {
    p.SetBrushColor(color);
    p.FillRect(r);
}

// Rings inside r; the area inside them.
TRect Rings(TPainter& p, const TRect& r, TColor topColor, TColor bottomColor, int width) {
    TRect inside = r;
    DrawFrame3D(p, inside, topColor, bottomColor, width);
    return inside;
}

// The steps write their texts on a clear brush.
void Write(TPreviewSurface& surface, const TPreviewFont& font, forms::TPoint at,
           const std::optional<TRect>& clip, std::string_view text) {
    surface.Painter().SetBrushStyle(forms::TBrushStyle::bsClear);
    surface.WriteText(font, at, clip, text);
}

struct TModel {
    TPreviewSurface& Surface;
    TPainter& P;
    const TStylePreviewInput& Input;
    const TStiData& Style;
    const TPreviewColors& Colors;
    const TPreviewLayout& Layout;
};

void PaintTabs(const TModel& m) {
    const TTabColor& tab = m.Style.Tab;
    if (!HasGlyph(tab.GlyphIndex)) {
        Fill(m.P, m.Layout.TabRow, m.Colors.Tab);
        for (int i = 0; i < kPreviewTabCount; ++i) {
            const bool selected = i == 0;
            DrawTabFace(m.P, m.Layout.Tabs[static_cast<size_t>(i)], 2, m.Colors.Tab,
                        m.Colors.TabLight, m.Colors.TabDark, teBottom, selected, !selected);
        }
    } else {
        // The strip holds the selected tab's frame on the left, the others' on the right.
        for (int i = 0; i < kPreviewTabCount; ++i)
            m.Surface.StripCellSkin(pgTab, i == 0 ? 0 : 1, 2, m.Layout.Tabs[static_cast<size_t>(i)],
                                    tab.Trans);
    }
}

void PaintTabLabels(const TModel& m) {
    const TTabFontStatus& f = m.Style.TabFont;
    for (int i = 0; i < kPreviewTabCount; ++i) {
        const TPreviewFont font{f.Name, 9, f.Bold, f.Italic,
                                i == 0 ? m.Colors.TabSelectText : m.Colors.TabText};
        Write(m.Surface, font, m.Layout.TabLabels[static_cast<size_t>(i)], std::nullopt,
              kPreviewTabLabels[i]);
    }
}

void PaintArrows(const TModel& m) {
    Fill(m.P, m.Layout.ArrowArea, m.Colors.Tab);
    const std::pair<TRect, TMarkStyleEx> arrows[] = {{m.Layout.LeftArrow, bmsLeftArrow},
                                                     {m.Layout.RightArrow, bmsRightArrow}};
    // Each mark keeps its margin inside the rings, as the launcher's own arrows do.
    for (const auto& [box, mark] : arrows)
        DrawMarkStyle(m.P, Rings(m.P, box, m.Colors.TabLight, m.Colors.TabDark, 2), mark, 2, 0,
                      m.Colors.TabText);
}

void PaintPageCounter(const TModel& m) {
    if (!m.Input.CheckBoxPageCount)
        return;
    const TPreviewFont font{kPreviewPageCounterFont, 8, true, false, m.Colors.PageCounter};
    const TRect r = PageCounterRect(m.Layout, m.Surface.TextExtent(font, kPreviewPageCounter));
    Write(m.Surface, font, {r.Left, r.Top + 2}, r, kPreviewPageCounter);
}

void PaintTabRow(const TModel& m) {
    const TRect& box = m.Layout.Box;
    if (!m.Input.ChVisTab) {
        // Where the tab row would begin, the launcher's window ends: the style's own tab colour
        // fills the model down to there.
        Fill(m.P, forms::Rect(box.Left, box.Top, box.Right, m.Layout.TabTop),
             m.Style.Tab.BaseColor);
        return;
    }
    Fill(m.P, forms::Rect(box.Left, box.Top, box.Right, m.Layout.TabRow.Bottom), m.Colors.Body);
    PaintTabs(m);
    PaintTabLabels(m);
    PaintArrows(m);
    PaintPageCounter(m);
}

void PaintTitleBar(const TModel& m) {
    const TBaseBarColor& bar = m.Style.TitleBar;
    if (!HasGlyph(bar.GlyphIndex)) {
        Fill(m.P, m.Layout.TitleBar, m.Colors.TitleFace);
        Rings(m.P, m.Layout.TitleBar, m.Colors.TitleLight, m.Colors.TitleDark, 1);
    } else {
        m.Surface.SkinPartRotated(pgTitleBar, m.Layout.TitleBar, bar.Trans, 0);
    }
}

void PaintTitle(const TModel& m, forms::TDateTime now) {
    if (!m.Input.ChVisTitle)
        return;
    const TMsgFontStatus& f = m.Style.TitleFont;
    const TPreviewFont font{f.Name, 9, f.Bold, f.Italic, m.Colors.TitleText};
    if (m.Input.CheckBoxDateTime)
        Write(m.Surface, font, m.Layout.TitleAt, m.Layout.DateTimeClip,
              FormatDateTimeEx(kPreviewDateTimeFormat, now));
    else
        Write(m.Surface, font, m.Layout.TitleAt, std::nullopt,
              m.Input.CheckBoxVisPage ? kPreviewTitleInPage : kPreviewTitle);
}

void PaintButtonCounters(const TModel& m) {
    if (!m.Input.CheckBoxCellCount)
        return;
    const TPreviewFont font{kPreviewCounterFont, 8, true, false, m.Colors.ButtonCounter};
    Write(m.Surface, font, m.Layout.LowerCounter.TopLeft(), m.Layout.LowerCounter,
          kPreviewLowerCounter);
    Write(m.Surface, font, m.Layout.UpperCounterAt, std::nullopt, kPreviewUpperCounter);
}

void PaintTitleButtons(const TModel& m) {
    struct TTitleButton {
        const TBtnColor& Colors;
        const TRect& Rect;
        TPreviewGlyph Glyph;
        TMarkStyleEx Mark;
    };
    const TTitleButton buttons[] = {
        {m.Style.LockBtn, m.Layout.LockBtn, pgLockBtn, bmsCircle},
        {m.Style.WizBtn, m.Layout.WizBtn, pgWizBtn, bmsFrame},
        {m.Style.CloseBtn, m.Layout.CloseBtn, pgCloseBtn, bmsCross},
    };
    for (const TTitleButton& b : buttons) {
        if (HasGlyph(b.Colors.GlyphIndex)) {
            // Cell 0 of the four is the button at rest.
            m.Surface.StripCellStretched(b.Glyph, 0, 4, b.Rect, b.Colors.Trans);
            continue;
        }
        Fill(m.P, b.Rect, b.Colors.BaseColor);
        const TRect inside = Rings(m.P, b.Rect, b.Colors.TopLineColor, b.Colors.BtmLineColor, 1);
        DrawMarkStyle(m.P, inside, b.Mark, 3, 0, b.Colors.MarkColor);
    }
}

void PaintLaunchButtons(const TModel& m) {
    const TBtnColor& bar = m.Style.BtnBar;
    const auto& cells = m.Layout.Buttons;
    if (HasGlyph(bar.GlyphIndex)) {
        // The strip's cell 2 is a selected button, cell 0 one at rest.
        m.Surface.StripCellStretched(pgBtnBar, 2, 4, cells[0], bar.Trans);
        for (size_t i = 1; i < cells.size(); ++i)
            m.Surface.StripCellStretched(pgBtnBar, 0, 4, cells[i], bar.Trans);
        return;
    }
    Fill(m.P, cells[0], m.Colors.ButtonFace);
    if (m.Input.CBtnMarkStyle)
        Rings(m.P, cells[0], m.Colors.ButtonMark, m.Colors.ButtonMark, 2);
    else
        Fill(m.P, cells[0], m.Colors.ButtonMark);
    const int bevel = std::clamp(m.Input.SpinBevel, 0, kMaxButtonBevel);
    for (size_t i = 1; i < cells.size(); ++i) {
        Fill(m.P, cells[i], m.Colors.ButtonFace);
        Rings(m.P, cells[i], m.Colors.ButtonLight, m.Colors.ButtonDark, bevel);
    }
}

TPreviewFont HintFont(const TStylePreviewInput& input) {
    return {input.HintFontName, input.HintFontSpin, input.BtnBold, input.BtnItar,
            input.HintTextColor};
}

void DrawHintSampleBody(TPreviewSurface& surface, const TRect& r, int x, int y,
                        const TStylePreviewInput& input) {
    surface.Painter().SetBrushStyle(forms::TBrushStyle::bsClear);
    surface.ProgramIcon(LauncherProgramFile(input), {x + 10, y + 10});
    surface.WriteTextIn(HintFont(input), forms::Rect(x + 50, y + 12, r.Right - 10, r.Bottom - 10),
                        kHintSampleText);
}

void DrawPlainHintSample(TPreviewSurface& surface, const TRect& r, int x, int y,
                         const TStylePreviewInput& input) {
    TPainter& p = surface.Painter();
    Fill(p, r, input.HintBackColor);
    Rings(p, r, forms::clBtnHighlight, forms::clBtnShadow, 1);
    DrawHintSampleBody(surface, r, x, y, input);
}

} // namespace

bool HintSampleSkinned(const TStylePreviewInput& input) {
    return input.CheckBoxUseSubStyle && input.StyleSelected && input.StyleType != 0;
}

std::string LauncherProgramFile(const TStylePreviewInput& input) {
    const std::string folder =
        input.LauncherFolder.empty()
            ? forms::ExtractFilePath(GetLongPathNameStr(forms::ProgramPath()))
            : forms::IncludeTrailingBackslash(input.LauncherFolder);
    return folder + kLauncherProgramName;
}

void PaintHintSampleOn(TPreviewSurface& surface, const TRect& r, int x, int y,
                       const TStylePreviewInput& input) {
    if (!HintSampleSkinned(input)) {
        DrawPlainHintSample(surface, r, x, y, input);
        return;
    }
    TStiData style;
    LoadStyleFile(input.StylePath, style);
    const TSubFormColor& sub = style.SubForm;
    surface.LoadGlyphs(input.StylePath, {sub.GlyphH, sub.GlyphV, sub.Glyph});
    // A bitmap whose picture the style does not name still holds an earlier one: not used.
    const auto pixels = [&surface](int glyph, int item) {
        return HasGlyph(item) ? surface.GlyphPixels(glyph) : forms::PixelView();
    };
    const forms::PixelView edges = pixels(hgEdges, sub.GlyphH);
    const forms::PixelView sides = pixels(hgSides, sub.GlyphV);
    const forms::PixelView body = pixels(hgBody, sub.Glyph);
    const auto size = [](const forms::PixelView& v) {
        return v.Empty() ? forms::TSize{} : forms::TSize{v.Width(), v.Height()};
    };
    const int w = r.Width(), h = r.Height();
    const std::vector<THintSampleCopy> plan =
        HintSamplePlan(w, h, sub.DrawMode, {size(edges), size(sides), size(body)});
    const forms::PixelBuffer sample = ComposeHintSample(w, h, plan, edges, sides, body);
    if (!sample.Empty())
        surface.Picture(sample, {x, y}, true);
    DrawHintSampleBody(surface, r, x, y, input);
}

void PaintLauncherModel(TPreviewSurface& surface, const TRect& box, const TStylePreviewInput& input,
                        forms::TDateTime now) {
    if (!input.StyleSelected)
        return;
    // The style as it is in the file now; one that cannot be read as a style keeps the defaults.
    TStiData style;
    LoadStyleFile(input.StylePath, style);
    surface.LoadGlyphs(input.StylePath, {style.LockBtn.GlyphIndex, style.WizBtn.GlyphIndex,
                                         style.CloseBtn.GlyphIndex, style.BtnBar.GlyphIndex,
                                         style.Tab.GlyphIndex, style.TitleBar.GlyphIndex});
    const forms::TSize digits{surface.BoxTextExtent(kPreviewDigitsWidthText).Width,
                              surface.BoxTextExtent(kPreviewDigitsHeightText).Height};

    TPainter& p = surface.Painter();
    Fill(p, box, forms::clBackground);
    const TPreviewColors colors = PreviewColors(style, input);
    p.SetBrushColor(colors.Body);
    const TPreviewLayout layout = LayoutPreviewRects(box, digits, input.ChVisTab);
    const TModel m{surface, p, input, style, colors, layout};

    PaintTabRow(m);
    PaintTitleBar(m);
    PaintTitle(m, now);
    PaintButtonCounters(m);
    PaintTitleButtons(m);
    PaintLaunchButtons(m);

    if (input.CBtnPopupHint) {
        const TRect& hint = layout.HintSample;
        PaintHintSampleOn(surface, hint, hint.Left, hint.Top, input);
    } else {
        Fill(p, layout.HintOff, forms::clBackground);
    }
}
