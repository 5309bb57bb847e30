#pragma once
// Speed buttons: graphic buttons that never take the focus, with a glyph beside or above the
// caption. A button with a GroupIndex latches: it stays down when clicked, and going down
// releases the other buttons of its group (same parent, same GroupIndex); with AllowAllUp a
// click releases a button that is down. Disabled, glyph and caption are drawn engraved.
#include "forms/gfx/Bitmap.h"
#include "forms/win/GraphicControl.h"

namespace forms {

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* owner);

    // The picture: NumGlyphs cells side by side (up, disabled, down, latched); a missing cell
    // uses the first, and a missing disabled cell is made by engraving the first. The
    // bottom-left pixel's colour is transparent.
    TBitmap& Glyph() { return glyph_; }
    void SetGlyph(const TBitmap& glyph);
    [[nodiscard]] int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int value); // clamped to 1 .. 4
    [[nodiscard]] TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout value);
    // A flat button shows its edge only under the pointer or when down.
    [[nodiscard]] bool Flat() const { return flat_; }
    void SetFlat(bool value);

    // 0: a plain button that never stays down.
    [[nodiscard]] int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value);
    // Whether a down button of the group is released by a click on it (set for the whole group).
    [[nodiscard]] bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool value);
    // Latched down (only with a GroupIndex). Going down releases the rest of the group; going
    // up needs AllowAllUp. Setting it fires nothing.
    [[nodiscard]] bool Down() const { return down_; }
    void SetDown(bool value);

    // The pointer is over the button (a flat button shows its edge).
    [[nodiscard]] bool Hot() const { return hot_; }
    // The left button went down on it and is held with the pointer over it: drawn pushed, as
    // when it is Down.
    [[nodiscard]] bool Pressed() const { return pressedIn_; }

    // Alt and the caption's '&' letter click the button (its Down stays as it is).
    bool DialogChar(uint16_t ch) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void CaptureLost() override;
    void WndProc(TMessage& message) override;
    void EnabledChanged() override;
    // Draws the glyph cell and caption into r, engraved when disabled.
    void PaintContent(const TRect& r, bool pushed);

private:
    template <typename F> void ForGroup(F action);
    void DrawGlyph(int x, int y, bool disabled, int cell);

    TBitmap glyph_;
    int numGlyphs_ = 1;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    bool flat_ = false;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool down_ = false;
    bool pressing_ = false;  // the left button went down on it and is still held
    bool pressedIn_ = false; // ... and the pointer is over it
    bool hot_ = false;
    bool releasing_ = false; // a left release is being handled
};

} // namespace forms
