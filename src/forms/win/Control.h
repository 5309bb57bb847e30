#pragma once
// The base of every control. Every control is a real window whose registered class name is its
// own class name (TComponent::ClassName), made when it is first needed after construction. The
// object turns window messages into virtual handlers and events; exceptions never leave the
// window procedure (the application reports them).
#include "forms/base/Component.h"
#include "forms/gfx/Canvas.h"
#include "forms/gfx/DeviceContext.h"
#include "forms/gfx/Font.h"
#include "forms/gfx/Geometry.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace forms {

class TWinControl;
class TForm;
class TPopupMenu;

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// Notifications that parents reflect to the child they concern, with the original parameters.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORDLG = CN_BASE + WM_CTLCOLORDLG;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;

using TShiftState = uint8_t;
constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32,
                      ssDouble = 64;
// The shift state of the keyboard now (and the mouse buttons of a mouse message's wParam).
TShiftState KeyboardShiftState();
TShiftState MouseShiftState(WPARAM keys);

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

using TCursor = int;
constexpr TCursor crDefault = 0, crArrow = -2, crCross = -3, crIBeam = -4, crSizeNESW = -6,
                  crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10, crHourGlass = -11,
                  crNo = -18, crAppStart = -19, crHelp = -20, crHandPoint = -21, crSizeAll = -22;
HCURSOR CursorHandle(TCursor cursor);

using TControlStyle = uint32_t;
// csCaptureMouse: the mouse is captured from a press until every button is up.
// csClickEvents: OnClick on a left release over the pressed control.
// csDoubleClicks: a second press arrives with ssDouble and fires OnDblClick (else it is a plain
// press). csOpaque: the control paints every pixel itself (no background).
constexpr TControlStyle csCaptureMouse = 1, csClickEvents = 2, csDoubleClicks = 4, csOpaque = 8;

struct TCreateParams {
    std::string Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    std::wstring WinClassName;
    UINT ClassStyle = 0;
    // A system class to superclass ("BUTTON", "EDIT"); empty for our own windows.
    std::wstring SystemClass;
};

using TNotifyEvent = std::function<void(TComponent* sender)>;
using TMouseEvent =
    std::function<void(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TComponent* sender, TShiftState shift, int x, int y)>;
using TMouseWheelEvent = std::function<void(TComponent* sender, TShiftState shift, int delta,
                                            TPoint mousePos, bool& handled)>;

// The canvas of a control: the paint context while painting, else a context of the window got
// on demand and given back after the message being handled.
class TControlCanvas : public TCanvas {
public:
    explicit TControlCanvas(class TControl& control) : control_(control) {}
    ~TControlCanvas() override;

protected:
    HDC CreateContext() override;
    void ReleaseContext(HDC dc) override;

private:
    TControl& control_;
    // The window's context while the canvas holds one outside painting.
    std::optional<WindowDC> context_;
};

// Gives back every window context that control canvases hold outside painting.
void FreeDeviceContexts();

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;
    void BeforeDestruction() override;

    // The window, made (with the parent's) if it does not exist yet.
    HWND Handle();
    [[nodiscard]] bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded();
    // Destroys the window; the object stays and makes a new one when needed.
    virtual void DestroyHandle();
    // The control of one of our windows, or nullptr.
    static TControl* FromHandle(HWND window);
    // Runs a message through the control's own handler (no window needed).
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

    [[nodiscard]] TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    // The form this control lies on (itself for a form).
    [[nodiscard]] TForm* ParentForm() const;

    [[nodiscard]] int Left() const { return left_; }
    [[nodiscard]] int Top() const { return top_; }
    [[nodiscard]] int Width() const { return width_; }
    [[nodiscard]] int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    [[nodiscard]] TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    [[nodiscard]] virtual int ClientWidth() const { return width_; }
    [[nodiscard]] virtual int ClientHeight() const { return height_; }
    [[nodiscard]] TRect ClientRect() const { return Rect(0, 0, ClientWidth(), ClientHeight()); }
    [[nodiscard]] TPoint ClientToScreen(TPoint p);
    [[nodiscard]] TPoint ScreenToClient(TPoint p);

    [[nodiscard]] TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    [[nodiscard]] bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and so are all its parents.
    [[nodiscard]] bool Showing() const;
    [[nodiscard]] bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);

    [[nodiscard]] TColor Color() const { return color_; }
    void SetColor(TColor color);
    [[nodiscard]] bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);
    TFont& Font() { return font_; }
    [[nodiscard]] const TFont& Font() const { return font_; }
    // Copies the font (the control never keeps the caller's object).
    void SetFont(const TFont& font) { font_.Assign(font); }
    [[nodiscard]] bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);

    [[nodiscard]] const std::string& Hint() const { return hint_; }
    void SetHint(std::string_view hint) { hint_ = std::string(hint); }
    [[nodiscard]] bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value);
    [[nodiscard]] bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool value);
    [[nodiscard]] TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor) { cursor_ = cursor; }
    [[nodiscard]] TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu);

    // The caption (a label's text, a form's title); setting it sets the window text too.
    [[nodiscard]] const std::string& Caption() const { return caption_; }
    void SetCaption(std::string_view caption);
    // The text that tools read from the window (WM_GETTEXT): the caption, unless the control
    // shows another text and sets it with SetWindowTextOnly.
    [[nodiscard]] const std::string& WindowText() const { return windowText_; }

    [[nodiscard]] TControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle style) { controlStyle_ = style; }

    virtual void Invalidate();
    void Update();
    void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront();
    void SendToBack();
    TCanvas& Canvas() { return canvas_; }
    [[nodiscard]] bool MouseInClient() const { return mouseInside_; }
    // The window superclasses a system class (BUTTON, EDIT), which paints it.
    [[nodiscard]] bool IsSystemClass() const { return systemClass_; }

    TNotifyEvent OnClick, OnDblClick, OnResize, OnMouseEnter, OnMouseLeave;
    TMouseEvent OnMouseDown, OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TMouseWheelEvent OnMouseWheel;

    // Event dispatch, one method per event; subclasses override and call the base.
    virtual void Click();
    virtual void DblClick();
    // An accelerator character typed in the control's form: true when this control took it
    // (a label focusing its FocusControl, say).
    virtual bool DialogChar(uint16_t /*ch*/) { return false; }

