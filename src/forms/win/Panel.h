#pragma once
// Panels: a container with bevels, a border and a centred caption, painted in Paint so that
// descendants can change the face.
#include "forms/win/Label.h"
#include "forms/win/WinControl.h"

namespace forms {

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum class TPanelBorder { bsNone, bsSingle };

class TCustomPanel : public TCustomControl {
public:
    explicit TCustomPanel(TComponent* owner);

    [[nodiscard]] TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut value);
    [[nodiscard]] TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut value);
    [[nodiscard]] int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value);
    [[nodiscard]] int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);
    [[nodiscard]] TPanelBorder BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TPanelBorder value);
    [[nodiscard]] TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void AdjustClientRect(TRect& rect) override;

private:
    void Changed();
    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
    TBevelCut bevelInner_ = TBevelCut::bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TPanelBorder borderStyle_ = TPanelBorder::bsNone;
    TAlignment alignment_ = TAlignment::taCenter;
};

class TPanel : public TCustomPanel {
public:
    explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
};

// Draws width nested one-pixel rings inside r, top-left in topLeft and bottom-right in
// bottomRight, and shrinks r to what lies inside them.
void Frame3D(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight, int width);

} // namespace forms
