#include "qvtcfg/Placement.h"

#include "shared/Desktop.h"

#include <cstdint>

int CentredOn(int extent, int size) {
    return static_cast<int>((static_cast<int64_t>(extent) - size) / 2);
}

forms::TPoint EditorPosition(int x, int y, bool centre, int w, int h, forms::TSize screen,
                             const forms::TRect& workArea) {
    if (centre)
        return {CentredOn(screen.Width, w), CentredOn(screen.Height, h)};
    ClampToArea(x, y, w, h, workArea);
    return {x, y};
}
