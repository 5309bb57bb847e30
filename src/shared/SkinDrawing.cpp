#include "shared/SkinDrawing.h"

#include "shared/BitmapEffects.h"
#include "shared/Drawing.h"

#include <algorithm>
#include <cstring>

using namespace forms;

std::optional<TRect> StripCellRect(int stripWidth, int stripHeight, int index, int count) {
    if (stripWidth <= 0 || stripHeight <= 0 || count <= 0)
        return std::nullopt;
    if (index < 0 || index >= count || index > stripWidth / stripHeight - 1)
        return std::nullopt;
    const int cellWidth = stripWidth / count;
    if (cellWidth <= 0)
        return std::nullopt;
    return forms::Rect(cellWidth * index, 0, cellWidth * (index + 1), stripHeight);
}

std::vector<TSliceCopy> ThreeSliceCopies(int skinWidth, int skinHeight, const TRect& target,
                                         int leftW, int rightW) {
    std::vector<TSliceCopy> copies;
    if (skinWidth <= 0 || skinHeight <= 0 || target.IsEmpty())
        return copies;
    if (leftW <= 0 || rightW <= 0)
        leftW = rightW = skinWidth / 3;
    const int targetWidth = target.Width();
    const int L = target.Left, T = target.Top, R = target.Right, B = target.Bottom;
    const int left = std::min({leftW, skinWidth, targetWidth});
    if (left > 0)
        copies.push_back({forms::Rect(0, 0, left, skinHeight), forms::Rect(L, T, L + left, B)});
    const bool middle = skinWidth - leftW - rightW > 0 && targetWidth - leftW - rightW > 0;
    if (middle)
        copies.push_back({forms::Rect(leftW, 0, skinWidth - rightW, skinHeight),
                          forms::Rect(L + leftW, T, R - rightW, B)});
    const int right = std::min({rightW, skinWidth, targetWidth});
    if (right > 0)
        copies.push_back({forms::Rect(skinWidth - right, 0, skinWidth, skinHeight),
                          forms::Rect(R - right, T, R, B)});
    return copies;
}

bool CopyStripCell(const PixelView& dest, const PixelView& strip, int index, int count) {
    if (dest.Empty() || strip.Empty())
        return false;
    const auto cell = StripCellRect(strip.Width(), strip.Height(), index, count);
    if (!cell)
        return false;
    forms::StretchCopy(dest, forms::Rect(0, 0, dest.Width(), dest.Height()), strip, *cell);
    return true;
}

void DrawThreeSlice(const PixelView& dest, const PixelView& skin, const TRect& rect, int leftW,
                    int rightW) {
    if (dest.Empty() || skin.Empty())
        return;
    for (const TSliceCopy& c : ThreeSliceCopies(skin.Width(), skin.Height(), rect, leftW, rightW))
        forms::StretchCopy(dest, c.Target, skin, c.Source);
}

void FillThreeSlice(const PixelView& dest, const PixelView& skin, int leftW, int rightW) {
    DrawThreeSlice(dest, skin, forms::Rect(0, 0, dest.Width(), dest.Height()), leftW, rightW);
}

namespace {
bool IsQuarterTurn(int angle) {
    return angle == 90 || angle == -90;
}

// A 32-bit picture, white as new bitmaps are.
PixelBuffer WhitePicture(int width, int height) {
    PixelBuffer p(width, height, 32);
    std::memset(p.Bits().data(), 0xFF, p.Bits().size());
    return p;
}
} // namespace

PixelBuffer ComposeSkinPart(const PixelView& skin, int width, int height, int leftW, int rightW,
                            int angle) {
    if (skin.Empty() || width <= 0 || height <= 0)
        return {};
    const bool turned = IsQuarterTurn(angle);
    PixelBuffer work = turned ? WhitePicture(height, width) : WhitePicture(width, height);
    FillThreeSlice(work.View(), skin, leftW, rightW);
    return turned ? RotatePixels(work.View(), 0) : work;
}

