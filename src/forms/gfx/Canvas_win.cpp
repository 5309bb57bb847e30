#include "forms/gfx/Canvas.h"

#include "forms/base/Codepage.h"
#include "forms/gfx/Icon.h"

namespace forms {

namespace {
COLORREF Rgb(TColor color) {
    return static_cast<COLORREF>(ColorToRGB(color));
}
RECT ToRect(const TRect& r) {
    return RECT{r.Left, r.Top, r.Right, r.Bottom};
}
} // namespace

// ---- TPen ----

TPen::~TPen() {
    if (handle_)
        DeleteObject(handle_);
}

void TPen::SetColor(TColor color) {
    if (color == color_)
        return;
    color_ = color;
    Changed();
}

void TPen::SetWidth(int width) {
    if (width == width_)
        return;
    width_ = width;
    Changed();
}

void TPen::SetStyle(TPenStyle style) {
    if (style == style_)
        return;
    style_ = style;
    Changed();
}

void TPen::Assign(const TPen& source) {
    if (source.color_ == color_ && source.width_ == width_ && source.style_ == style_)
        return;
    color_ = source.color_;
    width_ = source.width_;
    style_ = source.style_;
    Changed();
}

HPEN TPen::Handle() const {
    if (!handle_) {
        static const int kStyles[] = {PS_SOLID,   PS_DASH,       PS_DOT,
                                      PS_DASHDOT, PS_DASHDOTDOT, PS_NULL};
        handle_ = CreatePen(kStyles[static_cast<int>(style_)], width_, Rgb(color_));
    }
    return handle_;
}

void TPen::Changed() {
    if (handle_) {
        if (releaseHook_)
            releaseHook_();
        DeleteObject(handle_);
        handle_ = nullptr;
    }
    if (OnChange)
        OnChange();
}

// ---- TBrush ----

TBrush::~TBrush() {
    if (handle_)
        DeleteObject(handle_);
}

void TBrush::SetColor(TColor color) {
    if (color == color_ && style_ == TBrushStyle::bsSolid)
        return;
    color_ = color;
    style_ = TBrushStyle::bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
    if (style == style_)
        return;
    style_ = style;
    Changed();
}

void TBrush::Assign(const TBrush& source) {
    if (source.color_ == color_ && source.style_ == style_)
        return;
    color_ = source.color_;
    style_ = source.style_;
    Changed();
}

HBRUSH TBrush::Handle() const {
    if (!handle_) {
        handle_ = style_ == TBrushStyle::bsClear ? static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))
                                                 : CreateSolidBrush(Rgb(color_));
    }
    return handle_;
}

void TBrush::Changed() {
    if (handle_) {
        if (releaseHook_)
            releaseHook_();
        DeleteObject(handle_); // stock objects ignore this
        handle_ = nullptr;
    }
    if (OnChange)
        OnChange();
}

// ---- TGraphic ----

void TGraphic::SetTransparent(bool value) {
    if (value == transparent_)
        return;
    transparent_ = value;
    Changed();
}

void TGraphic::Changed() {
    modified_ = true;
    if (OnChange)
        OnChange();
}

// ---- TCanvas ----

TCanvas::TCanvas() {
    pen_.SetReleaseHook([this] { DeselectPen(); });
    brush_.SetReleaseHook([this] { DeselectBrush(); });
    font_.SetReleaseHook([this] { DeselectFont(); });
}

TCanvas::TCanvas(HDC dc) : TCanvas() {
    dc_ = dc;
}

TCanvas::~TCanvas() {
    // Overrides have released their own contexts already; a borrowed one only gets its objects
    // back.
    Deselect();
}

HDC TCanvas::Handle() {
    if (!dc_) {
        dc_ = CreateContext();
        ownContext_ = dc_ != nullptr;
    }
    return dc_;
}

void TCanvas::SetHandle(HDC dc) {
    if (dc == dc_)
        return;
    FreeContext();
    dc_ = dc;
    ownContext_ = false;
}

void TCanvas::FreeContext() {
    if (!dc_)
        return;
    Deselect();
    HDC dc = dc_;
    const bool own = ownContext_;
    dc_ = nullptr;
    ownContext_ = false;
    if (own)
        ReleaseContext(dc);
}

