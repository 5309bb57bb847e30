#pragma once
// Controls that behave as if they had no window: never focused, no tab stop, and unless opaque
// they show what the parent and the graphic controls below them would paint there, so that a
// transparent label lies cleanly on a skinned paint box. They are real child windows
// (WS_CLIPSIBLINGS), so they can still be found and tested from outside.
#include "forms/win/Control.h"

namespace forms {

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    void Invalidate() override;
    void SetBounds(int left, int top, int width, int height) override;
    void SetVisible(bool visible) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void WMPaint(TMessage& message) override;
    void WMEraseBkgnd(TMessage& message) override;

private:
    // Graphic siblings above that overlap r (in parent coordinates) compose this one's picture.
    void InvalidateSiblingsAbove(const TRect& r);
};

} // namespace forms
