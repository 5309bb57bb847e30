#include "components/BasePanel.h"

using namespace forms;

TBasePanel::TBasePanel(TComponent* owner) : TCustomPanel(owner) {
    SetBevelInner(TBevelCut::bvNone);
    SetBevelOuter(TBevelCut::bvNone);
}

void TBasePanel::SetTranslucent(bool value) {
    translucent_ = value;
    Invalidate();
}

void TBasePanel::Paint() {
    if (translucent_)
        Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    else
        TCustomPanel::Paint();
    if (OnPaint)
        OnPaint(this);
}
