#include "components/ButtonGridControls.h"

#include "forms/win/GraphicControl.h"
#include "forms/win/RedrawSuspension.h"
#include "shared/BitmapEffects.h"
#include "shared/SkinDrawing.h"

using namespace forms;

namespace {

TGridMouse GridMouse(int x, int y, bool plainLeftPress) {
    TGridMouse m;
    m.X = x;
    m.Y = y;
    m.PlainLeftPress = plainLeftPress;
    return m;
}

} // namespace

// ---- TQvtBtnPanel ----

TQvtBtnPanel::TQvtBtnPanel(TComponent* owner)
    : TQvtBtnPanel(owner,
                   [](TButtonGridHost& host) { return std::make_unique<TButtonGrid>(host); }) {}

TQvtBtnPanel::TQvtBtnPanel(TComponent* owner, TGridMaker makeGrid)
    : TCustomControl(owner), offscreen_(std::make_unique<TBitmap>()), grid_(makeGrid(*this)) {
    SetControlStyle(ControlStyle() | csOpaque | csDoubleClicks);
    SetTabStop(true);
    grid_->UpdateSize();
}

TQvtBtnPanel::~TQvtBtnPanel() = default;

TPoint TQvtBtnPanel::BtnCenterOnScreen(int index) {
    return ClientToScreen(grid_->CellCenter(index));
}

void TQvtBtnPanel::CreateWnd() {
    TCustomControl::CreateWnd();
    const HWND window = Handle();
    SetWindowLongW(window, GWL_STYLE, GetWindowLongW(window, GWL_STYLE) | WS_CLIPSIBLINGS);
}

void TQvtBtnPanel::Paint() {
    DrawAll();
    DrawBtn(grid_->MarkedCell(), true);
}

void TQvtBtnPanel::DrawAll() {
    for (int i = 0; i < Count(); ++i)
        DrawBtn(i, false);
}

void TQvtBtnPanel::DrawBtn(int index, bool marked) {
    TRect r;
    if (grid_->CellRect(index, r))
        DrawButton(r, index, marked, false, nullptr, false);
}

TCellState TQvtBtnPanel::CellState(const TRect& r, int index, bool marked, bool hasIcon,
                                   bool translucent) const {
    TCellState cell;
    cell.Size = r.Width();
    cell.Enabled = Enabled();
    cell.IsButton = hasIcon;
    cell.Marked = marked;
    cell.Translucent = translucent;
    cell.Down = grid_->Down();
    cell.IsSelected = index == grid_->BtnIndex();
    return cell;
}

void TQvtBtnPanel::DrawButton(const TRect& r, int index, bool marked, bool hasIcon,
                              const TIcon* icon, bool translucent) {
    if (!BeginCell(r))
        return;
    const TCellPlan plan = PlanDrawnCell(look_, CellState(r, index, marked, hasIcon, translucent));
    DrawCellShapes(CellCanvas(), plan);
    DrawCellIcon(plan.Icon, icon);
    ShowCell(r);
}

bool TQvtBtnPanel::BeginCell(const TRect& r) {
    if (!HandleAllocated() || !r.Intersects(ClientRect()))
        return false;
    // A bar wider than its panel shows few of its cells: those out of view cost nothing.
    RECT clip{};
    if (GetClipBox(Canvas().Handle(), &clip) == NULLREGION ||
        !r.Intersects(TRect{clip.left, clip.top, clip.right, clip.bottom}))
        return false;
    offscreen_->SetSize(r.Width(), r.Height());
    return true;
}

void TQvtBtnPanel::DrawCellIcon(const TIconPlan& plan, const TIcon* icon) {
    if (!plan.Visible || !icon || icon->Empty())
        return;
    const int side = plan.Box.Width();
    if (!plan.Translucent) {
        CellCanvas().DrawIconAt(plan.Box.Left, plan.Box.Top, *icon, side);
        return;
    }
    // The icon on a white picture that leaves out its bottom-left pixel's colour (white where the
    // icon has a transparent corner), blended half with the face below.
    TBitmap picture(side, side);
    picture.Canvas().DrawIconAt(0, 0, *icon, side);
    picture.SetTransparentMode(TTransparentMode::tmAuto);
    picture.SetTransparent(true);
    DrawGraphicHalf(CellCanvas(), plan.Box.Left, plan.Box.Top, picture, true);
}

