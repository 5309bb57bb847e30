#pragma once
// The launcher's own pop-up hint: THintSetter holds every setting and owns the window, TRvHint
// (window class "TRvHint") shows wrapped text, an optional icon whose square reports link clicks,
// and one of four looks; the rounded look and the skin also cut the window's shape. One setter
// serves the process: the window reads its settings through THintSetter::Instance(). The sizes,
// looks and skin plans live in HintLayout.h and HintSkin.h.
#include "components/HintLayout.h"
#include "forms/gfx/Bitmap.h"
#include "forms/gfx/Icon.h"
#include "forms/win/HintWindow.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

class THintSetter;

// The owner's painter of hwsOwnerDraw: the hint's text, the canvas and the window's size.
using THintWindowPaintEvent =
    std::function<void(const std::string& hintStr, forms::TCanvas& canvas, int width, int height)>;
// A release inside the icon's link square.
using TLinkEvent = forms::TMouseEvent;

class TRvHint : public forms::THintWindow {
public:
    explicit TRvHint(forms::TComponent* owner);

    // The widest of the first maxLines lines of text (all for 0) in the setter's font, plus the
    // margins, 6 pixels and the icon's width.
    [[nodiscard]] int TextWidth(std::string_view text, int maxLines);
    // The hint's rectangle at (0, 0) for text within maxWidth, measured in the setter's font.
    forms::TRect CalcHintRect(int maxWidth, const std::string& hint) override;
    // Cuts the window's shape for the look (the previous shape goes back to the system) and shows
    // the hint in r without activating it.
    void ActivateHint(const forms::TRect& r, const std::string& hint) override;
    // Composes the skin picture for a hint of r's size (empty for a size of 0 or less).
    void BuildStyleBitmap(const forms::TRect& r);
    // The composed skin of the current hint.
    [[nodiscard]] forms::TBitmap& SkinBitmap() { return skin_; }
    // The window has a shape of its own now.
    [[nodiscard]] bool HasRegion() const { return hasRegion_; }

    void DestroyHandle() override;

    TLinkEvent OnLinkClick;

protected:
    void CreateParams(forms::TCreateParams& params) override;
    void Paint() override;
    void WMEraseBkgnd(forms::TMessage& message) override;
    void MouseUp(forms::TMouseButton button, forms::TShiftState shift, int x, int y) override;
    // Fires OnLinkClick.
    virtual void LinkClick(forms::TMouseButton button, forms::TShiftState shift, int x, int y);

private:
    void DropRegion();

    forms::TBitmap skin_;
    // A region handed to the window, which the system now owns.
    bool hasRegion_ = false;
};

class THintSetter : public forms::TComponent {
public:
    explicit THintSetter(forms::TComponent* owner);
    ~THintSetter() override;
    void BeforeDestruction() override;

    // The setter that hint windows read: the newest one alive, or nullptr.
    [[nodiscard]] static THintSetter* Instance();

    // Sizes the hint for HintStr and shows it with its top-left corner at screen point (x, y):
    // width is the least width wanted, height a fixed height or 0.
    void ShowHintAt(int x, int y, int width, int height);
    // Destroys the window (and so its shape); the next show makes a new one.
    void HideHint();
    // n x the font's character height in pixels, without leading.
    [[nodiscard]] int LineHeight(int n) const;
    // The sizing settings as they are now.
    [[nodiscard]] THintMetrics Metrics() const;

    [[nodiscard]] TRvHint* HintWindow() const { return hintWindow_; }

