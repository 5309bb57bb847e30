// The launcher's settings file read into its record, and the values taken on to what uses them
// without a window: the pop-up hint's sizes and place, the window's layout, the title clock and
// the hot key. Any text reads without a fault other than a colour that is none, and the values
// read, whatever they are, compute without overflow.
#include "FuzzTarget.h"

#include "components/HintLayout.h"
#include "forms/base/Exceptions.h"
#include "qvtdock/HintPlacement.h"
#include "qvtdock/Layout.h"
#include "qvtdock/StylePlan.h"
#include "shared/DateFormat.h"
#include "shared/HotKeyText.h"
#include "shared/Settings.h"

#include <algorithm>

namespace {

// Six pixels a byte, twelve a line, wrapped at the width.
class FixedMeasurer : public THintMeasurer {
public:
    int TextWidth(std::string_view line) override { return 6 * static_cast<int>(line.size()); }
    forms::TSize WrappedSize(std::string_view text, int width) override {
        const int whole = TextWidth(text);
        const int w = std::clamp(width, 1, std::max(whole, 1));
        return {w, 12 * (1 + whole / w)};
    }
};

void UseHintValues(const TAppCfg& cfg) {
    const THintValues v = HintValuesOf(cfg);
    THintMetrics m; // as the launcher sets up its hint
    m.LeftMargin = m.RightMargin = m.TopMargin = m.HeightMargin = kHintMargin;
    m.LockWidth = v.LockWidth;
    m.IsIcon = v.IsIcon;
    m.MaxLine = v.MaxLine;
    m.MaxWidth = v.MaxWidth;
    m.FontSize = v.FontSize;
    FixedMeasurer measurer;
    const std::string text = "[ページ]\r\n題名 : \r\n説明の一行目\r\n二行目";
    const forms::TRect hint = HintRect(m, measurer, v.MaxWidth, text);
    (void)HintTextRect(m, measurer, hint, text);
    (void)ShownHintRect(m, measurer, 300, 200, v.MaxWidth, 0, text);

    TLayoutInput in;
    in.BtnSize = cfg.BtnSize;
    in.FormSize = cfg.FormSize;
    in.RowMax = cfg.RowMax;
    in.BtnCount = 100;
    in.TabHeight = cfg.TabHeight;
    in.TabsShown = cfg.VisTab;
    const TWindowLayout layout = PlanLayout(in);
    THintBar bar;
    bar.BtnSize = UsableBtnSize(cfg.BtnSize);
    bar.ColCount = layout.Grid.ColCount;
    bar.XOffset = v.XMargin;
    bar.YOffset = v.YMargin;
    bar.VisTab = cfg.VisTab;
    bar.TabHeight = cfg.TabHeight;
    (void)CalcHintPos(v.Locate, in.BtnCount - 1, hint.Width() + (v.IsIcon ? kHintIconWidth : 0),
                      hint.Height(), bar);

    THintBelowForm below;
    below.X = 100;
    below.Y = 700;
    below.Width = v.LockWidth ? v.MaxWidth : std::max(v.MaxWidth, layout.ClientWidth);
    below.WindowTop = 600;
    below.Text = {hint.Width(), hint.Height()};
    below.LockWidth = v.LockWidth;
    below.MaxWidth = v.MaxWidth;
    below.UseGlyph = below.UseStyle = v.UseStyle;
    below.MaxLine = v.MaxLine;
    below.HeightMargin = below.TopMargin = kHintMargin;
    (void)PlaceHintBelowForm(below, [](int) { return true; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fuzz::ScratchFile file(".ini");
    TAppCfg cfg;
    try {
        LoadAppCfg(file.Write(fuzz::Bytes(data, size)), cfg);
    } catch (const forms::EConversionError&) { // a colour that is none
        return 0;
    }
    UseHintValues(cfg);
    (void)FormatDateTimeEx(cfg.DateTimeFmt, forms::EncodeDate(2026, 12, 9) + 0.75,
                           forms::JapaneseFormatSettings());
    (void)ReadHotKeyText(cfg.KeyShow, TKeyNames());
    return 0;
}
