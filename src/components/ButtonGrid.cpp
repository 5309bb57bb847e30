#include "components/ButtonGrid.h"

#include <algorithm>
#include <cstdint>
#include <limits>

using forms::TPoint;
using forms::TRect;

namespace {
constexpr int64_t kIntMin = std::numeric_limits<int32_t>::min();
constexpr int64_t kIntMax = std::numeric_limits<int32_t>::max();

int Saturated(int64_t v) {
    return static_cast<int>(std::clamp(v, kIntMin, kIntMax));
}
} // namespace

// ---- geometry ----

bool TButtonGrid::Fits(int cols, int rows, int size) {
    return int64_t{cols} * rows <= kIntMax && int64_t{cols} * size <= kIntMax &&
           int64_t{rows} * size <= kIntMax;
}

void TButtonGrid::SetColCount(int value) {
    if (value == colCount_ || value <= 0 || !Fits(value, rowCount_, btnSize_))
        return;
    colCount_ = value;
    Resized();
}

void TButtonGrid::SetRowCount(int value) {
    if (value == rowCount_ || value <= 0 || !Fits(colCount_, value, btnSize_))
        return;
    rowCount_ = value;
    Resized();
}

void TButtonGrid::SetBtnSize(int value) {
    if (value == btnSize_ || value <= 0 || !Fits(colCount_, rowCount_, value))
        return;
    btnSize_ = value;
    Resized();
}

void TButtonGrid::Resized() {
    UpdateSize();
    host_.GridChanged();
}

void TButtonGrid::UpdateSize() {
    host_.GridResized(Width(), Height());
    lastMarked_ = btnIndex_;
}

bool TButtonGrid::CellRect(int index, TRect& rect) const {
    // Integer division truncates towards zero, so a negative index lies left of the grid.
    const int64_t left = int64_t{index % colCount_} * btnSize_;
    const int64_t top = int64_t{index / colCount_} * btnSize_;
    if (left < kIntMin || left + btnSize_ > kIntMax || top < kIntMin || top + btnSize_ > kIntMax)
        return false;
    rect = forms::Bounds(static_cast<int>(left), static_cast<int>(top), btnSize_, btnSize_);
    return true;
}

int TButtonGrid::BtnIndexAt(int x, int y) const {
    x = std::clamp(x, 0, Width() - 1);
    y = std::clamp(y, 0, Height() - 1);
    return y / btnSize_ * colCount_ + x / btnSize_;
}

TPoint TButtonGrid::CellCenter(int index) const {
    const int64_t half = btnSize_ / 2;
    return {Saturated(int64_t{index % colCount_} * btnSize_ + half),
            Saturated(int64_t{index / colCount_} * btnSize_ + half)};
}

// ---- selection ----

void TButtonGrid::SetBtnIndex(int value) {
    if (value == btnIndex_) {
        lastMarked_ = btnIndex_;
        return;
    }
    btnIndex_ = value >= 0 && value < Count() ? value : Count();
    markedCell_ = btnIndex_;
    host_.DrawBtn(lastMarked_, false);
    host_.DrawBtn(markedCell_, true);
    // Before the event: a handler that selects again then erases this mark, not an older one.
    lastMarked_ = btnIndex_;
    host_.Change();
}

void TButtonGrid::SelectQuiet(int value) {
    if (value == markedCell_ || value < 0 || value >= Count())
        return;
    markedCell_ = value;
    host_.DrawBtn(lastMarked_, false);
    host_.DrawBtn(value, true);
    lastMarked_ = value;
    btnIndex_ = value;
}

void TButtonGrid::SetDown(bool value, int index) {
    down_ = value;
    host_.DrawBtn(index, true);
}

// ---- keys ----

bool TButtonGrid::ArrowTarget(uint16_t key, int i, int& target) const {
    const int64_t count = Count();
    int64_t t = i;
    switch (key) {
    case kVkLeft:
        t = t - 1 < 0 ? count - 1 : t - 1;
        break;
    case kVkUp:
        t = t - colCount_ < 0 ? t - colCount_ + count : t - colCount_;
        break;
    case kVkRight:
        t = t + 1 >= count ? 0 : t + 1;
        break;
    case kVkDown:
        t = t + colCount_ >= count ? t + colCount_ - count : t + colCount_;
        break;
    default:
        return false;
    }
    target = static_cast<int>(t); // within 0 .. max(i, Count - 1)
    return true;
}

void TButtonGrid::KeyDown(uint16_t& key, const TLibraryKeyEvent& library) {
    const std::weak_ptr<void> life = LifeToken();
    if (library)
        library(key);
    // A consumed key (0) does nothing, even when DownKeyCode is 0.
    if (life.expired() || key == 0)
        return;
    if (key == downKeyCode_) {
        SetDown(true, markedCell_);
        key = 0;
        return;
    }
    int target = 0;
    if (!ArrowTarget(key, markedCell_, target))
        return;
    key = 0;
    if (target != markedCell_)
        SelectQuiet(target);
    btnIndex_ = target; // quietly: the arrows of the plain grid never fire OnChange
}

