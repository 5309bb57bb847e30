// The main form's input: the mouse on the form and its controls, the wheel through the
// application's message filter, the extra mouse buttons and the keys; the actions they run, the
// selection moves and the bar's scrolling, the window drag and the hide command.
#include "qvtdock/MainForm.h"

#include "forms/base/Method.h"
#include "forms/base/ScopeGuard.h"
#include "forms/win/Screen.h"
#include "qvtdock/AutoHideSuspension.h"
#include "qvtdock/PageView.h"
#include "qvtdock/Selection.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <limits>

using forms::TComponent;
using forms::TMouseButton;
using forms::TShiftState;

namespace {
// A drag of the window by its caption: the move command with the caption's hit-test code.
constexpr WPARAM kDragByCaption = SC_MOVE | HTCAPTION;

TInputButton InputButton(TMouseButton button) {
    switch (button) {
    case TMouseButton::mbLeft:
        return TInputButton::Left;
    case TMouseButton::mbRight:
        return TInputButton::Right;
    case TMouseButton::mbMiddle:
        break;
    }
    return TInputButton::Middle;
}

// -(size x index) pixels, within int.
int Offset(int size, int index) {
    const int64_t v = -(int64_t{size} * index);
    return static_cast<int>(std::max<int64_t>(v, std::numeric_limits<int>::min()));
}
} // namespace

void TfmMain::BuildInputDesign() {
    // The form group: the form, its title bar, counters, title and button area.
    for (forms::TControl* c :
         std::initializer_list<forms::TControl*>{this, TitleBox, LbBtn, LbCount, LbTitle, Base}) {
        c->OnMouseDown = forms::Method(this, &TfmMain::FormMouseDown);
        c->OnMouseMove = forms::Method(this, &TfmMain::FormMouseMove);
        c->OnMouseUp = forms::Method(this, &TfmMain::FormMouseUp);
    }

    BtnBar->OnMouseDown = forms::Method(this, &TfmMain::BtnBarMouseDown);
    BtnBar->OnMouseUp = forms::Method(this, &TfmMain::BtnBarMouseUp);
    BtnBar->OnMouseMove = forms::Method(this, &TfmMain::BtnBarMouseMove);
    BtnBar->OnNoneBtnMouseDown = forms::Method(this, &TfmMain::BtnBarNoneBtnMouseDown);
    BtnBar->OnNoneBtnMouseUp = forms::Method(this, &TfmMain::BtnBarNoneBtnMouseUp);
    BtnBar->OnNoneBtnMouseMove = forms::Method(this, &TfmMain::BtnBarNoneBtnMouseMove);
    BtnBar->OnBtnMouseWheel = forms::Method(this, &TfmMain::BtnBarBtnMouseWheel);

    PageTab->OnMouseDown = forms::Method(this, &TfmMain::PageTabMouseDown);
    PageTab->OnMouseUp = forms::Method(this, &TfmMain::PageTabMouseUp);

    LTimer->OnMouse4BtnClick = forms::Method(this, &TfmMain::LTimerMouse4BtnClick);
    LTimer->OnMouse5BtnClick = forms::Method(this, &TfmMain::LTimerMouse5BtnClick);

    OnKeyDown = forms::Method(this, &TfmMain::FormKeyDown);
    OnKeyUp = forms::Method(this, &TfmMain::FormKeyUp);
}

void TfmMain::BindHintWindowMouse() {
    TRvHint* hint = FHintSetter ? FHintSetter->HintWindow() : nullptr;
    if (!hint)
        return;
    hint->OnMouseDown = forms::Method(this, &TfmMain::HintWindowMouseDown);
    hint->OnMouseUp = forms::Method(this, &TfmMain::HintWindowMouseUp);
    hint->OnLinkClick = forms::Method(this, &TfmMain::HintWindowLinkClick);
}

// ---- Actions -----------------------------------------------------------------------------------

