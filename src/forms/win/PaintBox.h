#pragma once
// A paint box: its face is whatever OnPaint draws on its canvas (whose font, brush and pen are
// reset to the box's own before each paint).
#include "forms/win/GraphicControl.h"

namespace forms {

class TPaintBox : public TGraphicControl {
public:
    explicit TPaintBox(TComponent* owner);
    TNotifyEvent OnPaint;

protected:
    void Paint() override;
};

} // namespace forms
