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
        if (Parent() && Parent()->HandleAllocated())
            ::SetFocus(Parent()->Handle());
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
    const TPaintScope paint(Handle());
    const HDC dc = paint.DC();
    m.Result = 0;
    const int width = Width(), height = Height();
    TWinControl* parent = Parent();
    if (width <= 0 || height <= 0)
        return;
    if ((ControlStyle() & csOpaque) || !parent) {
        PaintTo(dc);
        return;
    }
    // What the parent and the graphic controls below would show here, then this control.
    const MemoryDC mem(dc);
    const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(dc, width, height));
    if (!mem || !bitmap)
        return;
    const SelectedObject selected(mem.Handle(), bitmap.Handle());
    {
        const SavedDC saved(mem.Handle());
        SetWindowOrgEx(mem.Handle(), Left(), Top(), nullptr);
        parent->PaintWindowTo(mem.Handle());
    }
    const TRect mine = BoundsRect();
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* sibling = parent->Controls(i);
        if (sibling == this)
            break;
        auto* g = dynamic_cast<TGraphicControl*>(sibling);
        if (!g || !g->Visible() || !g->BoundsRect().Intersects(mine))
            continue;
        const SavedDC saved(mem.Handle());
        SetWindowOrgEx(mem.Handle(), Left() - g->Left(), Top() - g->Top(), nullptr);
        IntersectClipRect(mem.Handle(), 0, 0, g->Width(), g->Height());
        g->PaintTo(mem.Handle());
    }
    PaintTo(mem.Handle());
    BitBlt(dc, 0, 0, width, height, mem.Handle(), 0, 0, SRCCOPY);
}

void TGraphicControl::InvalidateSiblingsAbove(const TRect& r) {
    TWinControl* parent = Parent();
    if (!parent)
        return;
    bool above = false;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* sibling = parent->Controls(i);
        if (sibling == this) {
            above = true;
            continue;
        }
        auto* g = dynamic_cast<TGraphicControl*>(sibling);
        if (above && g && g->Visible() && !(g->ControlStyle() & csOpaque) && g->HandleAllocated() &&
            g->BoundsRect().Intersects(r))
            InvalidateRect(g->Handle(), nullptr, FALSE);
    }
}

void TGraphicControl::Invalidate() {
    if (HandleAllocated())
        InvalidateRect(Handle(), nullptr, FALSE);
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
