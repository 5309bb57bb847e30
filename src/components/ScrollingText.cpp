#include "components/ScrollingText.h"

#include "forms/base/StrUtils.h"
#include "shared/DateFormat.h"

#include <cstdint>
#include <limits>

namespace {
// pos + delta, held inside the int range: a huge ScrollValue ends at the edge of the range
// instead of wrapping around.
int Moved(int pos, int64_t delta) {
    const int64_t v = pos + delta;
    if (v > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (v < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

TTelopScrollStyle KnownStyle(TTelopScrollStyle style) {
    return style == tssVertUp || style == tssVertDn ? style : tssHorzLeft;
}
} // namespace

std::string TScrollingText::DateTimeCaption() const {
    return FormatDateTimeEx(dateTimeFormat_, host_.Now());
}

std::string TScrollingText::DisplayedText() const {
    return forms::WithoutLineBreaks(showTime_ ? DateTimeCaption() : message_);
}

void TScrollingText::SetScrollStyle(TTelopScrollStyle style) {
    style_ = KnownStyle(style);
    ResetTextPos(style);
    host_.Redraw();
}

void TScrollingText::SetTelopMessage(std::string_view message) {
    if (message == message_)
        return;
    message_ = std::string(message);
    host_.Redraw();
}

void TScrollingText::SetShowTime(bool value) {
    showTime_ = value;
    if (value) {
        interval_ = telop_ ? 500 : 1000;
        timerEnabled_ = true;
    } else {
        interval_ = 500;
        timerEnabled_ = telop_;
    }
    host_.Redraw();
}

void TScrollingText::SetTelop(bool value) {
    telop_ = value;
    timerEnabled_ = value || showTime_;
    if (!timerEnabled_) {
        ResetOrigin();
        host_.Redraw();
    }
}

void TScrollingText::SetDateTimeFormat(std::string_view format) {
    if (format == dateTimeFormat_)
        return;
    dateTimeFormat_ = std::string(format);
    host_.Redraw();
}

void TScrollingText::SetInterval(unsigned interval) {
    if (interval == interval_)
        return;
    interval_ = interval;
    if (interval == 0) {
        ResetOrigin();
        host_.Redraw();
    }
}

void TScrollingText::ResetOrigin() {
    switch (style_) {
    case tssHorzLeft:
        left_ = 0;
        break;
    case tssVertUp:
        top_ = 0;
        break;
    case tssVertDn:
        top_ = host_.LabelSize().Height;
        break;
    }
}

void TScrollingText::ResetTextPos(TTelopScrollStyle style) {
    const forms::TSize size = host_.LabelSize();
    switch (KnownStyle(style)) {
    case tssHorzLeft:
        host_.TurnFont(0);
        left_ = 0;
        top_ = (size.Height - host_.FontSize()) / 2;
        break;
    case tssVertUp:
        host_.TurnFont(-90);
        left_ = (size.Width - host_.FontSize()) / 2 + host_.FontSize();
        top_ = 0;
        break;
    case tssVertDn:
        host_.TurnFont(90);
        left_ = (size.Width - host_.FontSize()) / 2;
        top_ = size.Height;
        break;
    }
}

void TScrollingText::Tick() {
    if (!host_.LabelVisible())
        return;
    if (!telop_) {
        host_.Redraw(); // keeps a standing clock current
        return;
    }
    const int64_t w = host_.TextLength(DisplayedText());
    const forms::TSize size = host_.LabelSize();
    switch (style_) {
    case tssHorzLeft:
        left_ = Moved(left_, -int64_t{scrollValue_});
        if (left_ + w < 0)
            left_ = size.Width;
        break;
    case tssVertUp:
        top_ = Moved(top_, -int64_t{scrollValue_});
        if (top_ + w < 0)
            top_ = size.Height;
        break;
    case tssVertDn:
        top_ = Moved(top_, scrollValue_);
        if (top_ > size.Height + w)
            top_ = 0;
        break;
    }
    host_.Redraw();
}
