#pragma once
// A region handle owned by the object until it is handed to a window.
#include "forms/gfx/Geometry.h"
#include "forms/gfx/RegionData.h"

#include <windows.h>

namespace forms {

class TRegion {
public:
    TRegion() = default;
    TRegion(TRegion&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
    TRegion& operator=(TRegion&& other) noexcept;
    TRegion(const TRegion&) = delete;
    TRegion& operator=(const TRegion&) = delete;
    ~TRegion();

    static TRegion FromRect(const TRect& r);
    static TRegion FromRoundRect(const TRect& r, int ellipseWidth, int ellipseHeight);
    // The rectangles of data; when the system refuses them, the whole bounds rectangle.
    static TRegion FromRects(const RegionData& data);

    [[nodiscard]] HRGN Handle() const { return handle_; }
    [[nodiscard]] bool Empty() const { return handle_ == nullptr; }
    [[nodiscard]] bool Contains(int x, int y) const;
    [[nodiscard]] TRect BoundsRect() const;
    // Gives the handle to the caller.
    HRGN Release();
    // Sets the region on the window, which then owns it; on failure this object keeps it.
    bool ApplyToWindow(HWND window, bool redraw);

private:
    explicit TRegion(HRGN h) : handle_(h) {}
    HRGN handle_ = nullptr;
};

} // namespace forms
