#include "forms/win/PageControl.h"

#include "forms/base/Codepage.h"
#include "forms/base/Exceptions.h"
#include "forms/win/CommonControls.h"
#include "forms/win/Form.h"

#include <commctrl.h>

#include <algorithm>

namespace forms {

namespace {
// The control, a parent of it or the owner of one of them is being destroyed: its events are
// not fired any more, and pages are not switched for it.
bool Going(const TControl* c) {
    for (; c; c = c->Parent())
        if (c->Destroying() || (c->Owner() && c->Owner()->Destroying()))
            return true;
    return false;
}
} // namespace

// ---- TTabSheet ----

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
    SetVisible(false); // until its page control makes it the active page
    SetAlign(TAlign::alClient);
}

TTabSheet::~TTabSheet() {
    if (pageControl_)
        pageControl_->RemovePage(this, true);
}

void TTabSheet::BeforeDestruction() {
    if (pageControl_)
        pageControl_->RemovePage(this, true);
    TWinControl::BeforeDestruction();
}

void TTabSheet::SetPageControl(TPageControl* pageControl) {
    SetParent(pageControl);
}

void TTabSheet::SetParent(TWinControl* parent) {
    auto* pageControl = dynamic_cast<TPageControl*>(parent);
    if (pageControl_ && pageControl_ != pageControl)
        pageControl_->RemovePage(this, false);
    TWinControl::SetParent(parent);
    if (pageControl && pageControl_ != pageControl && Parent() == pageControl)
        pageControl->InsertPage(this);
}

int TTabSheet::PageIndex() const {
    return pageControl_ ? pageControl_->IndexOf(this) : -1;
}

void TTabSheet::SetPageIndex(int index) {
    if (pageControl_)
        pageControl_->MovePage(this, index);
}

void TTabSheet::TextChanged() {
    TWinControl::TextChanged();
    if (pageControl_)
        pageControl_->SetTabText(PageIndex(), Caption(), false);
}

void TTabSheet::ShowingChanged() {
    const bool showing = !Going(this) && Showing() && ParentForm() != nullptr;
    if (showing != shown_) {
        shown_ = showing;
        const std::weak_ptr<void> life = LifeToken();
        if (showing)
            DoShow();
        else
            DoHide();
        if (life.expired())
            return;
    }
    // The sheets inside follow, after this one.
    TWinControl::ShowingChanged();
}

void TTabSheet::DoShow() {
    if (OnShow)
        OnShow(this);
}

void TTabSheet::DoHide() {
    if (OnHide)
        OnHide(this);
}

// ---- TPageControl ----

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
    EnsureCommonControls();
    SetControlStyle(0); // the tab control handles its own mouse
    SetColor(clBtnFace);
    SetTabStop(true);
    SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl() {
    for (TTabSheet* page : pages_)
        page->pageControl_ = nullptr;
    pages_.clear();
    activePage_ = nullptr;
}

void TPageControl::BeforeDestruction() {
    for (TTabSheet* page : pages_)
        page->pageControl_ = nullptr;
    pages_.clear();
    activePage_ = nullptr;
    TWinControl::BeforeDestruction();
}

void TPageControl::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SystemClass = WC_TABCONTROLW;
    p.Style |= WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
}

void TPageControl::CreateWnd() {
    TWinControl::CreateWnd();
    if (!HandleAllocated())
        return;
    for (size_t i = 0; i < pages_.size(); ++i)
        SetTabText(static_cast<int>(i), pages_[i]->Caption(), true);
    SelectTab();
}

void TPageControl::SetTabText(int index, const std::string& text, bool insert) {
    const HWND h = ExistingHandle();
    if (!h || index < 0)
        return;
    std::wstring wide = cp932::Wide(text);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = wide.data();
    SendMessageW(h, insert ? TCM_INSERTITEMW : TCM_SETITEMW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
}

void TPageControl::SelectTab() {
    if (const HWND h = ExistingHandle())
        SendMessageW(h, TCM_SETCURSEL, static_cast<WPARAM>(ActivePageIndex()), 0);
}

void TPageControl::AdjustClientRect(TRect& r) {
    const HWND h = ExistingHandle();
    if (!h)
        return;
    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    SendMessageW(h, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rc));
    r = {rc.left, rc.top, std::max(rc.left, rc.right), std::max(rc.top, rc.bottom)};
}

TRect TPageControl::DisplayRect() {
    TRect r = ClientRect();
    AdjustClientRect(r);
    return r;
}

void TPageControl::FontChanged() {
    TWinControl::FontChanged();
    Realign(); // the tabs' height follows the font
}

int TPageControl::IndexOf(const TTabSheet* page) const {
    const auto it = std::find(pages_.begin(), pages_.end(), page);
    return it == pages_.end() ? -1 : static_cast<int>(it - pages_.begin());
}

TTabSheet* TPageControl::Pages(int index) const {
    if (index < 0 || index >= PageCount())
        throw EListIndexError(index);
    return pages_[static_cast<size_t>(index)];
}

