#include "components/PopupHint.h"

#include "components/BitmapRegion.h"
#include "components/HintSkin.h"
#include "shared/Drawing.h"

#include "forms/gfx/Region.h"
#include "forms/win/Screen.h"

#include <utility>

using namespace forms;

namespace {

// The setter every hint window reads; the newest setter alive.
THintSetter* g_setter = nullptr;

// The hint's window starts light yellow, whatever the system's info colour is.
constexpr TColor kStartColor = 0x0080FFFF;

constexpr UINT kWrapFlags = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;

// Measures on a canvas in the font it holds.
class TCanvasMeasurer : public THintMeasurer {
public:
    explicit TCanvasMeasurer(TCanvas& canvas) : canvas_(canvas) {}
    int TextWidth(std::string_view line) override { return canvas_.TextWidth(line); }
    TSize WrappedSize(std::string_view text, int width) override {
        TRect r{0, 0, width, 0};
        canvas_.DrawTextIn(text, r, DT_CALCRECT | kWrapFlags);
        return {r.Width(), r.Height()};
    }

private:
    TCanvas& canvas_;
};

// The look of the setter's style; a skin needs all three of its pictures.
THintLook LookOf(THintSetter& s) {
    const bool skinPresent = !s.Glyph().Empty() && !s.HGlyph().Empty() && !s.VGlyph().Empty();
    return HintLook(s.Style(), s.UseGlyph(), s.UseStyle(), skinPresent);
}

} // namespace

// ---- TRvHint ----

TRvHint::TRvHint(TComponent* owner) : THintWindow(owner) {
    SetControlStyle(ControlStyle() | csCaptureMouse | csClickEvents);
    SetColor(kStartColor);
    skin_.SetPixelFormat(TPixelFormat::pf32bit);
}

void TRvHint::CreateParams(TCreateParams& p) {
    THintWindow::CreateParams(p);
    p.Style = WS_POPUP;
    p.ExStyle |= WS_EX_ACCEPTFILES;
}

int TRvHint::TextWidth(std::string_view text, int maxLines) {
    THintSetter* s = THintSetter::Instance();
    if (!s)
        return 0;
    Canvas().Font().Assign(s->Font());
    TCanvasMeasurer measurer(Canvas());
    return HintTextWidth(s->Metrics(), measurer, text, maxLines);
}

TRect TRvHint::CalcHintRect(int maxWidth, const std::string& hint) {
    THintSetter* s = THintSetter::Instance();
    if (!s)
        return THintWindow::CalcHintRect(maxWidth, hint);
    Canvas().Font().Assign(s->Font());
    TCanvasMeasurer measurer(Canvas());
    return HintRect(s->Metrics(), measurer, maxWidth, hint);
}

void TRvHint::DropRegion() {
    // The system owns a region once the window has it, and frees it when it is replaced.
    if (hasRegion_ && ExistingHandle())
        SetWindowRgn(ExistingHandle(), nullptr, FALSE);
    hasRegion_ = false;
}

void TRvHint::ActivateHint(const TRect& r, const std::string& hint) {
    DropRegion();
    HandleNeeded();
    THintSetter* s = THintSetter::Instance();
    TRegion region;
    if (s) {
        switch (LookOf(*s)) {
        case THintLook::Round:
            region = TRegion::FromRoundRect(Rect(0, 0, r.Width(), r.Height()), s->LeftMargin(),
                                            s->TopMargin());
            skin_.SetSize(0, 0);
            break;
        case THintLook::Skin:
            BuildStyleBitmap(r);
            if (!skin_.Empty()) {
                const TColor key = skin_.Pixels().ColorAt(0, skin_.Height() - 1);
                skin_.SetTransparentColor(key);
                skin_.SetTransparent(true);
                region = BitmapToRegion(&skin_, key);
            }
            break;
        default:
            skin_.SetSize(0, 0);
            break;
        }
    }
    if (!region.Empty() && region.ApplyToWindow(Handle(), true))
        hasRegion_ = true;
    THintWindow::ActivateHint(r, hint);
}

void TRvHint::BuildStyleBitmap(const TRect& r) {
    // A fresh picture each time: nothing of an earlier hint may show where the skin draws nothing.
    skin_.SetSize(0, 0);
    THintSetter* s = THintSetter::Instance();
    if (!s || r.Width() <= 0 || r.Height() <= 0)
        return;
    skin_.SetSize(r.Width(), r.Height());
    if (!s->UseGlyph())
        return;
    TBitmap& body = s->Glyph();
    TBitmap& edges = s->HGlyph();
    TBitmap& sides = s->VGlyph();
    const THintSkinSizes sizes{{body.Width(), body.Height()},
                               {edges.Width(), edges.Height()},
                               {sides.Width(), sides.Height()}};
    const auto plan = HintSkinPlan(r.Width(), r.Height(), s->Metrics(), s->DrawStyle(), sizes);
    ComposeHintSkin(skin_.Pixels(), body.Pixels(), edges.Pixels(), sides.Pixels(), plan);
}

void TRvHint::DestroyHandle() {
    DropRegion();
    THintWindow::DestroyHandle();
}