std::optional<TSliceCopy> SkinSliceCopy(forms::TSize source, forms::TSize target, int angle,
                                        TSkinSlice slice) {
    const bool vertical = IsQuarterTurn(angle);
    // Turned by -90 or 180 degrees the head lies at the far end of the axis.
    const bool headAtEnd = angle == -90 || angle == 180;
    const int sourceLength = vertical ? source.Height : source.Width;
    const int targetLength = vertical ? target.Height : target.Width;
    const int sourceAcross = vertical ? source.Width : source.Height;
    const int targetAcross = vertical ? target.Width : target.Height;
    if (sourceLength <= 0 || targetLength <= 0 || sourceAcross <= 0 || targetAcross <= 0)
        return std::nullopt;
    const int startLength = headAtEnd ? kSkinTailLength : kSkinHeadLength;
    const int endLength = headAtEnd ? kSkinHeadLength : kSkinTailLength;

    // Spans along the axis: [s0, s1) of the source onto [t0, t1) of the target.
    int s0 = 0, s1 = 0, t0 = 0, t1 = 0;
    if (slice == TSkinSlice::Middle) {
        s0 = t0 = startLength;
        s1 = sourceLength - endLength;
        t1 = targetLength - endLength;
        if (s1 <= s0 || t1 <= t0)
            return std::nullopt;
    } else {
        const bool head = slice == TSkinSlice::Head;
        const int length =
            std::min({head ? kSkinHeadLength : kSkinTailLength, sourceLength, targetLength});
        const bool atEnd = head == headAtEnd;
        s0 = atEnd ? sourceLength - length : 0;
        t0 = atEnd ? targetLength - length : 0;
        s1 = s0 + length;
        t1 = t0 + length;
    }
    if (vertical)
        return TSliceCopy{forms::Rect(0, s0, sourceAcross, s1),
                          forms::Rect(0, t0, targetAcross, t1)};
    return TSliceCopy{forms::Rect(s0, 0, s1, sourceAcross), forms::Rect(t0, 0, t1, targetAcross)};
}

namespace {
void CopySkinSlice(const PixelView& target, const PixelView& source, int angle, TSkinSlice slice) {
    const auto copy = SkinSliceCopy({source.Width(), source.Height()},
                                    {target.Width(), target.Height()}, angle, slice);
    if (copy)
        forms::StretchCopy(target, copy->Target, source, copy->Source);
}
} // namespace

void CopySkinHead(const PixelView& target, const PixelView& source, int angle) {
    CopySkinSlice(target, source, angle, TSkinSlice::Head);
}

void CopySkinTail(const PixelView& target, const PixelView& source, int angle) {
    CopySkinSlice(target, source, angle, TSkinSlice::Tail);
}

void CopySkinMiddle(const PixelView& target, const PixelView& source, int angle) {
    CopySkinSlice(target, source, angle, TSkinSlice::Middle);
}

PixelBuffer ComposeRotatedSkin(const PixelView& bitmap, int width, int height, int angle,
                               forms::TColor backColor) {
    if (bitmap.Empty() || width <= 0 || height <= 0)
        return {};
    PixelBuffer turned;
    PixelView source = bitmap;
    if (IsQuarterTurn(angle) || angle == 180) {
        turned = RotatePixelsByAngle(bitmap, angle, backColor);
        source = turned.View();
    }
    PixelBuffer target = WhitePicture(width, height);
    const PixelView t = target.View();
    const bool vertical = IsQuarterTurn(angle);
    const int length = vertical ? source.Height() : source.Width();
    const int room = vertical ? height : width;
    if (length > room) {
        forms::StretchCopy(t, forms::Rect(0, 0, width, height), source,
                           forms::Rect(0, 0, source.Width(), source.Height()));
        return target;
    }
    CopySkinHead(t, source, angle);
    CopySkinTail(t, source, angle);
    CopySkinMiddle(t, source, angle);
    return target;
}