void TQvtBtnPanel::ShowCell(const TRect& r) {
    offscreen_->DrawTo(Canvas().Handle(), r, SRCCOPY);
}

bool TQvtBtnPanel::IsPlainLeftPress(TMouseButton button, TShiftState shift) {
    return button == TMouseButton::mbLeft && shift == ssLeft;
}

bool TQvtBtnPanel::GraphicChildAt(TPoint p) const {
    for (int i = 0; i < ControlCount(); ++i) {
        const TControl* c = Controls(i);
        if (dynamic_cast<const TGraphicControl*>(c) && c->Visible() && c->Enabled() &&
            c->BoundsRect().Contains(p))
            return true;
    }
    return false;
}

void TQvtBtnPanel::GridResized(int width, int height) {
    SetBounds(Left(), Top(), width, height);
}

void TQvtBtnPanel::Change() {
    if (OnChange)
        OnChange(this);
}

void TQvtBtnPanel::BtnMouseWheel(int wheelDelta) {
    if (OnBtnMouseWheel)
        OnBtnMouseWheel(this, wheelDelta);
}

UINT TQvtBtnPanel::DlgCode() {
    return DLGC_WANTARROWS | DLGC_WANTCHARS;
}

void TQvtBtnPanel::KeyDown(uint16_t& key, TShiftState shift) {
    grid_->KeyDown(key, [this, shift](uint16_t& k) { TCustomControl::KeyDown(k, shift); });
}

void TQvtBtnPanel::KeyUp(uint16_t& key, TShiftState shift) {
    grid_->KeyUp(key, [this, shift](uint16_t& k) { TCustomControl::KeyUp(k, shift); });
}

void TQvtBtnPanel::WndProc(TMessage& m) {
    if (m.Msg == WM_SETFOCUS || m.Msg == WM_KILLFOCUS) {
        grid_->SetFocused(m.Msg == WM_SETFOCUS);
        Invalidate();
    }
    TCustomControl::WndProc(m);
}

void TQvtBtnPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGridMouse m = GridMouse(x, y, IsPlainLeftPress(button, shift));
    m.LibraryEvent = [&] { TCustomControl::MouseDown(button, shift, x, y); };
    grid_->MouseDown(m);
}

void TQvtBtnPanel::MouseMove(TShiftState shift, int x, int y) {
    TGridMouse m = GridMouse(x, y, false);
    m.LibraryEvent = [&] { TCustomControl::MouseMove(shift, x, y); };
    grid_->MouseMove(m);
}

void TQvtBtnPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TGridMouse m = GridMouse(x, y, false);
    m.LibraryEvent = [&] { TCustomControl::MouseUp(button, shift, x, y); };
    grid_->MouseUp(m);
}

bool TQvtBtnPanel::MouseWheel(TShiftState /*shift*/, int delta, TPoint mousePos) {
    grid_->Wheel(delta, GraphicChildAt(mousePos));
    return true;
}

// ---- TQvtIconBtns ----

TQvtIconBtns::TQvtIconBtns(TComponent* owner)
    : TQvtBtnPanel(owner,
                   [](TButtonGridHost& host) -> std::unique_ptr<TButtonGrid> {
                       return std::make_unique<TIconButtonGrid>(host);
                   }),
      iconList_(std::make_unique<TIconList>()) {}

TQvtIconBtns::~TQvtIconBtns() = default;

void TQvtIconBtns::ShowIcons(const TIconList* list, int first, int count) {
    view_ = list ? TIconView{list, std::max(0, first), std::max(0, count)} : TIconView{};
    Invalidate();
}

const TIcon* TQvtIconBtns::ButtonIcon(int index) const {
    if (!IsButton(index))
        return nullptr;
    if (!view_.List)
        return iconList_->GetItem(index);
    // A list that changed before it was shown anew draws no icon rather than a wrong one.
    const int i = view_.First + index;
    return i < view_.List->Count() ? view_.List->GetItem(i) : nullptr;
}

void TQvtIconBtns::DrawBtn(int index, bool marked) {
    TRect r;
    if (!Grid().CellRect(index, r))
        return;
    if (IsButton(index))
        DrawButton(r, index, marked, true, ButtonIcon(index), Look().BtnTranslucent);
    else
        DrawButton(r, index, marked, false, nullptr, false);
}