void TfmMain::DoAction(int32_t number) {
    const std::optional<TAction> action = ActionOf(number);
    if (!action)
        return;
    switch (*action) {
    case TAction::None:
        break;
    case TAction::Menu:
        PopupMenuAt(forms::Mouse.CursorPos());
        break;
    case TAction::Run:
        // Nothing runs, and nothing is said, while no button is selected.
        if (const std::optional<TSelectedSlot> slot = SelectedSlot())
            LaunchButton(slot->Page, slot->Slot, 0);
        break;
    case TAction::Lock:
        TitleBarLockBtnClick(this);
        break;
    case TAction::DataEditor:
        mnRegDataClick(this);
        break;
    case TAction::ButtonSize:
        mnBtnSizeClick(this);
        break;
    case TAction::Columns:
        nmFormSizeClick(this);
        break;
    case TAction::Settings:
        mnCfgClick(this);
        break;
    case TAction::Style:
        mnSkinClick(this);
        break;
    case TAction::Hide:
        mnExitClick(this);
        break;
    case TAction::Quit:
        mnCloseClick(this);
        break;
    case TAction::PreviousButton:
        MoveSelection(1, true);
        UpdateTitleInfo();
        break;
    case TAction::NextButton:
        MoveSelection(-1, true);
        UpdateTitleInfo();
        break;
    case TAction::PreviousPage:
        ShowPage(PreviousPage(PageTab->TabIndex(), PageTab->Tabs().Count()));
        break;
    case TAction::NextPage:
        ShowPage(NextPage(PageTab->TabIndex(), PageTab->Tabs().Count()));
        break;
    case TAction::RowBack:
    case TAction::RowForward:
        if (BtnBar->ButtonCount() <= FCfg.FormSize)
            break;
        MoveSelection(*action == TAction::RowBack ? FCfg.FormSize : -FCfg.FormSize, true);
        if (!LbTitle->ShowTime() && LbTitle->Visible())
            UpdateTitleInfo();
        break;
    }
}

void TfmMain::PopupMenuAt(forms::TPoint p) {
    // Auto-hide comes back on every way out of the menu.
    const TAutoHideSuspension suspension(*this);
    PopupMenu1->Popup(p.X, p.Y);
}

void TfmMain::ShowPage(std::optional<int> tab) {
    if (!tab)
        return;
    PageTab->SetTabIndex(*tab);
    ResetPageView();
}

void TfmMain::mnExitClick(TComponent* /*sender*/) {
    // The lock makes the close button unusable.
    if (Visible() && !CloseBtn->NoUse())
        Hide();
}

void TfmMain::RunRelease(const TReleaseOutcome& outcome) {
    if (outcome.ResetPageView)
        ResetPageView();
    if (outcome.Action)
        DoAction(*outcome.Action);
}

// ---- Selection and scrolling -------------------------------------------------------------------

int TfmMain::PageButtonCount() const {
    return FLaunchList ? PageBtnCount(*FLaunchList, PageTab->TabIndex()) : 0;
}

bool TfmMain::AllButtonsVisible() const {
    return ::AllButtonsVisible(Base->Width(), BtnBar->BtnSize(), FCfg.FormSize,
                               BtnBar->ButtonCount());
}

void TfmMain::MoveSelection(int32_t step, bool wrap) {
    if (!MultiRowBar()) {
        BtnBar->SetBtnIndex(SteppedIndex(BtnBar->BtnIndex(), step, wrap, BtnBar->ButtonCount()));
        if (!AllButtonsVisible())
            ScrollToSelection(step);
        return;
    }
    if (const std::optional<TWheelMessage> wheel = input_.WheelSource()) {
        // Whatever the step, the bar moves its selection by one itself and then reports the
        // wheel, which scrolls.
        SendMessageW(BtnBar->Handle(), WM_MOUSEWHEEL, wheel->WParam, wheel->LParam);
        return;
    }
    // A whole row's step scrolls by a row; a step of one only keeps the selection in view.
    const bool wholeRow = step > 1 || step < -1;
    ScrollRows(step <= 0, wholeRow);
}

void TfmMain::ScrollToSelection(int32_t step) {
    TRowScroll s;
    s.First = FFirstVisibleBtn;
    s.Selection = BtnBar->BtnIndex();
    s.Step = step;
    s.FormSize = FCfg.FormSize;
    s.Count = BtnBar->ButtonCount();
    const std::optional<int> first = ScrolledFirstButton(s);
    if (!first)
        return;
    FFirstVisibleBtn = *first;
    BtnBar->SetBounds(Offset(BtnBar->BtnSize(), *first), 0, BtnBar->Width(), BtnBar->Height());
}

int TfmMain::FirstVisibleRow() const {
    return ::FirstVisibleRow(BtnBar->Top(), BtnBar->BtnSize());
}

void TfmMain::ScrollRows(bool down, bool byRow) {
    const int size = BtnBar->BtnSize();
    if (size <= 0)
        return;
    TRowsScroll s;
    s.Top = FirstVisibleRow();
    s.Selection = BtnBar->BtnIndex();
    s.Down = down;
    s.ByRow = byRow;
    s.VisibleRows = Base->Height() / size;
    s.RowCount = BtnBar->RowCount();
    s.ColCount = BtnBar->ColCount();
    if (const std::optional<int> top = ScrolledTopRow(s))
        BtnBar->SetBounds(0, Offset(size, *top), BtnBar->Width(), BtnBar->Height());
}