void TCanvas::DeselectPen() {
    if (dc_ && originalPen_) {
        SelectObject(dc_, originalPen_);
        originalPen_ = nullptr;
    }
    selectedPen_ = nullptr;
}

void TCanvas::DeselectBrush() {
    if (dc_ && originalBrush_) {
        SelectObject(dc_, originalBrush_);
        originalBrush_ = nullptr;
    }
    selectedBrush_ = nullptr;
}

void TCanvas::DeselectFont() {
    if (dc_ && originalFont_) {
        SelectObject(dc_, originalFont_);
        originalFont_ = nullptr;
    }
    selectedFont_ = nullptr;
}

void TCanvas::Deselect() {
    DeselectPen();
    DeselectBrush();
    DeselectFont();
}

HDC TCanvas::Require(bool pen, bool brush, bool font) {
    HDC dc = Handle();
    if (!dc)
        return nullptr;
    if (pen && selectedPen_ != pen_.Handle()) {
        HGDIOBJ old = SelectObject(dc, pen_.Handle());
        if (!originalPen_)
            originalPen_ = old;
        selectedPen_ = pen_.Handle();
    }
    if (brush) {
        if (selectedBrush_ != brush_.Handle()) {
            HGDIOBJ old = SelectObject(dc, brush_.Handle());
            if (!originalBrush_)
                originalBrush_ = old;
            selectedBrush_ = brush_.Handle();
        }
        // Text backgrounds follow the brush, as the fills do.
        if (brush_.Style() == TBrushStyle::bsClear) {
            SetBkMode(dc, TRANSPARENT);
        } else {
            SetBkMode(dc, OPAQUE);
            SetBkColor(dc, Rgb(brush_.Color()));
        }
    }
    if (font) {
        if (selectedFont_ != font_.Handle()) {
            HGDIOBJ old = SelectObject(dc, font_.Handle());
            if (!originalFont_)
                originalFont_ = old;
            selectedFont_ = font_.Handle();
        }
        SetTextColor(dc, Rgb(font_.Color()));
    }
    return dc;
}

HDC TCanvas::RequirePen() {
    return Require(true, false, false);
}
HDC TCanvas::RequireBrush() {
    return Require(false, true, false);
}
HDC TCanvas::RequireFont() {
    return Require(false, true, true);
}

void TCanvas::MoveTo(int x, int y) {
    if (HDC dc = Handle())
        MoveToEx(dc, x, y, nullptr);
    penPos_ = {x, y};
}

void TCanvas::LineTo(int x, int y) {
    if (HDC dc = RequirePen()) {
        MoveToEx(dc, penPos_.X, penPos_.Y, nullptr);
        ::LineTo(dc, x, y);
    }
    penPos_ = {x, y};
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
    if (points.empty())
        return;
    std::vector<POINT> pts;
    for (const TPoint& p : points)
        pts.push_back({p.X, p.Y});
    if (HDC dc = RequirePen())
        ::Polyline(dc, pts.data(), static_cast<int>(pts.size()));
    penPos_ = points.back();
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
    if (points.empty())
        return;
    std::vector<POINT> pts;
    for (const TPoint& p : points)
        pts.push_back({p.X, p.Y});
    if (HDC dc = Require(true, true, false))
        ::Polygon(dc, pts.data(), static_cast<int>(pts.size()));
}

void TCanvas::FillRect(const TRect& r) {
    const RECT rc = ToRect(r);
    if (HDC dc = RequireBrush())
        ::FillRect(dc, &rc, brush_.Handle());
}

void TCanvas::FrameRect(const TRect& r) {
    const RECT rc = ToRect(r);
    if (HDC dc = RequireBrush())
        ::FrameRect(dc, &rc, brush_.Handle());
}

void TCanvas::Rectangle(const TRect& r) {
    if (HDC dc = Require(true, true, false))
        ::Rectangle(dc, r.Left, r.Top, r.Right, r.Bottom);
}

void TCanvas::RoundRect(const TRect& r, int ellipseWidth, int ellipseHeight) {
    if (HDC dc = Require(true, true, false))
        ::RoundRect(dc, r.Left, r.Top, r.Right, r.Bottom, ellipseWidth, ellipseHeight);
}