void TQvtIconBtns::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGridMouse m = GridMouse(x, y, IsPlainLeftPress(button, shift));
    m.NoneBtnEvent = [&] { NoneBtnMouseDown(button, shift, x, y); };
    m.LibraryEvent = [&] { TCustomControl::MouseDown(button, shift, x, y); };
    Grid().MouseDown(m);
}

void TQvtIconBtns::MouseMove(TShiftState shift, int x, int y) {
    TGridMouse m = GridMouse(x, y, false);
    m.NoneBtnEvent = [&] { NoneBtnMouseMove(shift, x, y); };
    m.LibraryEvent = [&] { TCustomControl::MouseMove(shift, x, y); };
    Grid().MouseMove(m);
}

void TQvtIconBtns::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TGridMouse m = GridMouse(x, y, false);
    m.NoneBtnEvent = [&] { NoneBtnMouseUp(button, shift, x, y); };
    m.LibraryEvent = [&] { TCustomControl::MouseUp(button, shift, x, y); };
    Grid().MouseUp(m);
}

void TQvtIconBtns::NoneBtnMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnNoneBtnMouseUp)
        OnNoneBtnMouseUp(this, button, shift, x, y);
}

void TQvtIconBtns::NoneBtnMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnNoneBtnMouseDown)
        OnNoneBtnMouseDown(this, button, shift, x, y);
}

void TQvtIconBtns::NoneBtnMouseMove(TShiftState shift, int x, int y) {
    if (OnNoneBtnMouseMove)
        OnNoneBtnMouseMove(this, shift, x, y);
}

// ---- TQvtGrpBtns ----

TQvtGrpBtns::TQvtGrpBtns(TComponent* owner)
    : TQvtIconBtns(owner), glyph_(std::make_unique<TBitmap>(40, 10)) { // white until set
    for (auto& image : stateImages_)
        image = std::make_unique<TBitmap>(kStateImageSize, kStateImageSize);
}

TQvtGrpBtns::~TQvtGrpBtns() {
    for (auto image = stateImages_.rbegin(); image != stateImages_.rend(); ++image)
        image->reset();
    glyph_.reset();
}

void TQvtGrpBtns::SetUseGlyph(bool value) {
    useGlyph_ = value;
    if (value) {
        const TRedrawSuspension suspended(*this);
        for (size_t frame = 0; frame < stateImages_.size(); ++frame) {
            auto image = std::make_unique<TBitmap>(kStateImageSize, kStateImageSize);
            image->Canvas().Brush().SetColor(Look().BaseColor);
            image->Canvas().FillRect(Rect(0, 0, kStateImageSize, kStateImageSize));
            DrawStripCellIn(image->Canvas(), static_cast<int>(frame),
                            static_cast<int>(stateImages_.size()), glyph_.get(), kStateImageSize,
                            kStateImageSize, true, false);
            stateImages_[frame] = std::move(image);
        }
    }
    Invalidate();
}

void TQvtGrpBtns::SetGlyph(const TBitmap& glyph) {
    glyph_->Assign(glyph);
    DrawAll();
}

void TQvtGrpBtns::SetGlyphTransparent(bool value) {
    glyphTransparent_ = value;
    DrawAll();
}

void TQvtGrpBtns::DrawBtn(int index, bool marked) {
    if (!useGlyph_) {
        TQvtIconBtns::DrawBtn(index, marked);
        return;
    }
    TRect r;
    if (Grid().CellRect(index, r))
        DrawSkinButton(r, index, marked, Look().BtnTranslucent);
}

void TQvtGrpBtns::DrawSkinButton(const TRect& r, int index, bool marked, bool translucent) {
    if (!BeginCell(r))
        return;
    const bool button = IsButton(index);
    const TCellPlan plan = PlanSkinCell(Look(), CellState(r, index, marked, button, translucent));
    DrawCellShapes(CellCanvas(), plan);
    if (plan.StateImage != siNone)
        DrawSkinPart(CellCanvas(), stateImages_[static_cast<size_t>(plan.StateImage)].get(),
                     plan.Face, 0, 0, 0, glyphTransparent_);
    DrawCellIcon(plan.Icon, ButtonIcon(index));
    ShowCell(r);
}
