#include "components/HintLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

using forms::TRect;

int THintMetrics::LineHeight(int lines) const {
    if (PixelsPerInch <= 0)
        return 0;
    const long height = std::lround(-static_cast<double>(FontSize) * PixelsPerInch / 72.0);
    return lines * static_cast<int>(std::labs(height));
}

int HintTextWidth(const THintMetrics& m, THintMeasurer& measurer, std::string_view text,
                  int maxLines) {
    int extra = m.LeftMargin + m.RightMargin + 6;
    if (m.IsIcon)
        extra += kHintIconWidth;
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
    return widest + extra;
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
    TRect r{0, 0, wrapped.Width + 6, wrapped.Height + 2};
    const int textHeight = r.Height();
    r.Right += m.LeftMargin + m.RightMargin;
    if (m.MaxLine != 0)
        r.Bottom = r.Top + m.LineHeight(m.MaxLine) + m.HeightMargin + m.TopMargin;
    else if (m.MaxHeight != 0)
        r.Bottom = r.Top + m.MaxHeight;
    else
        r.Bottom += m.HeightMargin + m.TopMargin;
    if (m.IsIcon) {
        r.Bottom += kHintIconHeight;
        r.Right += kHintIconWidth;
    }
    if (m.LockWidth) {
        if (m.MaxLine != 0)
            r.Bottom = r.Top + m.LineHeight(m.MaxLine) + kHintIconHeight;
        else if (r.Height() < textHeight + m.TopMargin + m.HeightMargin)
            r.Bottom = r.Top + textHeight + m.TopMargin + m.HeightMargin;
    }
    return r;
}

TRect ShownHintRect(const THintMetrics& m, THintMeasurer& measurer, int x, int y, int width,
                    int height, std::string_view text) {
    const TRect calculated = HintRect(m, measurer, width, text);
    const int calculatedHeight = calculated.Height();
    int w = 0;
    if (m.LockWidth)
        w = m.MaxWidth;
    else if (m.MaxLine == 0)
        w = std::max(calculated.Width(), width);
    else
        w = std::max(HintTextWidth(m, measurer, text, m.MaxLine), width);
    int h = 0;
    if (m.MaxLine != 0)
        h = std::min(m.LineHeight(m.MaxLine) + m.TopMargin + m.HeightMargin, calculatedHeight);
    else
        h = height != 0 ? height : calculatedHeight;
    TRect r{x, y, x + w, y + h};
    if (m.IsIcon)
        r.Bottom += kHintIconHeight;
    if (m.LockWidth && r.Height() < calculatedHeight + m.TopMargin + m.HeightMargin)
        r.Bottom = r.Top + calculatedHeight + m.TopMargin + m.HeightMargin;
    return r;
}

TRect HintTextRect(const THintMetrics& m, THintMeasurer& measurer, const TRect& client,
                   std::string_view text) {
    TRect r = client;
    r.Left += m.LeftMargin + 2 + (m.IsIcon ? kHintIconWidth : 0);
    r.Top += m.TopMargin + 2;
    r.Right -= m.RightMargin + 2;
    r.Bottom -= m.HeightMargin;
    const forms::TSize measured = measurer.WrappedSize(text, r.Width());
    r.Right = r.Left + measured.Width;
    r.Bottom = r.Top + measured.Height;
    if (m.MaxLine != 0)
        r.Bottom = r.Top + m.LineHeight(m.MaxLine) + 2;
    else if (m.MaxHeight > 0)
        r.Bottom = r.Top + m.MaxHeight - m.TopMargin - m.HeightMargin;
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