protected:
    virtual void CreateParams(TCreateParams& params);
    // Makes the window from CreateParams; overrides call this and then adjust the new window.
    virtual void CreateWnd();
    // Makes the window and whatever belongs to it.
    virtual void CreateHandle();
    virtual void WndProc(TMessage& message);
    // The window class's own handling (DefWindowProc or the superclassed system procedure).
    void DefaultHandler(TMessage& message);

    virtual void Paint() {}
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    // True when the wheel was handled; otherwise the parent gets it.
    virtual bool MouseWheel(TShiftState shift, int delta, TPoint mousePos);
    // The mouse capture went elsewhere: pressed states end.
    virtual void CaptureLost() {}
    virtual void Resize();
    virtual void ColorChanged();
    virtual void FontChanged();
    virtual void TextChanged() { Invalidate(); }
    virtual void EnabledChanged() { Invalidate(); }
    virtual void VisibleChanged() {}
    // Showing() may have changed: the control, one of its parents or its place among them
    // changed visibility. Windowed controls pass it on to their children.
    virtual void ShowingChanged() {}
    // The window-proc handlers of painting; graphic and windowed controls paint differently.
    virtual void WMPaint(TMessage& message) = 0;
    virtual void WMEraseBkgnd(TMessage& message);
    // Paints the control's own picture (no children) into dc at the context's origin.
    void PaintTo(HDC dc);

    void Notification(TComponent* component, TOperation operation) override;
    // The control or one of its parents got another parent (or none), so its form may be
    // another one now. Overrides call the base; windowed controls pass it on to their children.
    virtual void ParentChanged() {}
    // Called by the parent when its colour, font or hint setting changes.
    void ParentColorChanged();
    void ParentFontChanged();
    void ParentShowHintChanged();
    // Bounds as the window has them now (after a move or size made elsewhere).
    void UpdateBoundsFromWindow();
    // Records bounds and visibility as the system has placed the window, or is about to, by a
    // direct SetWindowPos or ShowWindow (a form showing itself, a hint popping up): moves,
    // shows and fires nothing.
    void PlacedBySystem(const TRect& bounds, bool visible);
    // The window if it exists, else nullptr (never makes one).
    [[nodiscard]] HWND ExistingHandle() const { return handle_; }
    // Sets the window text alone and keeps the caption: for a control that paints a text other
    // than its caption (a scrolling label's clock) and lets tools read what it shows. Fires no
    // TextChanged; the window made later gets the text too.
    void SetWindowTextOnly(std::string_view text);

private:
    // The container mechanics of parents over their children.
    friend class TWinControl;
    // The window procedure attaches and detaches the window.
    friend LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);
    void HandleMouseDown(TMessage& m, TMouseButton button, bool isDouble);
    void HandleMouseUp(TMessage& m, TMouseButton button);
    void HandleMouseMove(TMessage& m);
    bool HandleSetCursor(TMessage& m);
    void HandleContextMenu(TMessage& m);
    void ApplyFontToWindow();

    HWND handle_ = nullptr;
    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    TAlign align_ = TAlign::alNone;
    bool enabled_ = true;
    TColor color_ = clWindow;
    bool parentColor_ = true;
    TFont font_;
    bool parentFont_ = true;
    bool inheriting_ = false;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TCursor cursor_ = crDefault;
    TPopupMenu* popupMenu_ = nullptr;
    std::string caption_;
    std::string windowText_;
    TControlStyle controlStyle_ = csClickEvents | csCaptureMouse;
    TControlCanvas canvas_{*this};
    bool pressed_ = false;     // a left press began on the control
    bool mouseInside_ = false; // enter seen, leave not yet
    bool systemClass_ = false;
};

// True when window is form's window or lies inside it.
bool IsOwnWindow(HWND window, TForm* form);

// BeginPaint .. EndPaint of one WM_PAINT, closed on every path.
class TPaintScope {
public:
    explicit TPaintScope(HWND wnd) : wnd_(wnd), dc_(BeginPaint(wnd, &ps_)) {}
    ~TPaintScope() { EndPaint(wnd_, &ps_); }
    TPaintScope(const TPaintScope&) = delete;
    TPaintScope& operator=(const TPaintScope&) = delete;
    [[nodiscard]] HDC DC() const { return dc_; }

private:
    HWND wnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

} // namespace forms
