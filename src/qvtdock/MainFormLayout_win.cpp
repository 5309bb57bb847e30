// The main form's layout, title bar and page view.
#include "qvtdock/MainForm.h"

#include "forms/base/Method.h"
#include "forms/gfx/DeviceContext.h"
#include "forms/win/RedrawSuspension.h"
#include "qvtdock/Layout.h"
#include "qvtdock/MenuItems.h"
#include "qvtdock/TitleText.h"
#include "qvtdock/WindowFaces.h"
#include "shared/Desktop.h"
#include "shared/SkinDrawing.h"

#include <windows.h>

using forms::TComponent;

namespace {
// The text's width in the font, measured on a memory context (the label may have no window).
int TextWidthIn(const forms::TFont& font, std::string_view text) {
    const forms::MemoryDC dc;
    forms::TCanvas canvas(dc.Handle());
    canvas.Font().Assign(font);
    return canvas.TextWidth(text);
}

void Place(forms::TControl& control, const forms::TRect& r) {
    control.SetBounds(r.Left, r.Top, r.Width(), r.Height());
}
} // namespace

void TfmMain::ArrangeLayout() {
    if (FTitleBarStyle->Orientation == 0) {
        TLayoutInput input;
        input.BtnSize = BtnBar->BtnSize();
        input.FormSize = FCfg.FormSize;
        input.RowMax = FCfg.RowMax;
        input.BtnCount = PageBtnCount(*FLaunchList, PageTab->TabIndex());
        input.TabHeight = PageTab->TabBtnHeight();
        input.TabsShown = FCfg.VisTab;
        const TWindowLayout layout = PlanLayout(input);

        TitleBox->SetAlign(forms::TAlign::alTop);
        FTitleBarStyle->Angle = 0;
        TitleBox->SetHeight(kTitleBarHeight);
        BtnBar->SetColCount(layout.Grid.ColCount);
        BtnBar->SetRowCount(layout.Grid.RowCount);
        Place(*Base, layout.Base);
        Place(*BtnBar, layout.Bar);
        PageTab->SetAlign(forms::TAlign::alBottom);
        PageTab->SetTabPosition(teBottom);
        PageTab->SetHeight(PageTab->TabBtnHeight());
        PageTab->SetVisible(FCfg.VisTab);
        SetClientSize(layout.ClientWidth, layout.ClientHeight);
    }
    BtnBar->Invalidate();
    Base->Invalidate();
}

void TfmMain::ArrangeTitleBar() {
    if (FStyleType > 1 || FTitleBarStyle->Orientation != 0)
        return;
    TitleBox->SetAlign(forms::TAlign::alTop);
    TTitleBarInput input;
    input.Width = TitleBox->Width();
    input.Height = TitleBox->Height();
    input.BtnCounter = {LbBtn->Width(), LbBtn->Height()};
    input.PageCounter = {LbCount->Width(), LbCount->Height()};
    const TTitleBarLayout layout = PlanTitleBar(input);
    Place(*CloseBtn, layout.CloseBtn);
    Place(*WizBtn, layout.WizBtn);
    Place(*LockBtn, layout.LockBtn);
    Place(*LbCount, layout.PageCounter);
    Place(*LbBtn, layout.BtnCounter);
    Place(*LbTitle, layout.Title);
    LbTitle->SetScrollStyle(tssHorzLeft);
}

