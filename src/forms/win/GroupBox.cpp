#include "forms/win/GroupBox.h"

#include "forms/win/Label.h"
#include "forms/win/SystemControls.h"

#include <vector>

namespace forms {

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) {
    SetControlStyle(0);
    SetBounds(0, 0, 185, 105);
}

void TGroupBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p); // a container: clips its children, Tab goes inside
    p.SystemClass = L"BUTTON";
    p.Style |= BS_GROUPBOX;
}

bool TGroupBox::DialogChar(uint16_t ch) {
    if (!IsAccel(ch, Caption()))
        return false;
    std::vector<TWinControl*> inside;
    TabList(inside, true);
    if (inside.empty())
        return false;
    inside.front()->SetFocus();
    return true;
}

void TGroupBox::WMEraseBkgnd(TMessage& m) {
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    TCanvas c(dc);
    c.Brush().SetColor(Color());
    c.FillRect(ClientRect());
    m.Result = 1;
}

void TGroupBox::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORBTN:
        m.Result = ControlColors(reinterpret_cast<HDC>(m.WParam), brush_, Color(), Font().Color());
        return;
    default:
        break;
    }
    TWinControl::WndProc(m);
}

} // namespace forms
