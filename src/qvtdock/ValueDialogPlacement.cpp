#include "qvtdock/ValueDialogPlacement.h"

#include "shared/Desktop.h"

forms::TPoint ValueDialogPosition(int x, int y, forms::TSize size, const forms::TRect& workArea) {
    ClampToArea(x, y, size.Width, size.Height, workArea);
    return {x, y};
}
