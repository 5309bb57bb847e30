#include "forms/win/GraphicControl.h"

#include "forms/win/WinControl.h"

namespace forms {

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::CreateParams(TCreateParams& p) {
    TControl::CreateParams(p);
    p.Style |= WS_CLIPSIBLINGS;
}

void TGraphicControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_MOUSEACTIVATE:
        // Clicking activates the form but never focuses this control.
        DefaultHandler(m);
        return;
    case WM_SETFOCUS:
        if (parent_ && parent_->HandleAllocated())
            ::SetFocus(parent_->Handle());
        return;
    case WM_GETDLGCODE:
        m.Result = 0;
        return;
    default:
        TControl::WndProc(m);
        return;
    }
}

void TGraphicControl::WMEraseBkgnd(TMessage& m) {
    m.Result = 1; // the paint covers everything
}

void TGraphicControl::WMPaint(TMessage& m) {
    const TPaintScope paint(handle_);
    const HDC dc = paint.DC();
    m.Result = 0;
    if (width_ <= 0 || height_ <= 0)
        return;
    if ((ControlStyle() & csOpaque) || !parent_) {
        PaintTo(dc);
        return;
    }
    // What the parent and the graphic controls below would show here, then this control.
    const MemoryDC mem(dc);
    const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(dc, width_, height_));
    if (!mem || !bitmap)
        return;
    const SelectedObject selected(mem.Handle(), bitmap.Handle());
    {
        const SavedDC saved(mem.Handle());
        SetWindowOrgEx(mem.Handle(), left_, top_, nullptr);
        parent_->PaintWindowTo(mem.Handle());
    }
    const TRect mine = BoundsRect();
    for (int i = 0; i < parent_->ControlCount(); ++i) {
        TControl* sibling = parent_->Controls(i);
        if (sibling == this)
            break;
        auto* g = dynamic_cast<TGraphicControl*>(sibling);
        if (!g || !g->Visible() || !g->BoundsRect().Intersects(mine))
            continue;
        const SavedDC saved(mem.Handle());
        SetWindowOrgEx(mem.Handle(), left_ - g->left_, top_ - g->top_, nullptr);
        IntersectClipRect(mem.Handle(), 0, 0, g->width_, g->height_);
        g->PaintTo(mem.Handle());
    }
    PaintTo(mem.Handle());
    BitBlt(dc, 0, 0, width_, height_, mem.Handle(), 0, 0, SRCCOPY);
}

void TGraphicControl::InvalidateSiblingsAbove(const TRect& r) {
    if (!parent_)
        return;
    bool above = false;
    for (int i = 0; i < parent_->ControlCount(); ++i) {
        TControl* sibling = parent_->Controls(i);
        if (sibling == this) {
            above = true;
            continue;
        }
        auto* g = dynamic_cast<TGraphicControl*>(sibling);
        if (above && g && g->Visible() && !(g->ControlStyle() & csOpaque) && g->HandleAllocated() &&
            g->BoundsRect().Intersects(r))
            InvalidateRect(g->handle_, nullptr, FALSE);
    }
}

void TGraphicControl::Invalidate() {
    if (handle_)
        InvalidateRect(handle_, nullptr, FALSE);
    InvalidateSiblingsAbove(BoundsRect());
}

void TGraphicControl::SetBounds(int left, int top, int width, int height) {
    const TRect before = BoundsRect();
    TControl::SetBounds(left, top, width, height);
    if (before != BoundsRect()) {
        InvalidateSiblingsAbove(before);
        Invalidate();
    }
}

void TGraphicControl::SetVisible(bool visible) {
    if (visible == Visible())
        return;
    TControl::SetVisible(visible);
    InvalidateSiblingsAbove(BoundsRect());
}

} // namespace forms
