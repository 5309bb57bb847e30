#include "DemoForm.h"

#include "forms/base/StrUtils.h"

using namespace forms;

TDemoForm::TDemoForm(TComponent* owner) : TForm(owner) {
    SetCaption("デモ");
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetBounds(120, 120, 10, 10);
    SetClientSize(240, 140);
    SetColor(clWhite);

    pbFace = MakeChild<TPaintBox>(this, Bounds(10, 40, 220, 90));
    pbFace->SetName("pbFace");
    pbFace->OnPaint = [this](TComponent*) {
        pbFace->Canvas().Brush().SetColor(face_);
        pbFace->Canvas().FillRect(pbFace->ClientRect());
    };
    pbFace->OnClick = [this](TComponent*) { SetFace(face_ == clRed ? clBlue : clRed); };

    lbTicks = MakeChild<TLabel>(this, Bounds(10, 10, 0, 0));
    lbTicks->SetName("lbTicks");
    lbTicks->SetTransparent(true);
    lbTicks->SetCaption("0 回");

    pmColors = MakeOwned<TPopupMenu>(this);
    mnRed = pmColors->Items().Add("赤(&R)", [this](TComponent*) { SetFace(clRed); });
    mnBlue = pmColors->Items().Add("青(&B)", [this](TComponent*) { SetFace(clBlue); });
    for (TMenuItem* item : {mnRed, mnBlue}) {
        item->SetRadioItem(true);
        item->SetGroupIndex(1);
    }
    pmColors->Items().Add("-");
    mnClose = pmColors->Items().Add("閉じる(&X)", [this](TComponent*) { Close(); });
    pmColors->OnPopup = [this](TComponent*) {
        mnRed->SetChecked(face_ == clRed);
        mnBlue->SetChecked(face_ == clBlue);
    };
    pbFace->SetPopupMenu(pmColors);

    tmTick = MakeOwned<TTimer>(this);
    tmTick->SetEnabled(false);
    tmTick->SetInterval(20);
    tmTick->OnTimer = [this](TComponent*) {
        ++ticks_;
        lbTicks->SetCaption(IntToStr(ticks_) + " 回");
    };
    OnCreate = [this](TComponent*) { FormCreate(); };
}

void TDemoForm::FormCreate() {
    tmTick->SetEnabled(true);
}

void TDemoForm::SetFace(TColor color) {
    face_ = color;
    pbFace->Invalidate();
}
