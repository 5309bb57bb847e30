#pragma once
// Page controls: the system tab control (SysTabControl32) under our own class name, one tab per
// sheet. A sheet is a container whose window fills the tab control's display area; only the
// active sheet is visible. A sheet's OnShow and OnHide follow whether it is showing (visible with
// all its parents, on a form): showing or hiding the form, changing the page in code or by the
// user, and leaving an outer sheet (which hides the sheets inside it) all fire them. Ctrl+Tab and
// Ctrl+Shift+Tab move between the sheets of the innermost page control around the focus.
#include "forms/win/WinControl.h"

#include <vector>

namespace forms {

class TPageControl;

class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;
    void BeforeDestruction() override;

    // The page control the sheet lies on (its parent), or nullptr.
    [[nodiscard]] TPageControl* PageControl() const { return pageControl_; }
    // Puts the sheet on pageControl as its last page (nullptr takes it off).
    void SetPageControl(TPageControl* pageControl);
    // Position among the page control's sheets and tabs; -1 without a page control.
    [[nodiscard]] int PageIndex() const;
    // Moves the sheet and its tab (the index is clamped to the pages there are).
    void SetPageIndex(int index);
    void SetParent(TWinControl* parent) override;

    // The sheet started or stopped showing.
    TNotifyEvent OnShow, OnHide;

protected:
    void ShowingChanged() override;
    void TextChanged() override;
    virtual void DoShow();
    virtual void DoHide();

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool shown_ = false; // OnShow fired last (OnHide not yet)
};

using TTabChangingEvent = std::function<void(TComponent* sender, bool& allowChange)>;

class TPageControl : public TWinControl {
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;
    void BeforeDestruction() override;

    [[nodiscard]] int PageCount() const { return static_cast<int>(pages_.size()); }
    // EListIndexError outside 0 .. PageCount - 1.
    [[nodiscard]] TTabSheet* Pages(int index) const;
    // The visible sheet; the first sheet put on the control becomes active by itself.
    [[nodiscard]] TTabSheet* ActivePage() const { return activePage_; }
    // Shows page and hides the one before (a sheet of another page control is ignored). Fires
    // the sheets' OnShow and OnHide, not OnChanging and OnChange, which are the user's.
    void SetActivePage(TTabSheet* page);
    // -1 when no sheet is active.
    [[nodiscard]] int ActivePageIndex() const;
    // -1 makes no sheet active; EListIndexError for other indexes outside the pages.
    void SetActivePageIndex(int index);
    // The sheet after (or before) current, wrapping; the first (or last) for none.
    [[nodiscard]] TTabSheet* FindNextPage(TTabSheet* current, bool forward) const;
    // Moves to the next or previous sheet as the user does (OnChanging, OnChange).
    void SelectNextPage(bool forward);
    // The area the sheets fill, in client coordinates.
    [[nodiscard]] TRect DisplayRect();

    // Before the user changes the page (a tab click, the keyboard): allowChange false keeps it.
    TTabChangingEvent OnChanging;
    // After the user changed the page.
    TNotifyEvent OnChange;

    bool DialogKey(uint16_t key, TShiftState shift) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    void AdjustClientRect(TRect& rect) override;
    void FontChanged() override;
    virtual bool CanChange();
    virtual void Change();

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    // pageGoing: the sheet is being destroyed, so nothing of it is called any more.
    void RemovePage(TTabSheet* page, bool pageGoing);
    void MovePage(TTabSheet* page, int index);
    void SetTabText(int index, const std::string& text, bool insert);
    void SelectTab();
    void ChangeActivePage(TTabSheet* page, bool oldGoing = false);
    // A change the user asks for: OnChanging may refuse it; OnChange after it.
    void ChangeByUser(TTabSheet* page);
    [[nodiscard]] int IndexOf(const TTabSheet* page) const;

    std::vector<TTabSheet*> pages_;
    TTabSheet* activePage_ = nullptr;
};

} // namespace forms