int TPageControl::ActivePageIndex() const {
    return activePage_ ? IndexOf(activePage_) : -1;
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->pageControl_ != this)
        return;
    ChangeActivePage(page);
}

void TPageControl::SetActivePageIndex(int index) {
    if (index == -1) {
        ChangeActivePage(nullptr);
        return;
    }
    ChangeActivePage(Pages(index));
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool forward) const {
    if (pages_.empty())
        return nullptr;
    const int count = PageCount();
    const int at = IndexOf(current);
    if (at < 0)
        return forward ? pages_.front() : pages_.back();
    return pages_[static_cast<size_t>((at + (forward ? 1 : count - 1)) % count)];
}

void TPageControl::SelectNextPage(bool forward) {
    TTabSheet* next = FindNextPage(activePage_, forward);
    if (next && next != activePage_)
        ChangeByUser(next);
}

bool TPageControl::CanChange() {
    bool allow = true;
    if (OnChanging)
        OnChanging(this, allow);
    return allow;
}

void TPageControl::Change() {
    if (OnChange)
        OnChange(this);
}

void TPageControl::ChangeByUser(TTabSheet* page) {
    const std::weak_ptr<void> life = LifeToken();
    if (!CanChange() || life.expired())
        return;
    // The handler may have taken the page away.
    if (page && page->pageControl_ != this)
        return;
    ChangeActivePage(page);
    if (!life.expired())
        Change();
}

void TPageControl::ChangeActivePage(TTabSheet* page, bool oldGoing) {
    if (page == activePage_)
        return;
    TTabSheet* old = activePage_;
    // The focus leaves a sheet that goes out of view for the tabs, as a tab click takes it.
    if (old && !oldGoing && old->HandleAllocated()) {
        const HWND focus = GetFocus();
        if (focus && IsChild(old->Handle(), focus) && CanFocus() && HandleAllocated())
            SetFocus();
    }
    activePage_ = page;
    SelectTab();
    const std::weak_ptr<void> life = LifeToken();
    const std::weak_ptr<void> oldLife = old ? old->LifeToken() : std::weak_ptr<void>();
    if (page) {
        const TRect r = DisplayRect();
        page->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        page->SetVisible(true); // the new sheet's OnShow
        if (life.expired())
            return;
    }
    if (old && !oldGoing && !oldLife.expired() && old != activePage_)
        old->SetVisible(false); // the old sheet's OnHide, and of the sheets inside it
}

void TPageControl::InsertPage(TTabSheet* page) {
    pages_.push_back(page);
    page->pageControl_ = this;
    SetTabText(PageCount() - 1, page->Caption(), true);
    if (!activePage_ && !Going(this))
        ChangeActivePage(page);
    else
        SelectTab();
}

void TPageControl::RemovePage(TTabSheet* page, bool pageGoing) {
    const int index = IndexOf(page);
    if (index < 0)
        return;
    pages_.erase(pages_.begin() + index);
    page->pageControl_ = nullptr;
    if (const HWND h = ExistingHandle())
        SendMessageW(h, TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
    if (page != activePage_) {
        SelectTab();
        return;
    }
    if (Going(this)) {
        activePage_ = nullptr; // the whole control goes: nothing more is shown
        return;
    }
    // The sheet that takes the removed one's place, else the one before it.
    TTabSheet* next = nullptr;
    if (!pages_.empty())
        next = pages_[static_cast<size_t>(std::min(index, PageCount() - 1))];
    ChangeActivePage(next, pageGoing);
}

void TPageControl::MovePage(TTabSheet* page, int index) {
    const int from = IndexOf(page);
    if (from < 0)
        return;
    index = std::clamp(index, 0, PageCount() - 1);
    if (index == from)
        return;
    pages_.erase(pages_.begin() + from);
    pages_.insert(pages_.begin() + index, page);
    if (const HWND h = ExistingHandle()) {
        SendMessageW(h, TCM_DELETEITEM, static_cast<WPARAM>(from), 0);
        SetTabText(index, page->Caption(), true);
    }
    SelectTab();
}

bool TPageControl::DialogKey(uint16_t key, TShiftState shift) {
    if (key != VK_TAB || !(shift & ssCtrl) || (shift & ssAlt) || PageCount() < 2)
        return false;
    SelectNextPage(!(shift & ssShift));
    return true;
}

void TPageControl::WndProc(TMessage& m) {
    if (m.Msg == CN_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(m.LParam);
        if (header->code == TCN_SELCHANGING) {
            m.Result = CanChange() ? FALSE : TRUE;
            return;
        }
        if (header->code == TCN_SELCHANGE) {
            const int index = static_cast<int>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
            const std::weak_ptr<void> life = LifeToken();
            if (index >= 0 && index < PageCount())
                ChangeActivePage(pages_[static_cast<size_t>(index)]);
            if (!life.expired())
                Change();
            m.Result = 0;
            return;
        }
    }
    TWinControl::WndProc(m);
}

} // namespace forms