void TRvHint::Paint() {
    THintSetter* s = THintSetter::Instance();
    if (!s) {
        THintWindow::Paint();
        return;
    }
    TCanvas& c = Canvas();
    c.Font().Assign(s->Font());
    const TRect client = ClientRect();
    switch (LookOf(*s)) {
    case THintLook::Plain: {
        c.Brush().SetColor(Color());
        c.FillRect(client);
        c.Brush().SetStyle(TBrushStyle::bsClear);
        TRect frame = client;
        DrawFrame3D(c, frame, s->TopLineColor(), s->BtmLineColor(), 1);
        break;
    }
    case THintLook::Round:
        c.Brush().SetColor(Color());
        c.FillRect(client);
        c.RoundRect(Rect(0, 0, Width(), Height()), s->LeftMargin(), s->TopMargin());
        c.Brush().SetStyle(TBrushStyle::bsClear);
        break;
    case THintLook::OwnerDraw:
        if (s->OnPaint)
            s->OnPaint(Caption(), c, Width(), Height());
        break;
    case THintLook::Skin:
        c.Draw(0, 0, skin_);
        c.Brush().SetStyle(TBrushStyle::bsClear);
        break;
    }
    TCanvasMeasurer measurer(c);
    TRect text = HintTextRect(s->Metrics(), measurer, client, Caption());
    c.DrawTextIn(Caption(), text, kWrapFlags);
    if (s->IsIcon())
        c.DrawIconAt(s->LeftMargin(), s->TopMargin(), s->Icon(),
                     s->MaxLine() == 1 ? 16 : GetSystemMetrics(SM_CXICON));
}

void TRvHint::WMEraseBkgnd(TMessage& m) {
    THintSetter* s = THintSetter::Instance();
    if (!s || s->Style() == hwsNormal) {
        // The plain look's paint covers every pixel.
        m.Result = 1;
        return;
    }
    if (skin_.Empty()) {
        THintWindow::WMEraseBkgnd(m);
        return;
    }
    BitBlt(reinterpret_cast<HDC>(m.WParam), 0, 0, skin_.Width(), skin_.Height(),
           skin_.Canvas().Handle(), 0, 0, SRCCOPY);
    m.Result = 1;
}

void TRvHint::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    THintSetter* s = THintSetter::Instance();
    if (s && InHintLinkSquare(s->Metrics(), x, y)) {
        LinkClick(button, shift, x, y);
        return;
    }
    THintWindow::MouseUp(button, shift, x, y);
}

void TRvHint::LinkClick(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnLinkClick)
        OnLinkClick(this, button, shift, x, y);
}

// ---- THintSetter ----

THintSetter::THintSetter(TComponent* owner)
    : TComponent(owner), glyph_(std::make_unique<TBitmap>()), hGlyph_(std::make_unique<TBitmap>()),
      vGlyph_(std::make_unique<TBitmap>()), maxWidth_(Screen.Width()),
      font_(std::make_unique<TFont>(Screen.HintFont())), icon_(std::make_unique<TIcon>()) {
    font_->SetColor(clInfoText);
    hintWindow_ = MakeOwned<TRvHint>(this);
    g_setter = this;
}

THintSetter::~THintSetter() {
    DestroyHintWindow();
    if (g_setter == this)
        g_setter = nullptr;
}

void THintSetter::BeforeDestruction() {
    // The window goes while this setter, which it reads, still exists.
    DestroyHintWindow();
    TComponent::BeforeDestruction();
    if (g_setter == this)
        g_setter = nullptr;
}

void THintSetter::DestroyHintWindow() {
    if (!hintWindow_)
        return;
    Scoped<TComponent> window = RemoveComponent(std::exchange(hintWindow_, nullptr));
    window.reset();
}

THintSetter* THintSetter::Instance() {
    return g_setter;
}

THintMetrics THintSetter::Metrics() const {
    THintMetrics m;
    m.LeftMargin = leftMargin_;
    m.RightMargin = rightMargin_;
    m.TopMargin = topMargin_;
    m.HeightMargin = heightMargin_;
    m.MaxWidth = maxWidth_;
    m.MaxHeight = maxHeight_;
    m.MaxLine = maxLine_;
    m.IsIcon = isIcon_;
    m.LockWidth = lockWidth_;
    m.FontSize = font_->Size();
    m.PixelsPerInch = font_->PixelsPerInch();
    return m;
}

int THintSetter::LineHeight(int n) const {
    return Metrics().LineHeight(n);
}

void THintSetter::ShowHintAt(int x, int y, int width, int height) {
    if (!hintWindow_)
        return;
    TCanvas& c = hintWindow_->Canvas();
    c.Font().Assign(*font_);
    TCanvasMeasurer measurer(c);
    const TRect r = ShownHintRect(Metrics(), measurer, x, y, width, height, hintStr_);
    hintWindow_->ActivateHint(r, hintStr_);
}

void THintSetter::HideHint() {
    if (hintWindow_)
        hintWindow_->ReleaseHandle();
}

void THintSetter::SetBkColor(TColor value) {
    bkColor_ = value;
    if (hintWindow_)
        hintWindow_->SetColor(value);
}

void THintSetter::SetFont(const TFont& value) {
    if (&value != font_.get())
        font_->Assign(value);
}

void THintSetter::SetIcon(const TIcon* value) {
    if (value == icon_.get())
        return;
    if (value)
        icon_->Assign(*value);
    else
        icon_->SetHandle(nullptr);
}

void THintSetter::AssignBitmap(TBitmap& target, const TBitmap* value) {
    if (value == &target)
        return;
    if (value)
        target.Assign(*value);
    else
        target.SetSize(0, 0);
}
