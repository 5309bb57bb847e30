#include "forms/gfx/Region.h"

namespace forms {

TRegion& TRegion::operator=(TRegion&& other) noexcept {
    if (this != &other) {
        if (handle_)
            DeleteObject(handle_);
        handle_ = other.handle_;
        other.handle_ = nullptr;
    }
    return *this;
}

TRegion::~TRegion() {
    if (handle_)
        DeleteObject(handle_);
}

TRegion TRegion::FromRect(const TRect& r) {
    return TRegion(CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom));
}

TRegion TRegion::FromRoundRect(const TRect& r, int ellipseWidth, int ellipseHeight) {
    return TRegion(
        CreateRoundRectRgn(r.Left, r.Top, r.Right, r.Bottom, ellipseWidth, ellipseHeight));
}

TRegion TRegion::FromRects(const RegionData& data) {
    const std::string bytes = data.Bytes();
    HRGN h = ExtCreateRegion(nullptr, static_cast<DWORD>(bytes.size()),
                             reinterpret_cast<const RGNDATA*>(bytes.data()));
    if (!h)
        return FromRect(data.Bounds());
    return TRegion(h);
}

bool TRegion::Contains(int x, int y) const {
    return handle_ && PtInRegion(handle_, x, y);
}

TRect TRegion::BoundsRect() const {
    RECT rc{0, 0, 0, 0};
    if (handle_)
        GetRgnBox(handle_, &rc);
    return {rc.left, rc.top, rc.right, rc.bottom};
}

HRGN TRegion::Release() {
    HRGN h = handle_;
    handle_ = nullptr;
    return h;
}

bool TRegion::ApplyToWindow(HWND window, bool redraw) {
    if (!handle_ || !SetWindowRgn(window, handle_, redraw))
        return false;
    handle_ = nullptr;
    return true;
}

} // namespace forms
