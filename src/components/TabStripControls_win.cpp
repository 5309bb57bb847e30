#include "components/TabStripControls.h"

#include "forms/base/Method.h"
#include "shared/SkinDrawing.h"

#include <algorithm>

using namespace forms;

// ---- TBaseGrid ----

TBaseGrid::TBaseGrid(TComponent* owner) : TCustomDrawGrid(owner) {
    SetColCount(10);
    SetRowCount(1);
    SetTabStop(false);
    SetDefaultColWidth(38);
    SetDefaultRowHeight(38);
    SetBounds(0, 0, 380, 38);
    SetParentColor(false);
}

void TBaseGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    switch (button) {
    case TMouseButton::mbLeft:
        mouseDownBtn_ = mbtLeft;
        break;
    case TMouseButton::mbRight:
        mouseDownBtn_ = mbtRight;
        break;
    case TMouseButton::mbMiddle:
        mouseDownBtn_ = mbtMiddle;
        break;
    }
    TCustomDrawGrid::MouseDown(button, shift, x, y);
}

void TBaseGrid::MouseMove(TShiftState shift, int x, int y) {
    if (noneClick_) {
        int col = -1, row = -1;
        MouseToCell(x, y, col, row);
        const std::weak_ptr<void> life = LifeToken();
        SetCol(std::max(col, 0));
        if (life.expired())
            return;
        SetRow(std::max(row, 0));
        if (life.expired())
            return;
    }
    TCustomDrawGrid::MouseMove(shift, x, y);
}

void TBaseGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    mouseDownBtn_ = mbtNone;
    TCustomDrawGrid::MouseUp(button, shift, x, y);
}

// ---- TKTabPanel ----

TKTabPanel::TKTabPanel(TComponent* owner) : TBaseGrid(owner), glyph_(std::make_unique<TBitmap>()) {
    SetColCount(0);
    SetDefaultRowHeight(24);
    SetDefaultColWidth(56);
    SetBounds(0, 0, 224, 24);
    SetParentFont(true);
    SetColor(clBtnFace);
    SetParentColor(true);
    SetNoneClick(false);

    counter_ = MakeOwned<TLabel>(this);
    counter_->SetVisible(false);
    counter_->SetShowHint(true);
    counter_->SetAlignment(TAlignment::taRightJustify);
    counter_->Font().SetName("Arial");
    counter_->Font().SetSize(8);
    counter_->Font().SetStyle(fsBold);
    counter_->Font().SetColor(counterColor_);
    counter_->SetTransparent(false);
    counter_->SetCaption("000/000");
    counter_->SetParent(this);
    UpdateCounter();

    arrows_ = MakeOwned<TScrollBtns>(this);
    arrows_->SetVisible(false);
    arrows_->SetBounds(0, 0, 30, 15);
    arrows_->OnMouseDown = forms::Method(this, &TKTabPanel::ScrollBtnsMouseDown);
    arrows_->SetParent(this);
}

TKTabPanel::~TKTabPanel() = default;

void TKTabPanel::SetBtmLineColor(TColor value) {
    strip_.Look.BtmLineColor = value;
    if (arrows_)
        arrows_->SetBtmLineColor(value);
    Invalidate();
}

void TKTabPanel::SetSelectColor(TColor value) {
    strip_.Look.SelectColor = value;
    Invalidate();
}

void TKTabPanel::SetBaseColor(TColor value) {
    strip_.Look.BaseColor = value;
    SetColor(value);
    if (arrows_)
        arrows_->SetBaseColor(value);
    Invalidate();
}

void TKTabPanel::SetTopLineColor(TColor value) {
    strip_.Look.TopLineColor = value;
    Invalidate();
}

void TKTabPanel::SetNonSelectColor(TColor value) {
    strip_.Look.NonSelectColor = value;
    if (arrows_)
        arrows_->SetMarkColor(value);
    Invalidate();
}

void TKTabPanel::SetUseGlyph(bool value) {
    if (value == strip_.Look.UseGlyph)
        return;
    strip_.Look.UseGlyph = value;
    Invalidate();
}

void TKTabPanel::SetGlyphTrans(bool value) {
    strip_.Look.GlyphTrans = value;
    Invalidate();
}

void TKTabPanel::SetVisibleCounter(bool value) {
    visibleCounter_ = value;
    if (counter_)
        counter_->SetVisible(value && !strip_.Vertical());
    UpdateCounter();
}

void TKTabPanel::SetCounterBackTrans(bool value) {
    counterBackTrans_ = value;
    if (counter_)
        counter_->SetTransparent(value);
    UpdateCounter();
}

void TKTabPanel::SetCounterColor(TColor value) {
    counterColor_ = value;
    if (counter_)
        counter_->Font().SetColor(value);
    UpdateCounter();
}

// ---- events ----

void TKTabPanel::Change() {
    if (arrows_)
        arrows_->Hide();
    if (OnChange) {
        const std::weak_ptr<void> life = LifeToken();
        OnChange(this);
        if (life.expired())
            return;
    }
    PlaceScrollBtns();
    UpdateCounter();
}

void TKTabPanel::Click() {
    strip_.Click();
    TBaseGrid::Click();
}

void TKTabPanel::MouseMove(TShiftState shift, int x, int y) {
    const std::weak_ptr<void> life = LifeToken();
    TBaseGrid::MouseMove(shift, x, y);
    if (!life.expired())
        strip_.MouseMoved(NoneClick());
}

void TKTabPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    const std::weak_ptr<void> life = LifeToken();
    TBaseGrid::MouseUp(button, shift, x, y);
    if (life.expired())
        return;
    strip_.Released();
    if (life.expired())
        return;
    // The strip takes the focus on a press (it is a grid) and hands it on after the release.
    if (TWinControl* parent = Parent(); parent && parent->Visible() && parent->HandleAllocated())
        SendMessageW(parent->Handle(), WM_NEXTDLGCTL, 0, 0);
}

void TKTabPanel::Resize() {
    const std::weak_ptr<void> life = LifeToken();
    TBaseGrid::Resize();
    if (life.expired())
        return;
    PlaceScrollBtns();
    UpdateCounter();
}

void TKTabPanel::ScrollBtnsMouseDown(TComponent* /*sender*/, TMouseButton /*button*/,
                                     TShiftState /*shift*/, int /*x*/, int /*y*/) {
    if (arrows_)
        strip_.ArrowPressed(arrows_->Value(), arrows_->Visible());
}

void TKTabPanel::Notification(TComponent* component, TOperation operation) {
    TBaseGrid::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == counter_)
        counter_ = nullptr;
    if (component == arrows_)
        arrows_ = nullptr;
}

// ---- arrows and counter ----

void TKTabPanel::PlaceScrollBtns() {
    if (!arrows_) // not made yet: the constructor's own sizing
        return;
    arrows_->Hide();
    arrows_->BringToFront();
    Invalidate();
    arrows_->SetBaseColor(strip_.Look.BaseColor);
    arrows_->SetTopLineColor(strip_.Look.TopLineColor);
    arrows_->SetBtmLineColor(strip_.Look.BtmLineColor);
    arrows_->SetButtonType(ArrowsType(strip_.TabPosition()));
    const TPoint at = ArrowsOrigin(strip_.TabPosition(), {Width(), Height()}, DefaultRowHeight(),
                                   {arrows_->Width(), arrows_->Height()});
    arrows_->SetBounds(at.X, at.Y, arrows_->Width(), arrows_->Height());
    arrows_->Show();
    Invalidate();
}

void TKTabPanel::UpdateCounter() {
    if (!counter_ || !counter_->Visible())
        return;
    counter_->Hide();
    counter_->BringToFront();
    Invalidate();
    counter_->Show();
    counter_->SetCaption(strip_.CounterCaption());
    counter_->SetHint(strip_.CounterHint());
    // The label sizes itself to its caption; only its place is ours.
    const TPoint at = CounterOrigin({Width(), Height()}, {counter_->Width(), counter_->Height()});
    counter_->SetBounds(at.X, at.Y, counter_->Width(), counter_->Height());
    counter_->Invalidate();
}

void TKTabPanel::HideCounter() {
    if (counter_)
        counter_->Hide();
}

// ---- caption font ----

void TKTabPanel::CopyControlFont() {
    captionFont_.SetName(Font().Name());
    captionFont_.SetStyle(Font().Style());
    captionFont_.SetHeight(Font().Height());
}

void TKTabPanel::TurnCaptionFont(TTabEdgePosition position) {
    // The font takes the new handle over and deletes the one it had: one rotated font at a time.
    captionFont_.SetHandle(GetEdgeFont(captionFont_, position));
}

TCanvas& TKTabPanel::MeasureCanvas() {
    if (!measureCanvas_) {
        measureContext_ = std::make_unique<MemoryDC>();
        measureCanvas_ = std::make_unique<TCanvas>(measureContext_->Handle());
    }
    measureCanvas_->Font().Assign(captionFont_);
    return *measureCanvas_;
}

int TKTabPanel::CaptionWidth(std::string_view text) {
    return MeasureCanvas().TextWidth(text);
}

int TKTabPanel::CaptionHeight(std::string_view text) {
    return MeasureCanvas().TextHeight(text);
}

// ---- painting ----

void TKTabPanel::PaintSkin(const TTabCellPlan& plan) {
    // The frame for this state, cut from the two-frame skin; an empty or too narrow skin leaves
    // nothing (or a blank frame) to draw.
    TBitmap frame;
    if (glyph_->Width() >= 2 && glyph_->Height() > 0) {
        frame.SetSize(glyph_->Width() / 2, glyph_->Height());
        CopyStripCell(&frame, glyph_.get(), plan.SkinFrame, 2);
    }
    DrawSkinPart(Canvas(), &frame, plan.SkinRect, 0, 0, plan.SkinAngle, strip_.Look.GlyphTrans);
}

void TKTabPanel::DrawCell(int col, int row, const TRect& rect, TGridDrawState state) {
    const TTabCellPlan plan =
        strip_.PlanCell(col, row, rect, (state & (gdSelected | gdFocused)) != 0);
    if (!plan.Paint)
        return;
    TCanvas& c = Canvas();
    c.Brush().SetColor(Color());
    c.FillRect(plan.Fill);
    if (plan.Skin) {
        PaintSkin(plan);
    } else {
        const TTabLook& look = strip_.Look;
        DrawTabFace(c, plan.Fill, 2, look.BaseColor, look.TopLineColor, look.BtmLineColor,
                    strip_.TabPosition(), plan.Selected, !plan.Selected);
    }
    if (plan.HasCaption) {
        c.Font().Assign(captionFont_);
        c.Font().SetColor(plan.CaptionColor);
        c.Brush().SetStyle(TBrushStyle::bsClear);
        c.TextRect(plan.CaptionRect, plan.X, plan.Y, plan.Caption);
    }
    TBaseGrid::DrawCell(col, row, rect, state);
}
