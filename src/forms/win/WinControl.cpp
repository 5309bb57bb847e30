#include "forms/win/WinControl.h"

#include "forms/base/Exceptions.h"
#include "forms/base/ScopeGuard.h"
#include "forms/win/Form.h"
#include "forms/win/GraphicControl.h"
#include "forms/win/KeyPipeline.h"

#include <algorithm>

namespace forms {

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    // Children that outlive this one (owned elsewhere) are let go.
    for (TControl* c : controls_)
        c->parent_ = nullptr;
    controls_.clear();
    tabList_.clear();
}

void TWinControl::BeforeDestruction() {
    TControl::BeforeDestruction();
    for (TControl* c : controls_)
        c->parent_ = nullptr;
    controls_.clear();
    tabList_.clear();
}

void TWinControl::DestroyHandle() {
    for (TControl* c : controls_)
        c->canvas_.SetHandle(nullptr);
    TControl::DestroyHandle();
}

void TWinControl::Invalidate() {
    if (!HandleAllocated())
        return;
    RedrawWindow(Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | ((ControlStyle() & csOpaque) ? 0 : RDW_ERASE));
    for (TControl* c : controls_)
        if (dynamic_cast<TGraphicControl*>(c) && c->HandleAllocated())
            InvalidateRect(c->Handle(), nullptr, FALSE);
}

TControl* TWinControl::Controls(int index) const {
    if (index < 0 || index >= ControlCount())
        throw EListIndexError(index);
    return controls_[static_cast<size_t>(index)];
}

void TWinControl::InsertControl(TControl* control) {
    controls_.push_back(control);
    if (auto* w = dynamic_cast<TWinControl*>(control))
        tabList_.push_back(w);
}

void TWinControl::RemoveControl(TControl* control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), control), tabList_.end());
    if (TForm* form = ParentForm(); form && form->ActiveControl() == control)
        form->SetActiveControl(nullptr);
    if (control->Align() != TAlign::alNone)
        Realign();
}

void TWinControl::CreateParams(TCreateParams& p) {
    TControl::CreateParams(p);
    p.Style |= WS_CLIPCHILDREN;
    p.ExStyle |= WS_EX_CONTROLPARENT;
    if (tabStop_)
        p.Style |= WS_TABSTOP;
}

void TWinControl::CreateHandle() {
    TControl::CreateHandle();
    if (!HandleAllocated())
        return;
    for (TControl* c : std::vector<TControl*>(controls_))
        if (!c->HandleAllocated())
            c->CreateHandle();
    AlignControls();
}

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

bool TWinControl::Focused() const {
    const HWND h = ExistingHandle();
    return h && GetFocus() == h;
}

void TWinControl::SetFocus() {
    if (TForm* form = ParentForm(); form && form != this)
        form->SetActiveControl(this);
    // Not again: a control that passes its focus on inside (a combo box to its edit field)
    // would see the focus leave and come back.
    if (!Focused())
        ::SetFocus(Handle());
}

