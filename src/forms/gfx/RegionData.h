#pragma once
// The RGNDATA block from which the system builds a region: a 32-byte header (size 32, type 1 for
// rectangles, rectangle count, bytes of rectangles, bounds) followed by 16-byte rectangles, all
// little-endian. Built portably so that region scans can be tested without the system.
#include "forms/gfx/Geometry.h"

#include <string>

namespace forms {

class RegionData {
public:
    explicit RegionData(TRect bounds) : bounds_(bounds) {}

    void Add(const TRect& r);
    [[nodiscard]] int Count() const { return count_; }
    [[nodiscard]] const TRect& Bounds() const { return bounds_; }
    // Header and rectangles, ready for ExtCreateRegion.
    [[nodiscard]] std::string Bytes() const;

private:
    TRect bounds_;
    std::string rects_;
    int count_ = 0;
};

} // namespace forms