void TfmMain::ShowPageButtons() {
    if (FLaunchList->Count() == 0)
        return;
    const int p = PageTab->TabIndex();
    forms::TRedrawSuspension redraw(*this);
    const auto finish = [&] {
        redraw.End();
        Base->Invalidate();
        BtnBar->Invalidate();
        if (p >= 0 && p < mnPage->Count())
            mnPage->Items(p)->SetChecked(true);
        FFirstVisibleBtn = 0;
        BtnBar->SetBounds(0, 0, BtnBar->Width(), BtnBar->Height());
    };
    try {
        if (FTitleBarStyle->Orientation == 0) {
            const TGridShape shape =
                PageGridShape(PageBtnCount(*FLaunchList, p), FCfg.FormSize, FCfg.RowMax);
            BtnBar->SetColCount(shape.ColCount);
            BtnBar->SetRowCount(shape.RowCount);
        }
        // The bar draws the page's icons where the launcher holds them. A hidden launcher shows no
        // page: the icons wait for the window to show (FormShow).
        const int count = PageBtnCount(*FLaunchList, p);
        BtnBar->ShowIcons(nullptr, 0, 0);
        if (Visible())
            icons_->ShowPage(p);
        BtnBar->ShowIcons(FIconList.get(), count ? FLaunchList->ItemIndex(p, 0) : 0, count);
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

void TfmMain::MakeShownPageIcons() {
    if (FLaunchList->Count() == 0)
        return;
    icons_->ShowPage(PageTab->TabIndex());
    BtnBar->Invalidate();
}

void TfmMain::ResetPageView() {
    BtnBar->SetBtnIndex(0);
    ShowPageButtons();
    UpdateTitleInfo();
}

void TfmMain::UpdateTitleInfo() {
    const int p = PageTab->TabIndex();
    const std::optional<TSelectedSlot> selected = SelectedSlot();
    if (FCfg.BtnCounter) {
        LbBtn->SetCaption(CounterText(int64_t{BtnBar->BtnIndex()} + 1));
        LbCount->SetCaption(CounterText(PageBtnCount(*FLaunchList, p)));
        LbBtn->Repaint();
        LbCount->Repaint();
    }
    if (FCfg.VisTitle && !FCfg.VisDateTime) {
        LbTitle->SetTelopMessage(
            selected ? ComposeButtonText(p, selected->Slot, false, FCfg.TitleInPage) : "");
        const std::string shown = LbTitle->DisplayedText();
        if (!LbTitle->Telop())
            LbTitle->SetWidth(
                TitleWidthFor(TextWidthIn(LbTitle->Font(), shown), TitleBox->Width()));
        LbTitle->Repaint();
    }
    if (FCfg.BtnPopupHint && FHintSetter) {
        if (!selected || (!CursorInWindow(Handle()) && Visible() && FCfg.HintHide))
            FHintSetter->HideHint();
        else
            ShowButtonHint();
    }
}

std::string TfmMain::ComposeButtonText(int page, int slot, bool withComment, bool withPage) const {
    return ::ComposeButtonText(*FLaunchList, page, slot, withComment, withPage);
}

std::optional<TSelectedSlot> TfmMain::SelectedSlot() const {
    return SelectedSlotOf(*FLaunchList, PageTab->TabIndex(), BtnBar->BtnIndex());
}

void TfmMain::BuildPageMenu() {
    ClearMenuItems(*mnPage);
    // The items mirror the tabs: choosing one selects its tab.
    for (int i = 0; i < PageTab->Tabs().Count(); ++i)
        AddMenuItem(*mnPage, PageTab->Tabs().Strings(i), "", true, 1,
                    forms::Method(this, &TfmMain::PageMenuClick));
    const int p = PageTab->TabIndex();
    if (p >= 0 && p < mnPage->Count())
        mnPage->Items(p)->SetChecked(true);
}

void TfmMain::PageMenuClick(TComponent* sender) {
    const auto* item = dynamic_cast<forms::TMenuItem*>(sender);
    if (!item)
        return;
    PageTab->SetTabIndex(item->MenuIndex());
    ResetPageView();
}

void TfmMain::PageTabChange(TComponent* /*sender*/) {
    ResetPageView();
}

void TfmMain::TitleBoxPaint(TComponent* /*sender*/) {
    forms::TCanvas& canvas = TitleBox->Canvas();
    const forms::TRect rect = TitleBox->ClientRect();
    const TTitleBarStyle& style = *FTitleBarStyle;
    if (!style.UseGlyph)
        PaintTitleBarFace(canvas, rect, style.Color, style.TopLineColor, style.BtmLineColor);
    else if (style.Orientation < 2)
        DrawSkinPart(canvas, style.Glyph.get(), rect, 40, 80, style.Angle, style.Transparent);
}

void TfmMain::BasePaint(TComponent* /*sender*/) {
    const TEmptyRowsPlan plan =
        PlanEmptyRows(BtnBar->Height(), Base->Width(), Base->Height(), BtnBar->BtnSize(),
                      FCfg.FormSize, BtnBar->NoneMarked());
    if (!plan.Paint)
        return;
    forms::TCanvas& canvas = Base->Canvas();
    if (!plan.Cells) {
        canvas.Brush().SetColor(BtnBar->BaseColor());
        canvas.FillRect(plan.Fill);
        return;
    }
    const int s = plan.CellSize;
    forms::TBitmap cell;
    cell.SetSize(s, s);
    if (BtnBar->UseGlyph()) {
        cell.Canvas().Brush().SetColor(BtnBar->BaseColor());
        cell.Canvas().FillRect(forms::Bounds(0, 0, s, s));
        DrawStripCellIn(cell.Canvas(), 3, 4, BtnBar->Glyph(), s, s, true,
                        BtnBar->GlyphTransparent());
    } else {
        DrawEmptyCell(cell.Canvas(), s, BtnBar->BaseColor(), BtnBar->BtmLineColor());
    }
    forms::TBitmap row;
    row.SetSize(plan.RowWidth, s);
    for (int i = 0; i < plan.Columns; ++i)
        BitBlt(row.Canvas().Handle(), i * s, 0, s, s, cell.Canvas().Handle(), 0, 0, SRCCOPY);
    for (const int y : plan.RowTops)
        BitBlt(canvas.Handle(), 0, y, plan.RowWidth, s, row.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TfmMain::FormResize(TComponent* /*sender*/) {
    if (!FCfg.BtnPopupHint || !FHintSetter)
        return;
    if (TRvHint* hint = FHintSetter->HintWindow();
        hint && hint->HandleAllocated() && IsWindowVisible(hint->Handle()))
        FHintSetter->HideHint();
    ShowButtonHint();
}
