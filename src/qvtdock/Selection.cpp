#include "qvtdock/Selection.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

int SteppedIndex(int index, int step, bool wrap, int count) {
    if (count <= 0)
        return index;
    const int64_t last = count - 1;
    if (step > 0) {
        const int64_t next = int64_t{index} - step;
        return static_cast<int>(next < 0 ? (wrap ? last : 0) : next);
    }
    const int64_t next = int64_t{index} - int64_t{step};
    return static_cast<int>(next > last ? (wrap ? 0 : last) : next);
}

bool AllButtonsVisible(int baseWidth, int btnSize, int formSize, int count) {
    if (btnSize <= 0)
        return true;
    const int shown = baseWidth / btnSize;
    return shown >= formSize && shown >= count;
}

std::optional<int> ScrolledFirstButton(const TRowScroll& s) {
    const int f = std::max(s.FormSize, 1);
    const int n = std::max(s.Count, 0);
    const int maxFirst = std::max(n - f, 0);
    const int64_t last = int64_t{s.First} + f - 1;
    const int sel = s.Selection;

    std::optional<int> first;
    if (s.Step < 0) {
        if (sel == last + 1)
            first = static_cast<int64_t>(sel) + f - 1 >= n ? n - f : sel;
        else if (sel == 0)
            first = 0;
    } else {
        if (s.First > sel)
            first = std::max(s.First - f, 0);
        else if (sel == n - 1)
            first = n - f;
    }
    if (first)
        first = std::clamp(*first, 0, maxFirst);

    // A step of a whole row can leave the selection out of view still.
    const int view = first.value_or(s.First);
    if (sel >= 0 && sel < n) {
        if (sel < view)
            first = std::clamp(sel, 0, maxFirst);
        else if (sel > int64_t{view} + f - 1)
            first = std::clamp(sel - f + 1, 0, maxFirst);
    }
    return first;
}

std::optional<int> ScrolledTopRow(const TRowsScroll& s) {
    const int v = s.VisibleRows, r = s.RowCount, c = s.ColCount;
    if (c <= 0 || v >= r)
        return std::nullopt;
    const int maxTop = r - std::max(v, 0);
    const int top = s.Top;
    const int row = s.Selection / c;
    std::optional<int> next;
    if (s.ByRow) {
        if (s.Down) {
            if (top < maxTop)
                next = top + 1;
        } else if (top > 0) {
            next = row == 0 ? 0 : top - 1;
        }
    } else if (row < top) {
        next = row;
    } else if (int64_t{row} >= int64_t{top} + v) {
        next = row - v + 1;
    }
    if (!next)
        return std::nullopt;
    return std::clamp(*next, 0, std::max(maxTop, 0));
}

int FirstVisibleRow(int barTop, int btnSize) {
    if (btnSize <= 0 || barTop == 0)
        return 0;
    return static_cast<int>(std::llabs(int64_t{barTop}) / btnSize);
}

std::optional<int> PreviousPage(int index, int count) {
    if (count <= 0 || index < 0 || index >= count)
        return std::nullopt;
    return index == 0 ? count - 1 : index - 1;
}

std::optional<int> NextPage(int index, int count) {
    if (count <= 0 || index < 0 || index >= count)
        return std::nullopt;
    return index + 1 >= count ? 0 : index + 1;
}
