#include "forms/win/Control.h"

#include "forms/base/Codepage.h"
#include "forms/base/Exceptions.h"
#include "forms/base/ScopeGuard.h"
#include "forms/win/Application.h"
#include "forms/win/Form.h"
#include "forms/win/Menus.h"
#include "forms/win/Screen.h"
#include "forms/win/WinControl.h"
#include "forms/win/WindowClass.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

namespace forms {

namespace {

// Never destroyed, like the other registries of the window layer: controls of the application's
// forms go when the application object does, after function-local statics would be gone.
std::vector<TControlCanvas*>& CanvasesWithContext() {
    static auto* list = new std::vector<TControlCanvas*>;
    return *list;
}

UINT_PTR nextControlId = 100;

} // namespace

// ---- shift states and cursors ----

TShiftState KeyboardShiftState() {
    TShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        s |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0)
        s |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0)
        s |= ssAlt;
    return s;
}

TShiftState MouseShiftState(WPARAM keys) {
    TShiftState s = 0;
    if (keys & MK_SHIFT)
        s |= ssShift;
    if (keys & MK_CONTROL)
        s |= ssCtrl;
    if (keys & MK_LBUTTON)
        s |= ssLeft;
    if (keys & MK_RBUTTON)
        s |= ssRight;
    if (keys & MK_MBUTTON)
        s |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0)
        s |= ssAlt;
    return s;
}

HCURSOR CursorHandle(TCursor cursor) {
    struct Entry {
        TCursor cursor;
        LPCWSTR id;
    };
    static const Entry kCursors[] = {{crArrow, IDC_ARROW},          {crCross, IDC_CROSS},
                                     {crIBeam, IDC_IBEAM},          {crSizeNESW, IDC_SIZENESW},
                                     {crSizeNS, IDC_SIZENS},        {crSizeNWSE, IDC_SIZENWSE},
                                     {crSizeWE, IDC_SIZEWE},        {crUpArrow, IDC_UPARROW},
                                     {crHourGlass, IDC_WAIT},       {crNo, IDC_NO},
                                     {crAppStart, IDC_APPSTARTING}, {crHelp, IDC_HELP},
                                     {crHandPoint, IDC_HAND},       {crSizeAll, IDC_SIZEALL}};
    for (const Entry& e : kCursors)
        if (e.cursor == cursor)
            return LoadCursorW(nullptr, e.id);
    return nullptr;
}

// ---- canvases ----

TControlCanvas::~TControlCanvas() {
    FreeContext();
}

HDC TControlCanvas::CreateContext() {
    HWND h = control_.Handle();
    if (!h)
        return nullptr; // never the screen's context
    context_.emplace(h);
    if (!context_->Handle()) {
        context_.reset();
        return nullptr;
    }
    CanvasesWithContext().push_back(this);
    return context_->Handle();
}

void TControlCanvas::ReleaseContext(HDC /*dc*/) {
    auto& list = CanvasesWithContext();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    context_.reset();
}

void FreeDeviceContexts() {
    const std::vector<TControlCanvas*> list = CanvasesWithContext();
    for (TControlCanvas* c : list)
        c->SetHandle(nullptr);
}

// ---- TControl ----

TControl::TControl(TComponent* owner) : TComponent(owner) {
    font_.OnChange = [this] {
        if (!inheriting_)
            parentFont_ = false;
        FontChanged();
    };
}

TControl::~TControl() {
    if (popupMenu_)
        popupMenu_->RemoveFreeNotification(this);
    if (handle_) {
        // Deleted without BeforeDestruction: the window must not reach the half-destroyed object.
        SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
        DestroyWindow(handle_);
        handle_ = nullptr;
    }
    if (parent_)
        parent_->RemoveControl(this);
}

void TControl::BeforeDestruction() {
    TComponent::BeforeDestruction();
    DestroyHandle();
    if (parent_)
        parent_->RemoveControl(this);
    parent_ = nullptr;
}

HWND TControl::Handle() {
    HandleNeeded();
    return handle_;
}

void TControl::HandleNeeded() {
    if (handle_)
        return;
    if (parent_)
        parent_->HandleNeeded(); // makes this one too
    if (!handle_)
        CreateHandle();
}