// ---- The form group and the window drag --------------------------------------------------------

void TfmMain::FormMouseDown(TComponent* /*sender*/, TMouseButton button, TShiftState /*shift*/,
                            int x, int y) {
    input_.SetLastPoint({x, y});
    input_.Press(TInputPlace::Form, InputButton(button));
}

void TfmMain::FormMouseMove(TComponent* /*sender*/, TShiftState shift, int x, int y) {
    if (!Active())
        ForceForeground();
    if (!(shift & forms::ssLeft) || input_.LastPoint() == forms::TPoint{x, y} ||
        !input_.DragArmed())
        return;
    DragWindow(x, y);
}

void TfmMain::DragWindow(int x, int y) {
    if (FCfg.BtnPopupHint && FHintSetter)
        FHintSetter->HideHint();
    ReleaseCapture();
    // Returns when the user lets go: the system's move loop took the release.
    SendMessageW(Handle(), WM_SYSCOMMAND, kDragByCaption,
                 MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
    input_.DragEnded();
    if (FCfg.BtnPopupHint)
        ShowButtonHint();
}

void TfmMain::FormMouseUp(TComponent* /*sender*/, TMouseButton button, TShiftState /*shift*/,
                          int /*x*/, int /*y*/) {
    RunRelease(input_.Release(TInputPlace::Form, InputButton(button), FCfg.Actions));
}

// ---- The button bar ----------------------------------------------------------------------------

void TfmMain::BtnBarMouseDown(TComponent* /*sender*/, TMouseButton button, TShiftState /*shift*/,
                              int /*x*/, int /*y*/) {
    input_.Press(TInputPlace::Bar, InputButton(button));
}

void TfmMain::BtnBarMouseUp(TComponent* /*sender*/, TMouseButton button, TShiftState /*shift*/,
                            int /*x*/, int /*y*/) {
    RunRelease(input_.Release(TInputPlace::Bar, InputButton(button), FCfg.Actions));
}

void TfmMain::BtnBarMouseMove(TComponent* /*sender*/, TShiftState /*shift*/, int x, int y) {
    const forms::TPoint last = input_.LastPoint();
    if (BtnBar->BtnIndexAt(x, y) != BtnBar->BtnIndexAt(last.X, last.Y))
        UpdateTitleInfo();
    input_.SetLastPoint({x, y});
}

void TfmMain::BtnBarNoneBtnMouseDown(TComponent* sender, TMouseButton button, TShiftState shift,
                                     int x, int y) {
    if (BtnBar->BtnIndexAt(x, y) >= PageButtonCount())
        FormMouseDown(sender, button, shift, x, y);
}

void TfmMain::BtnBarNoneBtnMouseUp(TComponent* sender, TMouseButton button, TShiftState shift,
                                   int x, int y) {
    if (BtnBar->BtnIndexAt(x, y) >= PageButtonCount())
        FormMouseUp(sender, button, shift, x, y);
}

void TfmMain::BtnBarNoneBtnMouseMove(TComponent* sender, TShiftState shift, int x, int y) {
    if (BtnBar->BtnIndexAt(x, y) >= PageButtonCount())
        FormMouseMove(sender, shift, x, y);
}

void TfmMain::BtnBarBtnMouseWheel(TComponent* /*sender*/, int wheelDelta) {
    if (MultiRowBar())
        ScrollRows(wheelDelta < 0, false);
}

// ---- Page tabs, the pop-up hint and the extra buttons ------------------------------------------

void TfmMain::PageTabMouseDown(TComponent* /*sender*/, TMouseButton button, TShiftState /*shift*/,
                               int /*x*/, int /*y*/) {
    input_.Press(TInputPlace::Tab, InputButton(button));
}

void TfmMain::PageTabMouseUp(TComponent* /*sender*/, TMouseButton button, TShiftState /*shift*/,
                             int /*x*/, int /*y*/) {
    RunRelease(input_.Release(TInputPlace::Tab, InputButton(button), FCfg.Actions));
}

void TfmMain::HintWindowMouseDown(TComponent* /*sender*/, TMouseButton button,
                                  TShiftState /*shift*/, int /*x*/, int /*y*/) {
    input_.Press(TInputPlace::Hint, InputButton(button));
}

void TfmMain::HintWindowMouseUp(TComponent* /*sender*/, TMouseButton button, TShiftState /*shift*/,
                                int /*x*/, int /*y*/) {
    RunRelease(input_.Release(TInputPlace::Hint, InputButton(button), FCfg.Actions));
}

void TfmMain::HintWindowLinkClick(TComponent* /*sender*/, TMouseButton button,
                                  TShiftState /*shift*/, int /*x*/, int /*y*/) {
    // Still held, the button would turn the next wheel notch into its wheel action.
    (void)input_.Release(TInputPlace::Hint, InputButton(button), FCfg.Actions);
}

void TfmMain::LTimerMouse4BtnClick(TComponent* /*sender*/) {
    if (!FBusy && Visible())
        DoAction(FCfg.Actions[makBtn4]);
}

void TfmMain::LTimerMouse5BtnClick(TComponent* /*sender*/) {
    if (!FBusy && Visible())
        DoAction(FCfg.Actions[makBtn5]);
}

// ---- Keys --------------------------------------------------------------------------------------

void TfmMain::FormKeyDown(TComponent* /*sender*/, uint16_t& key, TShiftState /*shift*/) {
    input_.SetKeyMenu(false);
    if (ActiveControl() != BtnBar)
        SetActiveControl(BtnBar);
    switch (KeyDownCommand(key, FCfg.LauncherKeys)) {
    case TKeyCommand::Run:
        key = 0;
        DoAction(static_cast<int32_t>(TAction::Run));
        break;
    case TKeyCommand::Hide:
        key = 0;
        DoAction(static_cast<int32_t>(TAction::Hide));
        break;
    default:
        // The bar moves its selection for the arrows itself.
        break;
    }
}

void TfmMain::FormKeyUp(TComponent* /*sender*/, uint16_t& key, TShiftState /*shift*/) {
    input_.SetKeyMenu(false);
    if (key == 0)
        return;
    if (ActiveControl() != BtnBar)
        SetActiveControl(BtnBar);
    const TKeyCommand command = KeyUpCommand(key, FCfg.LauncherKeys);
    // Every release ends here, whatever it meant.
    key = 0;
    switch (command) {
    case TKeyCommand::Menu:
        input_.SetKeyMenu(true);
        input_.SetMenuContext(mcKeyboard);
        PopupMenuAt(BtnBar->BtnCenterOnScreen(BtnBar->BtnIndex()));
        break;
    case TKeyCommand::Lock:
        TitleBarLockBtnClick(this);
        break;
    case TKeyCommand::PreviousPage:
        ShowPage(PreviousPage(PageTab->TabIndex(), PageTab->Tabs().Count()));
        break;
    case TKeyCommand::NextPage:
        ShowPage(NextPage(PageTab->TabIndex(), PageTab->Tabs().Count()));
        break;
    case TKeyCommand::Left:
    case TKeyCommand::Right: {
        const bool right = command == TKeyCommand::Right;
        if (MultiRowBar())
            ScrollRows(right, false);
        else if (!AllButtonsVisible())
            ScrollToSelection(right ? -1 : 1);
        UpdateTitleInfo();
        break;
    }
    case TKeyCommand::Up:
    case TKeyCommand::Down:
        if (MultiRowBar()) {
            ScrollRows(command == TKeyCommand::Down, true);
            UpdateTitleInfo();
        }
        break;
    case TKeyCommand::None:
    case TKeyCommand::Run:
    case TKeyCommand::Hide:
        break;
    }
}

// ---- The wheel ---------------------------------------------------------------------------------

void TfmMain::ApplicationEvents1Message(MSG& msg, bool& handled) {
    // The wheel message being dispatched is known only while it is.
    input_.SetWheelSource(std::nullopt);
    handled = false;
    switch (msg.message) {
    case WM_MOUSEWHEEL:
        WheelMessage(msg, handled);
        break;
    case WM_DROPFILES:
        DropFilesMessage(msg, handled);
        break;
    default:
        break;
    }
}

bool TfmMain::WheelIsForLauncher(HWND target) {
    // Our dialogs disable the window; child programs and brackets of our own say so.
    if (!HandleAllocated() || FBusy || state_.Suspensions() > 0 || !IsWindowEnabled(Handle()))
        return false;
    if (forms::IsOwnWindow(target, this))
        return true;
    TRvHint* hint = FHintSetter ? FHintSetter->HintWindow() : nullptr;
    return hint && hint->HandleAllocated() && target == hint->Handle();
}

void TfmMain::WheelMessage(const MSG& msg, bool& handled) {
    if (!WheelIsForLauncher(msg.hwnd))
        return;
    input_.SetWheelSource(TWheelMessage{msg.wParam, msg.lParam});
    const auto done = forms::OnScopeExit([this] { input_.SetWheelSource(std::nullopt); });
    // No control gets the wheel, whatever the action does.
    handled = true;
    DoAction(input_.Wheel(GET_WHEEL_DELTA_WPARAM(msg.wParam), FCfg.Actions));
}
