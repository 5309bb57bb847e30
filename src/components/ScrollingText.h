#pragma once
// The scrolling title's rules, apart from the window: the text shown (a fixed text, or the date
// and time), where its origin lies in the label for each scroll direction, how a tick moves it,
// and what the setters do to the scroll timer and the origin. TCustomScrlLabel
// (ScrollingLabel.h) is the window that paints it and runs the timer.
#include "forms/base/DateTime.h"
#include "forms/gfx/Geometry.h"

#include <string>
#include <string_view>

// Left (the text runs right), up or down (it runs down, or up, on a turned font).
enum TTelopScrollStyle { tssHorzLeft, tssVertUp, tssVertDn };

// What the scrolling text needs of the label that shows it.
class TScrollingTextHost {
public:
    virtual ~TScrollingTextHost() = default;
    [[nodiscard]] virtual forms::TSize LabelSize() const = 0;
    // The font's size in points, which the origin uses as a pixel measure.
    [[nodiscard]] virtual int FontSize() const = 0;
    [[nodiscard]] virtual bool LabelVisible() const = 0;
    // The text's length along its direction in the label's font.
    [[nodiscard]] virtual int TextLength(std::string_view text) = 0;
    // Turns the label's font by angle degrees (0 upright, -90 down, 90 up).
    virtual void TurnFont(int angle) = 0;
    virtual void Redraw() = 0;
    [[nodiscard]] virtual forms::TDateTime Now() const { return forms::Now(); }
};

// The text, its origin and the scroll timer's settings, with the construction values. The
// origin is computed only by ResetTextPos (construction and the ScrollStyle setter) and reset
// by the Telop and Interval setters; a later change of the label's size or font does not move
// it.
class TScrollingText {
public:
    explicit TScrollingText(TScrollingTextHost& host) : host_(host) {}

    [[nodiscard]] int TextLeft() const { return left_; }
    [[nodiscard]] int TextTop() const { return top_; }

    // The date and time in DateTimeFormat (with the title clock's own tokens).
    [[nodiscard]] std::string DateTimeCaption() const;
    // The text shown on the label's one line: DateTimeCaption when ShowTime, else TelopMessage,
    // without its CR and LF (a page line runs on into the title instead of showing the font's
    // boxes for them).
    [[nodiscard]] std::string DisplayedText() const;

    [[nodiscard]] TTelopScrollStyle ScrollStyle() const { return style_; }
    // Turns the font and puts the origin at the start for the new style; repaints. A value
    // outside the three styles counts as tssHorzLeft.
    void SetScrollStyle(TTelopScrollStyle style);
    [[nodiscard]] const std::string& TelopMessage() const { return message_; }
    // Kept as it is, line breaks too; repaints when it changes.
    void SetTelopMessage(std::string_view message);
    // Pixels moved per tick.
    [[nodiscard]] int ScrollValue() const { return scrollValue_; }
    void SetScrollValue(int value) { scrollValue_ = value; }
    // The clock: on, the timer runs every 500 ms while scrolling, else every 1000 ms; off, it
    // runs every 500 ms while scrolling, else not at all.
    [[nodiscard]] bool ShowTime() const { return showTime_; }
    void SetShowTime(bool value);
    // Scrolling: the timer runs while Telop or ShowTime is on (its interval stays); when it
    // stops, the text goes back to its start.
    [[nodiscard]] bool Telop() const { return telop_; }
    void SetTelop(bool value);
    [[nodiscard]] const std::string& DateTimeFormat() const { return dateTimeFormat_; }
    // Repaints when it changes.
    void SetDateTimeFormat(std::string_view format);

    // The scroll timer as the setters leave it: the label applies these to its timer.
    [[nodiscard]] bool TimerEnabled() const { return timerEnabled_; }
    [[nodiscard]] unsigned Interval() const { return interval_; }
    // A new interval; 0 stops the timer and puts the text back to its start.
    void SetInterval(unsigned interval);

    // The font turned for the style, and the origin at the style's start: tssHorzLeft at the
    // left, vertically centred; tssVertUp at the top, tssVertDn at the bottom, both centred
    // across (with F, the font size in points, as the text's breadth).
    void ResetTextPos(TTelopScrollStyle style);
    // One tick of the scroll timer: nothing while the label is hidden; with Telop off only a
    // repaint (the clock); else the text moves by ScrollValue and starts over once it has
    // wholly left the label.
    void Tick();

private:
    // The origin back to the current style's start, the font as it is.
    void ResetOrigin();

    TScrollingTextHost& host_;
    int top_ = 0;
    int left_ = 0;
    TTelopScrollStyle style_ = tssHorzLeft;
    std::string message_ = "スクロール";
    int scrollValue_ = 4;
    bool showTime_ = false;
    bool telop_ = false;
    std::string dateTimeFormat_ = "yyyy/mm/dd - hh:nn";
    bool timerEnabled_ = false;
    unsigned interval_ = 200;
};