void TCanvas::Ellipse(const TRect& r) {
    if (HDC dc = Require(true, true, false))
        ::Ellipse(dc, r.Left, r.Top, r.Right, r.Bottom);
}

TColor TCanvas::Pixels(int x, int y) {
    HDC dc = Handle();
    return dc ? static_cast<TColor>(GetPixel(dc, x, y)) : clNone;
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    if (HDC dc = Handle())
        ::SetPixel(dc, x, y, Rgb(color));
}

void TCanvas::TextOutAt(int x, int y, std::string_view text) {
    const std::wstring w = cp932::Wide(text);
    if (HDC dc = RequireFont())
        ExtTextOutW(dc, x, y, 0, nullptr, w.c_str(), static_cast<UINT>(w.size()), nullptr);
    penPos_ = {x + TextWidth(text), y};
}

TSize TCanvas::TextExtent(std::string_view text) {
    const std::wstring w = cp932::Wide(text);
    SIZE size{0, 0};
    if (HDC dc = RequireFont())
        GetTextExtentPoint32W(dc, w.c_str(), static_cast<int>(w.size()), &size);
    return {size.cx, size.cy};
}

void TCanvas::TextRect(const TRect& r, int x, int y, std::string_view text) {
    const std::wstring w = cp932::Wide(text);
    const RECT rc = ToRect(r);
    UINT options = ETO_CLIPPED;
    if (brush_.Style() != TBrushStyle::bsClear)
        options |= ETO_OPAQUE;
    if (HDC dc = RequireFont())
        ExtTextOutW(dc, x, y, options, &rc, w.c_str(), static_cast<UINT>(w.size()), nullptr);
}

int TCanvas::DrawTextIn(std::string_view text, TRect& r, UINT flags) {
    std::wstring w = cp932::Wide(text);
    RECT rc = ToRect(r);
    int height = 0;
    if (HDC dc = RequireFont())
        height = DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &rc, flags);
    if (flags & DT_CALCRECT)
        r = {rc.left, rc.top, rc.right, rc.bottom};
    return height;
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic) {
    if (graphic.Empty())
        return;
    if (HDC dc = Handle())
        graphic.DrawTo(dc, Bounds(x, y, graphic.Width(), graphic.Height()), copyMode_);
}

void TCanvas::StretchDraw(const TRect& r, const TGraphic& graphic) {
    if (graphic.Empty())
        return;
    if (HDC dc = Handle())
        graphic.DrawTo(dc, r, copyMode_);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect) {
    HDC dc = Handle();
    HDC src = source.Handle();
    if (!dc || !src)
        return;
    const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, dest.Left, dest.Top, dest.Width(), dest.Height(), src, sourceRect.Left,
               sourceRect.Top, sourceRect.Width(), sourceRect.Height(), copyMode_);
    SetStretchBltMode(dc, oldMode);
}

void TCanvas::DrawIconAt(int x, int y, const TIcon& icon, int size) {
    if (icon.Empty())
        return;
    if (HDC dc = Handle())
        DrawIconEx(dc, x, y, icon.Handle(), size, size, 0, nullptr, DI_NORMAL);
}

bool TCanvas::GradientFillRect(const TRect& r, TColor from, TColor to, bool vertical) {
    HDC dc = Handle();
    if (!dc)
        return false;
    auto vertex = [](int x, int y, TColor c) {
        const TColor16 channels = ColorToRGB16(c);
        TRIVERTEX v{};
        v.x = x;
        v.y = y;
        v.Red = channels.Red;
        v.Green = channels.Green;
        v.Blue = channels.Blue;
        return v;
    };
    TRIVERTEX vertices[2] = {vertex(r.Left, r.Top, from), vertex(r.Right, r.Bottom, to)};
    GRADIENT_RECT mesh{0, 1};
    return GradientFill(dc, vertices, 2, &mesh, 1,
                        vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H) != FALSE;
}

TRect TCanvas::ClipRect() {
    RECT rc{0, 0, 0, 0};
    if (HDC dc = Handle())
        GetClipBox(dc, &rc);
    return {rc.left, rc.top, rc.right, rc.bottom};
}

} // namespace forms
