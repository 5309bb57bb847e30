#include "forms/win/Menus.h"

#include "forms/base/Codepage.h"
#include "forms/base/Exceptions.h"
#include "forms/base/ScopeGuard.h"
#include "forms/win/Application.h"
#include "forms/win/Form.h"

#include <algorithm>
#include <type_traits>

namespace forms {

namespace {
// The items of the menu that is open now, by command id; an item that goes while the menu is
// open leaves a null entry behind.
std::vector<TMenuItem*>* openItems = nullptr;
} // namespace

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
    items_.clear();
    if (openItems)
        std::replace(openItems->begin(), openItems->end(), this, static_cast<TMenuItem*>(nullptr));
    if (parent_) {
        auto& list = parent_->items_;
        for (auto it = list.begin(); it != list.end(); ++it)
            if (it->get() == this) {
                (void)it->release();
                list.erase(it);
                break;
            }
    }
}

void TMenuItem::SetChecked(bool value) {
    if (value == checked_)
        return;
    checked_ = value;
    if (value && radioItem_ && parent_)
        for (auto& sibling : parent_->items_)
            if (sibling.get() != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_)
                sibling->checked_ = false;
}

TMenuItem* TMenuItem::Items(int index) const {
    if (index < 0 || index >= Count())
        throw EListIndexError(index);
    return items_[static_cast<size_t>(index)].get();
}

int TMenuItem::MenuIndex() const {
    if (!parent_)
        return -1;
    for (size_t i = 0; i < parent_->items_.size(); ++i)
        if (parent_->items_[i].get() == this)
            return static_cast<int>(i);
    return -1;
}

TMenuItem* TMenuItem::Add(Scoped<TMenuItem>&& item) {
    TMenuItem* added = item.get();
    Insert(Count(), std::move(item));
    return added;
}

TMenuItem* TMenuItem::Add(std::string_view caption, std::function<void(TComponent*)> onClick) {
    Scoped<TMenuItem> item = MakeScoped<TMenuItem>();
    item->SetCaption(caption);
    item->OnClick = std::move(onClick);
    return Add(std::move(item));
}

void TMenuItem::Insert(int index, Scoped<TMenuItem>&& item) {
    if (!item)
        throw Exception("追加するメニュー項目がありません");
    if (index < 0 || index > Count())
        throw EListIndexError(index);
    for (const TMenuItem* p = this; p; p = p->parent_)
        if (p == item.get())
            throw Exception("メニュー項目を自分自身や自分の子の下には入れられません");
    // The caller's pointer is the item's one owner: a place it still has elsewhere goes.
    if (item->parent_)
        (void)item->parent_->Remove(item.get()).release();
    if (item->Owner())
        (void)item->Owner()->RemoveComponent(item.get()).release();
    index = std::min(index, Count());
    TMenuItem* inserted = item.get();
    items_.insert(items_.begin() + index, std::move(item));
    inserted->parent_ = this;
}

void TMenuItem::Delete(int index) {
    if (index < 0 || index >= Count())
        throw EListIndexError(index);
    Scoped<TMenuItem> item = std::move(items_[static_cast<size_t>(index)]);
    items_.erase(items_.begin() + index);
    item->parent_ = nullptr;
}

Scoped<TMenuItem> TMenuItem::Remove(TMenuItem* item) {
    for (auto it = items_.begin(); it != items_.end(); ++it)
        if (it->get() == item) {
            Scoped<TMenuItem> out = std::move(*it);
            items_.erase(it);
            out->parent_ = nullptr;
            return out;
        }
    return nullptr;
}

void TMenuItem::Clear() {
    while (!items_.empty())
        Delete(Count() - 1);
}

void TMenuItem::Click() {
    const std::weak_ptr<void> life = LifeToken();
    if (autoCheck_)
        SetChecked(radioItem_ ? true : !checked_);
    if (OnClick)
        OnClick(this);
}

// ---- TPopupMenu ----

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), items_(MakeScoped<TMenuItem>()) {}

HWND TPopupMenu::OwnerWindow() const {
    if (ownerWindow_ && IsWindow(ownerWindow_))
        return ownerWindow_;
    for (TComponent* c = Owner(); c; c = c->Owner())
        if (auto* form = dynamic_cast<TForm*>(c))
            return form->Handle();
    if (TForm* main = Application.MainForm())
        return main->Handle();
    return nullptr;
}

namespace {
struct MenuDestroy {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
// A native menu and, once they are inserted, its submenus.
using MenuHandle = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroy>;

MenuHandle BuildMenu(TMenuItem& parent, std::vector<TMenuItem*>& table) {
    MenuHandle menu(CreatePopupMenu());
    if (!menu)
        throw Exception("メニューを作成できません: " + SysErrorMessage(LastSystemError()));
    for (int i = 0; i < parent.Count(); ++i) {
        TMenuItem* item = parent.Items(i);
        if (!item->Visible())
            continue;
        const std::wstring text = cp932::Wide(item->Caption());
        MENUITEMINFOW mi{};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
        MenuHandle submenu;
        if (item->IsSeparator()) {
            mi.fType = MFT_SEPARATOR;
            mi.fMask = MIIM_FTYPE;
        } else {
            mi.fType = MFT_STRING | (item->RadioItem() ? MFT_RADIOCHECK : 0);
            mi.dwTypeData = const_cast<wchar_t*>(text.c_str());
            mi.fState = (item->Checked() ? MFS_CHECKED : 0) | (item->Enabled() ? 0 : MFS_DISABLED);
            table.push_back(item);
            mi.wID = static_cast<UINT>(table.size());
            if (item->Count() > 0) {
                submenu = BuildMenu(*item, table);
                mi.fMask |= MIIM_SUBMENU;
                mi.hSubMenu = submenu.get();
            }
        }
        if (InsertMenuItemW(menu.get(), static_cast<UINT>(GetMenuItemCount(menu.get())), TRUE, &mi))
            (void)submenu.release(); // the menu destroys it now
    }
    return menu;
}
} // namespace

void TPopupMenu::Popup(int x, int y) {
    const std::weak_ptr<void> life = LifeToken();
    if (OnPopup)
        OnPopup(this);
    if (life.expired())
        return;
    const HWND owner = OwnerWindow();
    std::vector<TMenuItem*> table;
    UINT chosen = 0;
    {
        const MenuHandle menu = BuildMenu(*items_, table);
        std::vector<TMenuItem*>* outer = openItems;
        openItems = &table;
        native_ = menu.get();
        const auto restore = OnScopeExit([this, outer, &life] {
            openItems = outer;
            if (!life.expired())
                native_ = nullptr;
        });
        if (owner)
            SetForegroundWindow(owner);
        chosen = static_cast<UINT>(TrackPopupMenuEx(
            menu.get(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, x, y, owner,
            nullptr));
        if (owner)
            PostMessageW(owner, WM_NULL, 0, 0);
    }
    if (chosen > 0 && chosen <= table.size() && table[chosen - 1])
        table[chosen - 1]->Click();
}

} // namespace forms
