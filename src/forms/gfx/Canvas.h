#pragma once
// Drawing on a device context: pens, brushes, the font, and the drawing operations. The canvas
// selects its objects into the context only when an operation needs them, and puts the
// context's own objects back before it lets the context go. Rectangles exclude Right and Bottom.
#include "forms/base/Color.h"
#include "forms/gfx/Font.h"
#include "forms/gfx/Geometry.h"
#include "forms/gfx/Painter.h"

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

class TGraphic;
class TIcon;

class TPen {
public:
    TPen() = default;
    TPen(const TPen&) = delete;
    TPen& operator=(const TPen&) = delete;
    ~TPen();

    [[nodiscard]] TColor Color() const { return color_; }
    void SetColor(TColor color);
    [[nodiscard]] int Width() const { return width_; }
    void SetWidth(int width);
    [[nodiscard]] TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style);
    void Assign(const TPen& source);

    HPEN Handle() const;
    std::function<void()> OnChange;
    void SetReleaseHook(std::function<void()> hook) { releaseHook_ = std::move(hook); }

private:
    void Changed();
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = TPenStyle::psSolid;
    mutable HPEN handle_ = nullptr;
    std::function<void()> releaseHook_;
};

class TBrush {
public:
    TBrush() = default;
    TBrush(const TBrush&) = delete;
    TBrush& operator=(const TBrush&) = delete;
    ~TBrush();

    [[nodiscard]] TColor Color() const { return color_; }
    // Setting a colour makes a clear brush solid again.
    void SetColor(TColor color);
    [[nodiscard]] TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);
    void Assign(const TBrush& source);

    HBRUSH Handle() const;
    std::function<void()> OnChange;
    void SetReleaseHook(std::function<void()> hook) { releaseHook_ = std::move(hook); }

private:
    void Changed();
    TColor color_ = clWhite;
    TBrushStyle style_ = TBrushStyle::bsSolid;
    mutable HBRUSH handle_ = nullptr;
    std::function<void()> releaseHook_;
};

class TCanvas : public TPainter {
public:
    TCanvas();
    // Draws on a context that stays the caller's.
    explicit TCanvas(HDC dc);
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;
    ~TCanvas() override;

    // The context; a canvas that makes its own (bitmaps, controls) makes it now.
    HDC Handle();
    [[nodiscard]] bool HandleAllocated() const { return dc_ != nullptr; }
    // Draws on dc from now on (nullptr lets the current context go).
    void SetHandle(HDC dc);

    TPen& Pen() { return pen_; }
    TBrush& Brush() { return brush_; }
    TFont& Font() { return font_; }
    // Raster operation of CopyRect and of drawing bitmaps (SRCCOPY by default).
    [[nodiscard]] DWORD CopyMode() const { return copyMode_; }
    void SetCopyMode(DWORD mode) { copyMode_ = mode; }

    // The pen and brush state as drawing code written for any painter sees it.
    [[nodiscard]] TColor PenColor() const override { return pen_.Color(); }
    void SetPenColor(TColor color) override { pen_.SetColor(color); }
    [[nodiscard]] int PenWidth() const override { return pen_.Width(); }
    void SetPenWidth(int width) override { pen_.SetWidth(width); }
    [[nodiscard]] TColor BrushColor() const override { return brush_.Color(); }
    void SetBrushColor(TColor color) override { brush_.SetColor(color); }
    [[nodiscard]] TBrushStyle BrushStyle() const override { return brush_.Style(); }
    void SetBrushStyle(TBrushStyle style) override { brush_.SetStyle(style); }

    [[nodiscard]] TPoint PenPos() const { return penPos_; }
    void MoveTo(int x, int y) override;
    // A line from the pen position to (x, y), the end point excluded.
    void LineTo(int x, int y) override;
    void Polyline(const std::vector<TPoint>& points) override;
    void Polygon(const std::vector<TPoint>& points) override;
    void FillRect(const TRect& r) override;
    // A one-pixel frame in the brush colour.
    void FrameRect(const TRect& r);
    // Outline with the pen, inside with the brush.
    void Rectangle(const TRect& r) override;
    void Rectangle(int left, int top, int right, int bottom) {
        Rectangle(TRect{left, top, right, bottom});
    }
    void RoundRect(const TRect& r, int ellipseWidth, int ellipseHeight);
    void Ellipse(const TRect& r) override;
    [[nodiscard]] TColor Pixels(int x, int y);
    void SetPixel(int x, int y, TColor color);

    void TextOutAt(int x, int y, std::string_view text);
    [[nodiscard]] TSize TextExtent(std::string_view text);
    [[nodiscard]] int TextWidth(std::string_view text) { return TextExtent(text).Width; }
    [[nodiscard]] int TextHeight(std::string_view text) { return TextExtent(text).Height; }
    // Text at (x, y), clipped to r; the brush fills r unless it is clear.
    void TextRect(const TRect& r, int x, int y, std::string_view text);
    // DrawTextW with flags (DT_*); with DT_CALCRECT r receives the measured box. Returns the text
    // height.
    int DrawTextIn(std::string_view text, TRect& r, UINT flags);

    // Graphics honour their transparency.
    void Draw(int x, int y, const TGraphic& graphic);
    void StretchDraw(const TRect& r, const TGraphic& graphic);
    // Copies (and stretches) part of another canvas with CopyMode.
    void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);
    // The icon at (x, y) in size x size pixels (0: its own size).
    void DrawIconAt(int x, int y, const TIcon& icon, int size = 0);
    // A two-colour gradient from 'from' (top or left) to 'to'; false when the system refuses.
    bool GradientFillRect(const TRect& r, TColor from, TColor to, bool vertical) override;

    [[nodiscard]] TRect ClipRect();

protected:
    // Canvases that make their own context override this; the default has none.
    virtual HDC CreateContext() { return nullptr; }
    // Lets the context go without deleting it (overrides release what they made).
    virtual void ReleaseContext(HDC /*dc*/) {}
    void FreeContext();

private:
    HDC RequirePen();
    HDC RequireBrush();
    HDC RequireFont();
    HDC Require(bool pen, bool brush, bool font);
    void Deselect();
    void DeselectPen();
    void DeselectBrush();
    void DeselectFont();

    HDC dc_ = nullptr;
    bool ownContext_ = false;
    TPen pen_;
    TBrush brush_;
    TFont font_;
    DWORD copyMode_ = SRCCOPY;
    TPoint penPos_;
    HGDIOBJ originalPen_ = nullptr, originalBrush_ = nullptr, originalFont_ = nullptr;
    HGDIOBJ selectedPen_ = nullptr, selectedBrush_ = nullptr, selectedFont_ = nullptr;
};

// Pictures that a canvas can draw: bitmaps and icons.
class TGraphic {
public:
    virtual ~TGraphic() = default;
    [[nodiscard]] virtual int Width() const = 0;
    [[nodiscard]] virtual int Height() const = 0;
    [[nodiscard]] virtual bool Empty() const = 0;
    // Draws into r of the context, stretched to it.
    virtual void DrawTo(HDC dc, const TRect& r, DWORD copyMode) const = 0;

    [[nodiscard]] bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool value);
    [[nodiscard]] bool Modified() const { return modified_; }
    void SetModified(bool value) { modified_ = value; }

    std::function<void()> OnChange;

protected:
    void Changed();

private:
    bool transparent_ = false;
    bool modified_ = false;
};

} // namespace forms
