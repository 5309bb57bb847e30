#pragma once
// Pop-up menus. The items live as objects; the native menu is built from the visible items for
// each Popup and destroyed after it, and the chosen item's Click runs only then, so a handler may
// free items.
#include "forms/base/Component.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    // "&" marks the mnemonic; "-" makes a separator.
    [[nodiscard]] const std::string& Caption() const { return caption_; }
    void SetCaption(std::string_view caption) { caption_ = std::string(caption); }
    [[nodiscard]] bool Checked() const { return checked_; }
    // Checking a radio item unchecks the radio items of its group among its siblings.
    void SetChecked(bool value);
    [[nodiscard]] bool AutoCheck() const { return autoCheck_; }
    void SetAutoCheck(bool value) { autoCheck_ = value; }
    [[nodiscard]] bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool value) { radioItem_ = value; }
    [[nodiscard]] int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value) { groupIndex_ = value; }
    [[nodiscard]] bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    [[nodiscard]] bool Visible() const { return visible_; }
    void SetVisible(bool value) { visible_ = value; }
    [[nodiscard]] const std::string& Hint() const { return hint_; }
    void SetHint(std::string_view hint) { hint_ = std::string(hint); }
    [[nodiscard]] bool IsSeparator() const { return caption_ == "-"; }

    // Sub-items, owned by this item.
    [[nodiscard]] int Count() const { return static_cast<int>(items_.size()); }
    [[nodiscard]] TMenuItem* Items(int index) const;
    [[nodiscard]] TMenuItem* Parent() const { return parent_; }
    [[nodiscard]] int MenuIndex() const;
    // Takes the item and appends it; returns it. The caller's pointer is its one owner: a place
    // it still has under another item or owner is given up.
    TMenuItem* Add(Scoped<TMenuItem>&& item);
    // A new item with a caption and a click handler.
    TMenuItem* Add(std::string_view caption, std::function<void(TComponent*)> onClick = nullptr);
    // Takes the item and puts it at index (0 to Count). A bad index (EListIndexError), no item,
    // or the item itself or a parent of this one (Exception) is refused, and then the item stays
    // with the caller.
    void Insert(int index, Scoped<TMenuItem>&& item);
    // Frees the item at index.
    void Delete(int index);
    // Takes the item out without freeing it.
    Scoped<TMenuItem> Remove(TMenuItem* item);
    void Clear();

    std::function<void(TComponent* sender)> OnClick;
    // The item was chosen: toggles AutoCheck items, then OnClick.
    virtual void Click();

private:
    std::string caption_;
    bool checked_ = false, autoCheck_ = false, radioItem_ = false;
    int groupIndex_ = 0;
    bool enabled_ = true, visible_ = true;
    std::string hint_;
    std::vector<Scoped<TMenuItem>> items_;
    TMenuItem* parent_ = nullptr;
};

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* owner);

    // The root item; the menu's entries are its sub-items.
    TMenuItem& Items() { return *items_; }
    // A right click on a control with this menu opens it.
    [[nodiscard]] bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool value) { autoPopup_ = value; }
    // Who opened the menu last (a control, a tray icon).
    [[nodiscard]] TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* c) { popupComponent_ = c; }
    // The window that owns the native menu; by default the form that owns this menu, else the
    // main form.
    void SetOwnerWindow(HWND window) { ownerWindow_ = window; }

    // Shows the menu at a screen point and waits: OnPopup, the native menu of the visible
    // items, then the chosen item's Click.
    void Popup(int x, int y);
    std::function<void(TComponent* sender)> OnPopup;
    // The native menu while it is open (nullptr otherwise).
    [[nodiscard]] HMENU NativeMenu() const { return native_; }

private:
    HWND OwnerWindow() const;

    Scoped<TMenuItem> items_;
    bool autoPopup_ = true;
    TComponent* popupComponent_ = nullptr;
    HWND ownerWindow_ = nullptr;
    HMENU native_ = nullptr;
};

} // namespace forms