    // Skins (copied on set; nullptr empties): the body, the top and bottom edges as two halves
    // side by side, the left and right edges as two cells side by side.
    [[nodiscard]] forms::TBitmap& Glyph() { return *glyph_; }
    void SetGlyph(const forms::TBitmap* value) { AssignBitmap(*glyph_, value); }
    [[nodiscard]] forms::TBitmap& HGlyph() { return *hGlyph_; }
    void SetHGlyph(const forms::TBitmap* value) { AssignBitmap(*hGlyph_, value); }
    [[nodiscard]] forms::TBitmap& VGlyph() { return *vGlyph_; }
    void SetVGlyph(const forms::TBitmap* value) { AssignBitmap(*vGlyph_, value); }
    [[nodiscard]] TWindowDrawStyle DrawStyle() const { return drawStyle_; }
    void SetDrawStyle(TWindowDrawStyle value) { drawStyle_ = value; }
    [[nodiscard]] THintWindowStyle Style() const { return style_; }
    void SetStyle(THintWindowStyle value) { style_ = value; }
    // Read by the launcher's placement only.
    [[nodiscard]] THintLocate Locate() const { return locate_; }
    void SetLocate(THintLocate value) { locate_ = value; }
    [[nodiscard]] int TopMargin() const { return topMargin_; }
    void SetTopMargin(int value) { topMargin_ = value; }
    [[nodiscard]] int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int value) { maxWidth_ = value; }
    [[nodiscard]] int XMargin() const { return xMargin_; }
    void SetXMargin(int value) { xMargin_ = value; }
    [[nodiscard]] int YMargin() const { return yMargin_; }
    void SetYMargin(int value) { yMargin_ = value; }
    // Also the window's colour; until it is set the window keeps its own light yellow.
    [[nodiscard]] forms::TColor BkColor() const { return bkColor_; }
    void SetBkColor(forms::TColor value);
    // Kept, read nowhere.
    [[nodiscard]] int HintPause() const { return hintPause_; }
    void SetHintPause(int value) { hintPause_ = value; }
    [[nodiscard]] int LeftMargin() const { return leftMargin_; }
    void SetLeftMargin(int value) { leftMargin_ = value; }
    [[nodiscard]] int RightMargin() const { return rightMargin_; }
    void SetRightMargin(int value) { rightMargin_ = value; }
    [[nodiscard]] int HeightMargin() const { return heightMargin_; }
    void SetHeightMargin(int value) { heightMargin_ = value; }
    // The text's font (copied on set).
    [[nodiscard]] forms::TFont& Font() { return *font_; }
    void SetFont(const forms::TFont& value);
    [[nodiscard]] const std::string& HintStr() const { return hintStr_; }
    void SetHintStr(std::string_view value) { hintStr_ = std::string(value); }
    [[nodiscard]] int MaxHeight() const { return maxHeight_; }
    void SetMaxHeight(int value) { maxHeight_ = value; }
    [[nodiscard]] int MaxLine() const { return maxLine_; }
    void SetMaxLine(int value) { maxLine_ = value; }
    [[nodiscard]] bool IsIcon() const { return isIcon_; }
    void SetIsIcon(bool value) { isIcon_ = value; }
    // Copied on set; nullptr empties it.
    [[nodiscard]] forms::TIcon& Icon() { return *icon_; }
    void SetIcon(const forms::TIcon* value);
    [[nodiscard]] bool LockWidth() const { return lockWidth_; }
    void SetLockWidth(bool value) { lockWidth_ = value; }
    [[nodiscard]] forms::TColor BtmLineColor() const { return btmLineColor_; }
    void SetBtmLineColor(forms::TColor value) { btmLineColor_ = value; }
    [[nodiscard]] forms::TColor TopLineColor() const { return topLineColor_; }
    void SetTopLineColor(forms::TColor value) { topLineColor_ = value; }
    [[nodiscard]] bool UseGlyph() const { return useGlyph_; }
    void SetUseGlyph(bool value) { useGlyph_ = value; }
    [[nodiscard]] bool UseStyle() const { return useStyle_; }
    void SetUseStyle(bool value) { useStyle_ = value; }
    // Kept for the launcher; the text is drawn in Font's colour.
    [[nodiscard]] forms::TColor FontColor() const { return fontColor_; }
    void SetFontColor(forms::TColor value) { fontColor_ = value; }
    // Kept for the launcher.
    [[nodiscard]] bool Trans() const { return trans_; }
    void SetTrans(bool value) { trans_ = value; }

    THintWindowPaintEvent OnPaint;

private:
    static void AssignBitmap(forms::TBitmap& target, const forms::TBitmap* value);
    void DestroyHintWindow();

    std::unique_ptr<forms::TBitmap> glyph_, hGlyph_, vGlyph_;
    TWindowDrawStyle drawStyle_ = wdsStretch;
    THintWindowStyle style_ = hwsNormal;
    THintLocate locate_ = hlRight;
    int topMargin_ = 10;
    int maxWidth_;
    int xMargin_ = 0, yMargin_ = 0;
    forms::TColor bkColor_ = forms::clInfoBk;
    int hintPause_ = 500;
    int leftMargin_ = 10, rightMargin_ = 10, heightMargin_ = 10;
    std::unique_ptr<forms::TFont> font_;
    std::string hintStr_;
    int maxHeight_ = 0;
    int maxLine_ = 0;
    bool isIcon_ = false;
    std::unique_ptr<forms::TIcon> icon_;
    bool lockWidth_ = false;
    forms::TColor btmLineColor_ = forms::clBtnShadow;
    forms::TColor topLineColor_ = forms::clBtnHighlight;
    bool useGlyph_ = false;
    bool useStyle_ = true;
    forms::TColor fontColor_ = forms::clInfoText;
    bool trans_ = false;
    TRvHint* hintWindow_ = nullptr;
};
