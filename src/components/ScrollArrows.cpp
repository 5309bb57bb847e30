#include "components/ScrollArrows.h"

#include "components/Bevel.h"

#include <vector>

using forms::TPainter;
using forms::TPoint;
using forms::TRect;

namespace {
// The marks keep 4 pixels from the half's edges: 2 for the frame and 2 of face around them.
constexpr int kInset = 4;

bool StrictlyInside(const TRect& r, int x, int y) {
    return r.Left < x && x < r.Right && r.Top < y && y < r.Bottom;
}
} // namespace

std::array<TPoint, 3> ArrowTriangle(const TRect& half, TArrowDirection arrow, int p) {
    const int L = half.Left + kInset, R = half.Right - kInset;
    const int T = half.Top + p + kInset, B = half.Bottom + p - kInset;
    // The point of the arrow lies on the half's centre line.
    const int mx = half.Left + half.Width() / 2, my = half.Top + half.Height() / 2 + p;
    switch (arrow) {
    case adLeft:
        return {{{L, my}, {R, T}, {R, B}}};
    case adRight:
        return {{{L, B}, {L, T}, {R, my}}};
    case adUp:
        return {{{mx, T}, {R, B}, {L, B}}};
    case adDown:
    default:
        return {{{L, T}, {R, T}, {mx, B}}};
    }
}

std::array<TPenLine, 2> StopBars(const TRect& half, TArrowDirection arrow, int p) {
    const int L = half.Left, T = half.Top, R = half.Right, B = half.Bottom;
    // A bar starts one pixel before the triangle's flat side and, its end excluded, ends level
    // with it.
    auto vertical = [&](int x) { return TPenLine{{x, T + p + 3}, {x, B + p - 3}}; };
    auto horizontal = [&](int y) { return TPenLine{{L + 3, y}, {R - 3, y}}; };
    switch (arrow) {
    case adLeft:
        return {vertical(L + 4), vertical(L + 5)};
    case adRight:
        return {vertical(R - 4), vertical(R - 5)};
    case adUp:
        return {horizontal(T + p + 4), horizontal(T + p + 5)};
    case adDown:
    default:
        return {horizontal(B + p - 4), horizontal(B + p - 5)};
    }
}

TRect ArrowSquare(const TRect& half, int p) {
    return forms::Rect(half.Left + kInset, half.Top + p + kInset, half.Right - kInset,
                       half.Bottom + p - kInset);
}

void DrawArrow(TPainter& painter, const TRect& half, TArrowDirection arrow, TButtonArrowStyle style,
               bool pressed, const TArrowColors& colors) {
    const int p = pressed ? 1 : 0;
    painter.SetPenColor(colors.Mark);
    painter.SetBrushColor(colors.Mark);
    if (style == basRect) {
        painter.Rectangle(ArrowSquare(half, p));
    } else {
        const auto t = ArrowTriangle(half, arrow, p);
        painter.Polygon(std::vector<TPoint>(t.begin(), t.end()));
        if (style == basStopArrow)
            for (const TPenLine& bar : StopBars(half, arrow, p)) {
                painter.MoveTo(bar.From.X, bar.From.Y);
                painter.LineTo(bar.To.X, bar.To.Y);
            }
    }
    painter.SetBrushColor(colors.Base);
    TRect ring = half;
    DrawBevel(painter, ring, pressed ? colors.BtmLine : colors.TopLine,
              pressed ? colors.TopLine : colors.BtmLine, 2);
}

void TScrollArrows::CalcHalves(int width, int height) {
    switch (ButtonType) {
    case sbtHor:
        FirstHalf = forms::Rect(0, 0, height, height);
        SecondHalf = forms::Rect(width - height, 0, width, height);
        break;
    case sbtVer:
        FirstHalf = forms::Rect(0, 0, width, width);
        SecondHalf = forms::Rect(0, height - width, width, height);
        break;
    case sbtNone:
        break;
    }
}

forms::TSize TScrollArrows::ChangeType(TScrollBtnsType type, forms::TSize size) {
    if (type == ButtonType)
        return size;
    ButtonType = type;
    const forms::TSize turned{size.Height, size.Width};
    CalcHalves(turned.Width, turned.Height);
    return turned;
}

int TScrollArrows::HitTest(int x, int y) const {
    if (StrictlyInside(FirstHalf, x, y))
        return 0;
    if (StrictlyInside(SecondHalf, x, y))
        return 1;
    return -1;
}

void TScrollArrows::Press(int x, int y) {
    const int hit = HitTest(x, y);
    FirstPressed = hit == 0;
    SecondPressed = hit == 1;
    Value = hit == 0 ? -1 : hit == 1 ? 1 : 0;
}

void TScrollArrows::Release() {
    FirstPressed = SecondPressed = false;
    Value = 0;
}

void TScrollArrows::Paint(TPainter& painter, int width, int height) {
    CalcHalves(width, height);
    painter.SetBrushColor(BaseColor);
    painter.FillRect(forms::Rect(0, 0, width, height));
    const TArrowColors colors{MarkColor, BaseColor, TopLineColor, BtmLineColor};
    switch (ButtonType) {
    case sbtHor:
        DrawArrow(painter, FirstHalf, adLeft, LeftBtnArrow, FirstPressed, colors);
        DrawArrow(painter, SecondHalf, adRight, RightBtnArrow, SecondPressed, colors);
        break;
    case sbtVer:
        DrawArrow(painter, FirstHalf, adUp, LeftBtnArrow, FirstPressed, colors);
        DrawArrow(painter, SecondHalf, adDown, RightBtnArrow, SecondPressed, colors);
        break;
    case sbtNone:
        break;
    }
}