void TControl::CreateHandle() {
    CreateWnd();
    if (!handle_)
        return;
    ApplyFontToWindow();
    if (parent_) {
        // Stacked as the parent lists its children: later ones above.
        HWND above = nullptr;
        const auto& list = parent_->controls_;
        auto it = std::find(list.begin(), list.end(), this);
        for (auto j = it == list.end() ? list.end() : it + 1; j != list.end(); ++j)
            if ((*j)->handle_) {
                above = (*j)->handle_;
                break;
            }
        SetWindowPos(handle_, above ? above : HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void TControl::DestroyHandle() {
    if (!handle_)
        return;
    canvas_.SetHandle(nullptr);
    HWND h = handle_;
    DestroyWindow(h); // WM_NCDESTROY clears handle_
    handle_ = nullptr;
}

TControl* TControl::FromHandle(HWND window) {
    if (!window)
        return nullptr;
    if (GetWindowLongPtrW(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(ControlWindowProc))
        return nullptr;
    return reinterpret_cast<TControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    WndProc(m);
    return m.Result;
}

void TControl::CreateParams(TCreateParams& p) {
    p.Caption = windowText_;
    p.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (visible_)
        p.Style |= WS_VISIBLE;
    if (!enabled_)
        p.Style |= WS_DISABLED;
    p.X = left_;
    p.Y = top_;
    p.Width = width_;
    p.Height = height_;
    if (parent_)
        p.WndParent = parent_->Handle();
    p.WinClassName = cp932::Wide(ClassName());
    if (controlStyle_ & csDoubleClicks)
        p.ClassStyle |= CS_DBLCLKS;
}

void TControl::CreateWnd() {
    TCreateParams p;
    CreateParams(p);
    RegisterControlClass(p);
    systemClass_ = !p.SystemClass.empty();
    HMENU id = nullptr;
    if (p.Style & WS_CHILD) {
        id = reinterpret_cast<HMENU>(nextControlId);
        if (++nextControlId > 0x7FFF)
            nextControlId = 100;
    }
    HWND h = CreateControlWindow(*this, p, id);
    handle_ = h;
    SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void TControl::DefaultHandler(TMessage& m) {
    if (!handle_) {
        m.Result = 0;
        return;
    }
    if (m.Msg >= CN_BASE && m.Msg < CN_BASE + 0x400) {
        // A reflected notification nobody took: the parent's own default answer.
        HWND parent = GetParent(handle_);
        m.Result = parent ? DefWindowProcW(parent, m.Msg - CN_BASE, m.WParam, m.LParam) : 0;
        return;
    }
    m.Result = CallWindowProcW(DefaultProcOf(handle_), handle_, m.Msg, m.WParam, m.LParam);
}

TForm* TControl::ParentForm() const {
    const TControl* c = this;
    while (c->parent_)
        c = c->parent_;
    return dynamic_cast<TForm*>(const_cast<TControl*>(c));
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_)
        return;
    if (parent_)
        parent_->RemoveControl(this);
    parent_ = parent;
    if (!parent_) {
        DestroyHandle();
        ParentChanged();
        ShowingChanged();
        return;
    }
    parent_->InsertControl(this);
    if (parentColor_)
        ParentColorChanged();
    if (parentFont_)
        ParentFontChanged();
    if (parentShowHint_)
        ParentShowHintChanged();
    if (handle_) {
        ::SetParent(handle_, parent_->Handle());
    } else if (parent_->HandleAllocated()) {
        CreateHandle();
    }
    if (align_ != TAlign::alNone)
        parent_->Realign();
    ParentChanged();
    ShowingChanged();
}

void TControl::SetBounds(int left, int top, int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    const bool sized = width != width_ || height != height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (handle_) {
        SetWindowPos(handle_, nullptr, left, top, width, height,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    } else if (sized) {
        Resize();
    }
    if (parent_ && align_ != TAlign::alNone)
        parent_->Realign();
}

void TControl::UpdateBoundsFromWindow() {
    if (!handle_)
        return;
    RECT r;
    GetWindowRect(handle_, &r);
    HWND parent = (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD) ? GetParent(handle_) : nullptr;
    if (parent)
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    left_ = r.left;
    top_ = r.top;
    width_ = r.right - r.left;
    height_ = r.bottom - r.top;
}

void TControl::PlacedBySystem(const TRect& bounds, bool visible) {
    left_ = bounds.Left;
    top_ = bounds.Top;
    width_ = std::max(bounds.Width(), 0);
    height_ = std::max(bounds.Height(), 0);
    visible_ = visible;
}

TPoint TControl::ClientToScreen(TPoint p) {
    POINT pt{p.X, p.Y};
    ::ClientToScreen(Handle(), &pt);
    return {pt.x, pt.y};
}

TPoint TControl::ScreenToClient(TPoint p) {
    POINT pt{p.X, p.Y};
    ::ScreenToClient(Handle(), &pt);
    return {pt.x, pt.y};
}

void TControl::SetAlign(TAlign align) {
    if (align == align_)
        return;
    align_ = align;
    if (parent_)
        parent_->Realign();
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_)
        return;
    visible_ = visible;
    if (handle_)
        ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
    VisibleChanged();
    if (parent_ && align_ != TAlign::alNone)
        parent_->Realign();
    ShowingChanged();
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_)
            return false;
    return true;
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (handle_)
        EnableWindow(handle_, enabled);
    EnabledChanged();
}

void TControl::SetColor(TColor color) {
    parentColor_ = false;
    if (color == color_)
        return;
    color_ = color;
    ColorChanged();
}

void TControl::SetParentColor(bool value) {
    if (value == parentColor_)
        return;
    parentColor_ = value;
    if (value)
        ParentColorChanged();
}

void TControl::ParentColorChanged() {
    if (!parentColor_ || !parent_ || parent_->color_ == color_)
        return;
    color_ = parent_->color_;
    ColorChanged();
}

void TControl::SetParentFont(bool value) {
    if (value == parentFont_)
        return;
    parentFont_ = value;
    if (value)
        ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!parentFont_ || !parent_)
        return;
    inheriting_ = true;
    font_.Assign(parent_->font_);
    inheriting_ = false;
}

void TControl::SetShowHint(bool value) {
    showHint_ = value;
    parentShowHint_ = false;
}

void TControl::SetParentShowHint(bool value) {
    parentShowHint_ = value;
    if (value)
        ParentShowHintChanged();
}

void TControl::ParentShowHintChanged() {
    if (parentShowHint_ && parent_)
        showHint_ = parent_->showHint_;
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
    if (menu == popupMenu_)
        return;
    if (popupMenu_)
        popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = menu;
    if (menu)
        menu->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
    if (operation == TOperation::opRemove && component == popupMenu_)
        popupMenu_ = nullptr;
}

void TControl::SetCaption(std::string_view caption) {
    if (caption == caption_)
        return;
    caption_ = std::string(caption);
    SetWindowTextOnly(caption_);
    TextChanged();
}

void TControl::SetWindowTextOnly(std::string_view text) {
    if (text == windowText_)
        return;
    windowText_ = std::string(text);
    if (handle_)
        SetWindowTextW(handle_, cp932::Wide(windowText_).c_str());
}

void TControl::Invalidate() {
    if (handle_)
        InvalidateRect(handle_, nullptr, (controlStyle_ & csOpaque) == 0);
}

void TControl::Update() {
    if (handle_)
        UpdateWindow(handle_);
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

void TControl::BringToFront() {
    if (parent_) {
        auto& list = parent_->controls_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        list.push_back(this);
    }
    if (handle_)
        SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Invalidate();
}

void TControl::SendToBack() {
    if (parent_) {
        auto& list = parent_->controls_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        list.insert(list.begin(), this);
    }
    if (handle_)
        SetWindowPos(handle_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (parent_)
        parent_->Invalidate();
}

void TControl::Click() {
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseEnter() {
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TControl::MouseLeave() {
    if (OnMouseLeave)
        OnMouseLeave(this);
}

bool TControl::MouseWheel(TShiftState shift, int delta, TPoint mousePos) {
    bool handled = false;
    if (OnMouseWheel)
        OnMouseWheel(this, shift, delta, mousePos, handled);
    return handled;
}

void TControl::Resize() {
    if (OnResize)
        OnResize(this);
}

void TControl::ColorChanged() {
    Invalidate();
}

void TControl::FontChanged() {
    ApplyFontToWindow();
    Invalidate();
}

void TControl::ApplyFontToWindow() {
    if (handle_ && systemClass_)
        SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), TRUE);
}

void TControl::WMEraseBkgnd(TMessage& m) {
    m.Result = 1;
}

void TControl::PaintTo(HDC dc) {
    TCanvas& c = canvas_;
    c.SetHandle(dc);
    const auto unbind = OnScopeExit([&c] { c.SetHandle(nullptr); });
    c.Font().Assign(font_);
    c.Brush().SetColor(color_);
    c.Pen().SetColor(clBlack);
    c.Pen().SetWidth(1);
    c.Pen().SetStyle(TPenStyle::psSolid);
    c.SetCopyMode(SRCCOPY);
    Paint();
}

void TControl::HandleMouseDown(TMessage& m, TMouseButton button, bool isDouble) {
    const int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
    TShiftState shift = MouseShiftState(m.WParam);
    if (isDouble)
        shift |= ssDouble;
    if ((controlStyle_ & csCaptureMouse) && handle_)
        SetCapture(handle_);
    if (button == TMouseButton::mbLeft)
        pressed_ = (controlStyle_ & csClickEvents) != 0;
    const std::weak_ptr<void> life = LifeToken();
    if (isDouble && button == TMouseButton::mbLeft) {
        DblClick();
        if (life.expired())
            return;
    }
    MouseDown(button, shift, x, y);
    if (!life.expired())
        m.Result = 0;
}

void TControl::HandleMouseUp(TMessage& m, TMouseButton button) {
    const int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
    const TShiftState shift = MouseShiftState(m.WParam);
    const bool click = button == TMouseButton::mbLeft && pressed_ && ClientRect().Contains({x, y});
    if (button == TMouseButton::mbLeft)
        pressed_ = false;
    const bool buttonsUp = (m.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0;
    if ((controlStyle_ & csCaptureMouse) && buttonsUp && handle_ && GetCapture() == handle_)
        ReleaseCapture();
    const std::weak_ptr<void> life = LifeToken();
    if (click) {
        Click();
        if (life.expired())
            return;
    }
    MouseUp(button, shift, x, y);
}

void TControl::HandleMouseMove(TMessage& m) {
    const std::weak_ptr<void> life = LifeToken();
    if (!mouseInside_ && handle_) {
        mouseInside_ = true;
        TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, handle_, 0};
        TrackMouseEvent(&t);
        MouseEnter();
        if (life.expired())
            return;
    }
    MouseMove(MouseShiftState(m.WParam), GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
}

bool TControl::HandleSetCursor(TMessage& m) {
    if (reinterpret_cast<HWND>(m.WParam) != handle_ || LOWORD(m.LParam) != HTCLIENT)
        return false;
    const TCursor c = Screen.Cursor() != crDefault ? Screen.Cursor() : cursor_;
    HCURSOR h = c != crDefault ? CursorHandle(c) : nullptr;
    if (!h)
        return false;
    ::SetCursor(h);
    m.Result = TRUE;
    return true;
}

void TControl::HandleContextMenu(TMessage& m) {
    if (!popupMenu_ || !popupMenu_->AutoPopup()) {
        DefaultHandler(m); // the parent's menu, if any
        return;
    }
    int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
    if (x == -1 && y == -1) { // from the keyboard
        const TPoint p = ClientToScreen({0, 0});
        x = p.X;
        y = p.Y;
    }
    popupMenu_->SetPopupComponent(this);
    popupMenu_->Popup(x, y);
    m.Result = 0;
}

void TControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
        WMPaint(m);
        return;
    case WM_ERASEBKGND:
        WMEraseBkgnd(m);
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE: {
        const std::weak_ptr<void> life = LifeToken();
        switch (m.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            HandleMouseDown(m, TMouseButton::mbLeft, m.Msg == WM_LBUTTONDBLCLK);
            break;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            HandleMouseDown(m, TMouseButton::mbRight, m.Msg == WM_RBUTTONDBLCLK);
            break;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            HandleMouseDown(m, TMouseButton::mbMiddle, m.Msg == WM_MBUTTONDBLCLK);
            break;
        case WM_LBUTTONUP:
            HandleMouseUp(m, TMouseButton::mbLeft);
            break;
        case WM_RBUTTONUP:
            HandleMouseUp(m, TMouseButton::mbRight);
            break;
        case WM_MBUTTONUP:
            HandleMouseUp(m, TMouseButton::mbMiddle);
            break;
        default:
            HandleMouseMove(m);
            break;
        }
        // System controls work on their own mouse messages; a right release also makes the
        // WM_CONTEXTMENU that opens pop-up menus.
        if (!life.expired() && (systemClass_ || m.Msg == WM_RBUTTONUP))
            DefaultHandler(m);
        return;
    }
    case WM_MOUSELEAVE:
        if (mouseInside_) {
            mouseInside_ = false;
            MouseLeave();
        }
        return;
    case WM_MOUSEWHEEL: {
        const TPoint screen{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        const TPoint p = handle_ ? ScreenToClient(screen) : screen;
        if (!MouseWheel(MouseShiftState(GET_KEYSTATE_WPARAM(m.WParam)),
                        GET_WHEEL_DELTA_WPARAM(m.WParam), p))
            DefaultHandler(m);
        return;
    }
    case WM_CAPTURECHANGED:
        pressed_ = false;
        CaptureLost();
        DefaultHandler(m);
        return;
    case WM_SETCURSOR:
        if (!HandleSetCursor(m))
            DefaultHandler(m);
        return;
    case WM_CONTEXTMENU:
        HandleContextMenu(m);
        return;
    case WM_SIZE:
        DefaultHandler(m);
        UpdateBoundsFromWindow();
        Resize();
        return;
    case WM_MOVE:
        DefaultHandler(m);
        UpdateBoundsFromWindow();
        return;
    default:
        DefaultHandler(m);
        return;
    }
}

bool IsOwnWindow(HWND window, TForm* form) {
    if (!form || !window || !form->HandleAllocated())
        return false;
    HWND root = form->Handle();
    return window == root || IsChild(root, window);
}

} // namespace forms
