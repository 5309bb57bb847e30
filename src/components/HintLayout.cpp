#include "components/HintLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

using forms::SaturatedInt;
using forms::TRect;

// The sizes saturate rather than wrap: a line limit or an offset from the settings file can be any
// number, and a wrapped size would be a negative or a gigantic hint.
namespace {
int Sum(int64_t a, int64_t b, int64_t c = 0, int64_t d = 0) {
    return SaturatedInt(a + b + c + d);
}
} // namespace

int THintMetrics::LineHeight(int lines) const {
    if (PixelsPerInch <= 0)
        return 0;
    const double height =
        std::abs(std::round(-static_cast<double>(FontSize) * PixelsPerInch / 72.0));
    constexpr double kBeyondInt = 4294967296.0;
    return SaturatedInt(static_cast<int64_t>(std::clamp(height * lines, -kBeyondInt, kBeyondInt)));
}

int HintTextWidth(const THintMetrics& m, THintMeasurer& measurer, std::string_view text,
                  int maxLines) {
    const int64_t extra =
        int64_t{m.LeftMargin} + m.RightMargin + 6 + (m.IsIcon ? kHintIconWidth : 0);
    int widest = 0;
    int line = 0;
    for (size_t start = 0;;) {
        if (maxLines > 0 && line == maxLines)
            break;
        const size_t end = text.find("\r\n", start);
        widest = std::max(widest, measurer.TextWidth(text.substr(start, end - start)));
        ++line;
        if (end == std::string_view::npos)
            break;
        start = end + 2;
    }
    return Sum(widest, extra);
}

TRect HintRect(const THintMetrics& m, THintMeasurer& measurer, int maxWidth,
               std::string_view text) {
    int width = 0;
    if (m.LockWidth) {
        width = m.MaxWidth;
    } else {
        width = HintTextWidth(m, measurer, text, m.MaxLine);
        if (m.MaxLine == 0)
            width = std::max(width, maxWidth);
    }
    const forms::TSize wrapped = measurer.WrappedSize(text, width);
    TRect r{0, 0, Sum(wrapped.Width, 6), Sum(wrapped.Height, 2)};
    const int textHeight = r.Bottom;
    r.Right = Sum(r.Right, m.LeftMargin, m.RightMargin);
    if (m.MaxLine != 0)
        r.Bottom = Sum(m.LineHeight(m.MaxLine), m.HeightMargin, m.TopMargin);
    else if (m.MaxHeight != 0)
        r.Bottom = m.MaxHeight;
    else
        r.Bottom = Sum(r.Bottom, m.HeightMargin, m.TopMargin);
    if (m.IsIcon) {
        r.Bottom = Sum(r.Bottom, kHintIconHeight);
        r.Right = Sum(r.Right, kHintIconWidth);
    }
    if (m.LockWidth) {
        if (m.MaxLine != 0)
            r.Bottom = Sum(m.LineHeight(m.MaxLine), kHintIconHeight);
        else
            r.Bottom = std::max(r.Bottom, Sum(textHeight, m.TopMargin, m.HeightMargin));
    }
    return r;
}

TRect ShownHintRect(const THintMetrics& m, THintMeasurer& measurer, int x, int y, int width,
                    int height, std::string_view text) {
    // HintRect's rectangle stands at (0, 0), so its right and bottom are its width and height.
    const TRect calculated = HintRect(m, measurer, width, text);
    const int calculatedHeight = calculated.Bottom;
    int w = 0;
    if (m.LockWidth)
        w = m.MaxWidth;
    else if (m.MaxLine == 0)
        w = std::max(calculated.Right, width);
    else
        w = std::max(HintTextWidth(m, measurer, text, m.MaxLine), width);
    int h = 0;
    if (m.MaxLine != 0)
        h = std::min(Sum(m.LineHeight(m.MaxLine), m.TopMargin, m.HeightMargin), calculatedHeight);
    else
        h = height != 0 ? height : calculatedHeight;
    const int64_t lockedHeight = int64_t{calculatedHeight} + m.TopMargin + m.HeightMargin;
    int64_t bottom = int64_t{y} + h + (m.IsIcon ? kHintIconHeight : 0);
    if (m.LockWidth)
        bottom = std::max(bottom, y + lockedHeight);
    return {x, y, Sum(x, w), SaturatedInt(bottom)};
}

TRect HintTextRect(const THintMetrics& m, THintMeasurer& measurer, const TRect& client,
                   std::string_view text) {
    TRect r = client;
    r.Left = Sum(r.Left, m.LeftMargin, 2, m.IsIcon ? kHintIconWidth : 0);
    r.Top = Sum(r.Top, m.TopMargin, 2);
    r.Right = Sum(r.Right, -int64_t{m.RightMargin}, -2);
    const forms::TSize measured =
        measurer.WrappedSize(text, SaturatedInt(int64_t{r.Right} - r.Left));
    r.Right = Sum(r.Left, measured.Width);
    r.Bottom = Sum(r.Top, measured.Height);
    if (m.MaxLine != 0)
        r.Bottom = Sum(r.Top, m.LineHeight(m.MaxLine), 2);
    else if (m.MaxHeight > 0)
        r.Bottom = Sum(r.Top, m.MaxHeight, -int64_t{m.TopMargin}, -int64_t{m.HeightMargin});
    return r;
}

bool InHintLinkSquare(const THintMetrics& m, int x, int y) {
    return m.IsIcon && m.LeftMargin < x && x < m.LeftMargin + kHintLinkSquare && m.TopMargin < y &&
           y < m.TopMargin + kHintLinkSquare;
}

THintLook HintLook(THintWindowStyle style, bool useGlyph, bool useStyle, bool skinPresent) {
    switch (style) {
    case hwsRoundRect:
        return THintLook::Round;
    case hwsOwnerDraw:
        return THintLook::OwnerDraw;
    case hwsStyle:
        return useGlyph && useStyle && skinPresent ? THintLook::Skin : THintLook::Plain;
    case hwsNormal:
    default:
        return THintLook::Plain;
    }
}
