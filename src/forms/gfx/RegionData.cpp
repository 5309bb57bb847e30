#include "forms/gfx/RegionData.h"

#include <cstdint>

namespace forms {

namespace {
void PutU32(std::string& s, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void PutRect(std::string& s, const TRect& r) {
    PutU32(s, static_cast<uint32_t>(r.Left));
    PutU32(s, static_cast<uint32_t>(r.Top));
    PutU32(s, static_cast<uint32_t>(r.Right));
    PutU32(s, static_cast<uint32_t>(r.Bottom));
}
} // namespace

void RegionData::Add(const TRect& r) {
    PutRect(rects_, r);
    ++count_;
}

std::string RegionData::Bytes() const {
    std::string s;
    s.reserve(32 + rects_.size());
    PutU32(s, 32);
    PutU32(s, 1);
    PutU32(s, static_cast<uint32_t>(count_));
    PutU32(s, static_cast<uint32_t>(rects_.size()));
    PutRect(s, bounds_);
    s += rects_;
    return s;
}

} // namespace forms