void TWinControl::SetTabStop(bool value) {
    if (value == tabStop_)
        return;
    tabStop_ = value;
    if (HandleAllocated()) {
        const LONG style = GetWindowLongW(Handle(), GWL_STYLE);
        SetWindowLongW(Handle(), GWL_STYLE, value ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }
}

int TWinControl::TabOrder() const {
    if (!Parent())
        return -1;
    const auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (!Parent())
        return;
    auto& list = Parent()->tabList_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
}

void TWinControl::TabList(std::vector<TWinControl*>& out, bool tabStopsOnly) {
    for (TWinControl* c : tabList_) {
        if (!c->Visible() || !c->Enabled())
            continue;
        if (!tabStopsOnly || c->tabStop_)
            out.push_back(c);
        c->TabList(out, tabStopsOnly);
    }
}

void TWinControl::Realign() {
    AlignControls();
}

void TWinControl::AdjustClientRect(TRect& /*rect*/) {}

void TWinControl::AlignControls() {
    if (aligning_ > 0)
        return;
    ++aligning_;
    const auto done = OnScopeExit([this] { --aligning_; });
    TRect r = ClientRect();
    AdjustClientRect(r);
    auto pick = [&](TAlign a) {
        std::vector<TControl*> list;
        for (TControl* c : controls_)
            if (c->Align() == a && c->Visible())
                list.push_back(c);
        return list;
    };
    auto tops = pick(TAlign::alTop);
    std::stable_sort(tops.begin(), tops.end(),
                     [](TControl* a, TControl* b) { return a->Top() < b->Top(); });
    for (TControl* c : tops) {
        c->SetBounds(r.Left, r.Top, r.Width(), c->Height());
        r.Top += c->Height();
    }
    auto bottoms = pick(TAlign::alBottom);
    std::stable_sort(bottoms.begin(), bottoms.end(), [](TControl* a, TControl* b) {
        return a->Top() + a->Height() > b->Top() + b->Height();
    });
    for (TControl* c : bottoms) {
        c->SetBounds(r.Left, r.Bottom - c->Height(), r.Width(), c->Height());
        r.Bottom -= c->Height();
    }
    auto lefts = pick(TAlign::alLeft);
    std::stable_sort(lefts.begin(), lefts.end(),
                     [](TControl* a, TControl* b) { return a->Left() < b->Left(); });
    for (TControl* c : lefts) {
        c->SetBounds(r.Left, r.Top, c->Width(), r.Height());
        r.Left += c->Width();
    }
    auto rights = pick(TAlign::alRight);
    std::stable_sort(rights.begin(), rights.end(), [](TControl* a, TControl* b) {
        return a->Left() + a->Width() > b->Left() + b->Width();
    });
    for (TControl* c : rights) {
        c->SetBounds(r.Right - c->Width(), r.Top, c->Width(), r.Height());
        r.Right -= c->Width();
    }
    for (TControl* c : pick(TAlign::alClient))
        c->SetBounds(r.Left, r.Top, std::max(r.Width(), 0), std::max(r.Height(), 0));
}

void TWinControl::Resize() {
    AlignControls();
    TControl::Resize();
}

void TWinControl::ColorChanged() {
    TControl::ColorChanged();
    for (TControl* c : std::vector<TControl*>(controls_))
        c->ParentColorChanged();
}

void TWinControl::FontChanged() {
    TControl::FontChanged();
    for (TControl* c : std::vector<TControl*>(controls_))
        c->ParentFontChanged();
}

void TWinControl::ParentChanged() {
    TControl::ParentChanged();
    for (TControl* c : std::vector<TControl*>(controls_))
        c->ParentChanged();
}

void TWinControl::ShowingChanged() {
    // A handler may free controls: only children that are still children hear of it.
    const std::weak_ptr<void> life = LifeToken();
    for (TControl* c : std::vector<TControl*>(controls_)) {
        if (life.expired())
            return;
        if (std::find(controls_.begin(), controls_.end(), c) != controls_.end())
            c->ShowingChanged();
    }
}

void TWinControl::KeyDown(uint16_t& key, TShiftState shift) {
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(uint16_t& key, TShiftState shift) {
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(uint16_t& key) {
    if (OnKeyPress)
        OnKeyPress(this, key);
}

UINT TWinControl::DlgCode() {
    TMessage m{WM_GETDLGCODE, 0, 0, 0};
    DefaultHandler(m);
    return static_cast<UINT>(m.Result);
}

void TWinControl::DoEnter() {
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit)
        OnExit(this);
}

void TWinControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (FocusOnPress() && CanFocus() && !Focused() && HandleAllocated())
        SetFocus();
    TControl::MouseDown(button, shift, x, y);
}

void TWinControl::ExcludeChildren(HDC dc) {
    if (!HandleAllocated() || (GetWindowLongW(Handle(), GWL_STYLE) & WS_CLIPCHILDREN))
        return;
    for (TControl* c : controls_)
        if (c->HandleAllocated() && IsWindowVisible(c->Handle()))
            ExcludeClipRect(dc, c->Left(), c->Top(), c->Left() + c->Width(),
                            c->Top() + c->Height());
}

void TWinControl::WMEraseBkgnd(TMessage& m) {
    if (IsSystemClass()) {
        DefaultHandler(m);
        return;
    }
    if (!(ControlStyle() & csOpaque)) {
        HDC dc = reinterpret_cast<HDC>(m.WParam);
        const SavedDC saved(dc);
        ExcludeChildren(dc);
        TCanvas c(dc);
        c.Brush().SetColor(Color());
        c.FillRect(ClientRect());
    }
    m.Result = 1;
}

void TWinControl::WMPaint(TMessage& m) {
    if (IsSystemClass()) {
        DefaultHandler(m);
        return;
    }
    const TPaintScope paint(Handle());
    const HDC dc = paint.DC();
    ExcludeChildren(dc);
    PaintTo(dc);
    m.Result = 0;
}

void TWinControl::PaintWindowTo(HDC dc) {
    if (!(ControlStyle() & csOpaque)) {
        TCanvas c(dc);
        c.Brush().SetColor(Color());
        c.FillRect(ClientRect());
    }
    PaintTo(dc);
}

void TWinControl::ReflectNotification(TMessage& m, HWND child) {
    // Children notify their parent; the dialog keys of a form also name controls further down
    // (Enter clicks a default button that lies on a panel).
    TControl* c = FromHandle(child);
    if (c && c != this && HandleAllocated() && IsChild(Handle(), child)) {
        m.Result = c->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
        return;
    }
    DefaultHandler(m);
}

void TWinControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_COMMAND:
        if (m.LParam) {
            ReflectNotification(m, reinterpret_cast<HWND>(m.LParam));
            return;
        }
        break;
    case WM_NOTIFY:
        ReflectNotification(m, reinterpret_cast<NMHDR*>(m.LParam)->hwndFrom);
        return;
    case WM_DRAWITEM:
        if (m.WParam) {
            ReflectNotification(m, reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam)->hwndItem);
            return;
        }
        break;
    case WM_MEASUREITEM:
        if (m.WParam) {
            if (HWND child = GetDlgItem(Handle(), static_cast<int>(m.WParam))) {
                ReflectNotification(m, child);
                return;
            }
        }
        break;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        ReflectNotification(m, reinterpret_cast<HWND>(m.LParam));
        return;
    case WM_SETFOCUS: {
        if (TForm* form = ParentForm(); form && form != this)
            form->FocusChanged(this);
        const std::weak_ptr<void> life = LifeToken();
        DoEnter();
        if (!life.expired())
            DefaultHandler(m);
        return;
    }
    case WM_KILLFOCUS: {
        const std::weak_ptr<void> life = LifeToken();
        DoExit();
        if (!life.expired())
            DefaultHandler(m);
        return;
    }
    case WM_GETDLGCODE:
        m.Result = DlgCode();
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR: {
        if (!IsPipelinedKey(Handle(), m.Msg, m.WParam, m.LParam)) {
            uint16_t key = static_cast<uint16_t>(m.WParam);
            const std::weak_ptr<void> life = LifeToken();
            if (m.Msg == WM_CHAR)
                KeyPress(key);
            else if (m.Msg == WM_KEYDOWN || m.Msg == WM_SYSKEYDOWN)
                KeyDown(key, KeyboardShiftState());
            else
                KeyUp(key, KeyboardShiftState());
            if (life.expired() || key == 0)
                return;
            m.WParam = key;
        }
        DefaultHandler(m);
        return;
    }
    default:
        break;
    }
    TControl::WndProc(m);
}

TComponent* ChildOwner(TWinControl* parent) {
    if (!parent)
        throw Exception("子コントロールには親が必要です");
    if (TForm* form = parent->ParentForm())
        return form;
    return parent;
}

} // namespace forms
