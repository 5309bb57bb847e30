// The selected button's pop-up hint and the hints of the launcher's own controls.
#include "qvtdock/MainForm.h"

#include "qvtdock/HintPlacement.h"
#include "shared/Desktop.h"

namespace {
forms::TSize SizeOf(const forms::TRect& r) {
    return {r.Width(), r.Height()};
}
} // namespace

void TfmMain::ApplicationEvents1ShowHint(std::string& hintText, bool& canShow,
                                         forms::THintInfo& info) {
    if (FCfg.BtnPopupHint)
        return;
    forms::TControl* control = info.HintControl;
    // Other forms of the launcher (the About box) keep their own hints.
    if (!OnLauncherForm(control))
        return;
    // The title bar's buttons and counters say what they are.
    if (control == LockBtn || control == WizBtn || control == CloseBtn || control == LbBtn ||
        control == LbCount || control == PageTab->CounterLabel())
        return;
    const std::optional<TSelectedSlot> selected = SelectedSlot();
    if (!selected) {
        canShow = false;
        return;
    }
    const int s = BtnBar->BtnSize();
    const forms::TPoint corner = ButtonCorner(BtnBar->BtnIndex(), {s, BtnBar->ColCount()});
    info.HintPos = BtnBar->ClientToScreen({corner.X + s, corner.Y});
    info.HintMaxWidth = FHintSetter->MaxWidth();
    hintText = ComposeButtonText(PageTab->TabIndex(), selected->Slot, false, true);
}

bool TfmMain::OnLauncherForm(const forms::TControl* control) const {
    for (const forms::TControl* c = control; c; c = c->Parent())
        if (c == this)
            return true;
    return false;
}

void TfmMain::ShowButtonHint() {
    if (!Visible() || FBusy || !FCfg.BtnPopupHint || !FHintSetter)
        return;
    const std::optional<TSelectedSlot> selected = SelectedSlot();
    if (!selected)
        return;
    BtnBar->SetHint("");
    FHintSetter->SetHintStr(ComposeButtonText(PageTab->TabIndex(), selected->Slot, true, true));
    const int index = BtnBar->BtnIndex();
    if (FHintSetter->IsIcon())
        FHintSetter->SetIcon(icons_->SlotIcon(selected->Page, selected->Slot));
    if (FHintSetter->Locate() == hlNone) {
        const int width = FHintSetter->LockWidth() ? FHintSetter->MaxWidth()
                                                   : std::max(FHintSetter->MaxWidth(), Width());
        PlaceHintBelowForm(Left(), Top() + Height(), width, FHintSetter->MaxHeight());
        return;
    }
    TRvHint* window = FHintSetter->HintWindow();
    if (!window)
        return;
    forms::TSize size =
        SizeOf(window->CalcHintRect(FHintSetter->MaxWidth(), FHintSetter->HintStr()));
    // Room for the icon beside what the measure already gives it.
    if (FHintSetter->IsIcon())
        size.Width += kHintIconWidth;
    THintBar bar;
    bar.BtnSize = BtnBar->BtnSize();
    bar.ColCount = BtnBar->ColCount();
    bar.XOffset = FCfg.X;
    bar.YOffset = FCfg.Y;
    bar.VisTab = FCfg.VisTab;
    bar.TabHeight = PageTab->TabBtnHeight();
    const forms::TPoint p = BtnBar->ClientToScreen(
        CalcHintPos(FHintSetter->Locate(), index, size.Width, size.Height, bar));
    FHintSetter->ShowHintAt(p.X, p.Y, size.Width, FHintSetter->MaxHeight());
}

void TfmMain::PlaceHintBelowForm(int x, int y, int width, int maxHeight) {
    TRvHint* window = FHintSetter->HintWindow();
    if (!window)
        return;
    THintBelowForm in;
    in.X = x;
    in.Y = y;
    in.Width = width;
    in.WindowTop = Top();
    in.Text = SizeOf(window->CalcHintRect(width, FHintSetter->HintStr()));
    in.LockWidth = FHintSetter->LockWidth();
    in.MaxWidth = FHintSetter->MaxWidth();
    in.UseGlyph = FHintSetter->UseGlyph();
    in.UseStyle = FHintSetter->UseStyle();
    in.MaxLine = FHintSetter->MaxLine();
    in.HeightMargin = FHintSetter->HeightMargin();
    in.TopMargin = FHintSetter->TopMargin();
    const forms::TRect r =
        ::PlaceHintBelowForm(in, [](int bottom) { return BelowWorkArea(bottom); });
    FHintSetter->ShowHintAt(r.Left, r.Top, width, maxHeight);
}