void TButtonGrid::KeyUp(uint16_t& key, const TLibraryKeyEvent& library) {
    const std::weak_ptr<void> life = LifeToken();
    if (library)
        library(key);
    if (life.expired() || key == 0 || key != downKeyCode_)
        return;
    SetDown(false, btnIndex_);
    key = 0;
}

// ---- wheel ----

void TButtonGrid::Wheel(int wheelDelta, bool graphicChildUnderPointer) {
    const int64_t count = Count();
    if (count == 0 || (focused_ && graphicChildUnderPointer))
        return;
    int64_t i = btnIndex_;
    if (wheelDelta > 0) { // turned away from the user: back
        if (--i < 0)
            i = scrollWrap_ ? count - 1 : 0;
    } else if (++i >= count) {
        i = scrollWrap_ ? 0 : count - 1;
    }
    const std::weak_ptr<void> life = LifeToken();
    SetBtnIndex(static_cast<int>(i));
    if (!life.expired())
        host_.BtnMouseWheel(wheelDelta);
}

// ---- mouse ----

void TButtonGrid::MouseDown(const TGridMouse& m) {
    const std::weak_ptr<void> life = LifeToken();
    SetBtnIndex(BtnIndexAt(m.X, m.Y));
    if (life.expired())
        return;
    if (m.PlainLeftPress)
        SetDown(true, btnIndex_);
    if (m.LibraryEvent)
        m.LibraryEvent();
}

void TButtonGrid::MouseMove(const TGridMouse& m) {
    const std::weak_ptr<void> life = LifeToken();
    SetBtnIndex(BtnIndexAt(m.X, m.Y)); // the selection follows the pointer, pressed or not
    if (!life.expired() && m.LibraryEvent)
        m.LibraryEvent();
}

void TButtonGrid::MouseUp(const TGridMouse& m) {
    SetDown(false, btnIndex_);
    if (m.LibraryEvent)
        m.LibraryEvent();
}

// ---- icon grids ----

bool TIconButtonGrid::ArrowTarget(uint16_t key, int i, int n, int cols, int& target) {
    int64_t t = i;
    switch (key) {
    case kVkLeft:
        t = t - 1 < 0 ? int64_t{n} - 1 : t - 1;
        break;
    case kVkRight:
        t = t + 1 >= n ? 0 : t + 1;
        break;
    case kVkUp:
        if (i / cols > 0)
            t -= cols;
        break;
    case kVkDown:
        if (t + cols < n)
            t += cols;
        break;
    default:
        return false;
    }
    target = static_cast<int>(t); // within -1 .. max(i, n - 1)
    return true;
}

void TIconButtonGrid::KeyDown(uint16_t& key, const TLibraryKeyEvent& library) {
    int target = 0;
    if (!ArrowTarget(key, MarkedCell(), host_.IconCount(), ColCount(), target)) {
        TButtonGrid::KeyDown(key, library);
        return;
    }
    key = 0;
    if (target != MarkedCell())
        SelectQuiet(target);
    SetBtnIndex(target); // fires OnChange only when SelectQuiet refused the target
}

void TIconButtonGrid::Wheel(int wheelDelta, bool /*graphicChildUnderPointer*/) {
    const int n = host_.IconCount();
    int64_t i = MarkedCell();
    if (wheelDelta > 0) {
        if (--i < 0)
            i = int64_t{n} - 1;
    } else if (++i >= n) {
        i = 0;
    }
    const int target = static_cast<int>(i);
    const std::weak_ptr<void> life = LifeToken();
    if (target != MarkedCell())
        SelectQuiet(target);
    SetBtnIndex(target);
    if (!life.expired())
        host_.BtnMouseWheel(wheelDelta);
}

void TIconButtonGrid::Route(const TGridMouse& m, const std::function<void()>& gridRule) {
    const int n = host_.IconCount();
    if (allBtnClicked_ || n == 0) {
        const std::weak_ptr<void> life = LifeToken();
        if (m.NoneBtnEvent)
            m.NoneBtnEvent();
        if (life.expired() || n == 0)
            return;
    }
    if (BtnIndexAt(m.X, m.Y) < n)
        gridRule();
}

void TIconButtonGrid::MouseDown(const TGridMouse& m) {
    Route(m, [&] { TButtonGrid::MouseDown(m); });
}

void TIconButtonGrid::MouseMove(const TGridMouse& m) {
    Route(m, [&] { TButtonGrid::MouseMove(m); });
}

void TIconButtonGrid::MouseUp(const TGridMouse& m) {
    Route(m, [&] { TButtonGrid::MouseUp(m); });
}
