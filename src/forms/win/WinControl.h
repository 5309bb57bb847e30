#pragma once
// Windowed controls: containers of other controls, keyboard focus, tab order, alignment of
// children, key events and the dialog code. TCustomControl is the base of our own owner-drawn
// windowed controls.
#include "forms/win/Control.h"

#include <utility>
#include <vector>

namespace forms {

// The frame of an edit or list: none, or the sunken client edge.
enum class TBorderStyle { bsNone, bsSingle };

using TKeyEvent = std::function<void(TComponent* sender, uint16_t& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TComponent* sender, uint16_t& key)>;

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;
    void BeforeDestruction() override;
    void DestroyHandle() override;
    // Repaints the control and its graphic children, which show its face.
    void Invalidate() override;

    [[nodiscard]] int ControlCount() const { return static_cast<int>(controls_.size()); }
    // Children bottom to top: a later one is painted over an earlier one.
    [[nodiscard]] TControl* Controls(int index) const;

    [[nodiscard]] bool CanFocus() const;
    // The keyboard focus is on the control (a combo box also counts the edit inside it).
    [[nodiscard]] virtual bool Focused() const;
    void SetFocus();
    [[nodiscard]] bool TabStop() const { return tabStop_; }
    void SetTabStop(bool value);
    // Position among the parent's windowed children for Tab (creation order unless set).
    [[nodiscard]] int TabOrder() const;
    void SetTabOrder(int order);

    // Lays out the aligned children again.
    void Realign();

    TKeyEvent OnKeyDown, OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter, OnExit;

    // Key dispatch: fire the event; the key may be changed or cleared (0 = consumed).
    virtual void KeyDown(uint16_t& key, TShiftState shift);
    virtual void KeyUp(uint16_t& key, TShiftState shift);
    virtual void KeyPress(uint16_t& key);
    // The answer to WM_GETDLGCODE (the window class's own answer by default).
    virtual UINT DlgCode();
    // A key down (Ctrl+Tab, say) that the focused control's key event left, offered to the
    // focused control and the containers around it, inside out, before the dialog keys; true
    // when it was used.
    virtual bool DialogKey(uint16_t /*key*/, TShiftState /*shift*/) { return false; }
    // Paints the control's own face into dc (used by graphic children composing their
    // background).
    void PaintWindowTo(HDC dc);
    // Windowed descendants that Tab visits, in tab order.
    void TabList(std::vector<TWinControl*>& out, bool tabStopsOnly);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandle() override;
    void WndProc(TMessage& message) override;
    void WMPaint(TMessage& message) override;
    void WMEraseBkgnd(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void ColorChanged() override;
    void FontChanged() override;
    void ParentChanged() override;
    void ShowingChanged() override;
    // The area the aligned children share (a panel leaves its bevels out).
    virtual void AdjustClientRect(TRect& rect);
    virtual void DoEnter();
    virtual void DoExit();
    // A press focuses the control when this says so (tab stops by default).
    [[nodiscard]] virtual bool FocusOnPress() const { return tabStop_; }
    void Resize() override;

private:
    friend class TControl;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void AlignControls();
    void ExcludeChildren(HDC dc);
    void ReflectNotification(TMessage& m, HWND child);

    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = false;
    int aligning_ = 0;
};

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner) : TWinControl(owner) {}
};

// The owner of a control made for parent: parent's form, else parent itself. Raises an
// Exception for no parent.
[[nodiscard]] TComponent* ChildOwner(TWinControl* parent);

// Makes a control of class T (constructor arguments after the owner: args), owned by parent's
// form (or parent), placed on parent with the given bounds, so that a form built in code reads
// like its design table. Without a parent nothing is made (Exception).
template <typename T, typename... Args>
T* MakeChild(TWinControl* parent, const TRect& bounds, Args&&... args) {
    T* child = MakeOwned<T>(ChildOwner(parent), std::forward<Args>(args)...);
    child->SetParent(parent);
    // After the parent, whose font may resize a control that sizes itself to its text.
    child->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    return child;
}

} // namespace forms
