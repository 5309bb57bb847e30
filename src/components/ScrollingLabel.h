#pragma once
// The scrolling title label: a transparent label that shows a fixed text (TelopMessage) or the
// date and time (ShowTime, DateTimeFormat) and can scroll it left, up or down (Telop,
// ScrollStyle, ScrollValue) on its own timer. Its Caption stays empty; its window text is the
// text it shows, so tools read what the user sees. The rules live in ScrollingText.h.
#include "components/ScrollingText.h"
#include "forms/win/Label.h"
#include "forms/win/Timer.h"

#include <string>
#include <string_view>

class TCustomScrlLabel : public forms::TCustomLabel, private TScrollingTextHost {
public:
    explicit TCustomScrlLabel(forms::TComponent* owner);
    ~TCustomScrlLabel() override;

    // The date and time now in DateTimeFormat.
    [[nodiscard]] std::string DateTimeCaption() const { return text_.DateTimeCaption(); }
    // The clock instead of TelopMessage; sets the timer's interval (500 ms while scrolling, else
    // 1000 ms, and 500 ms when it goes off) and runs it.
    [[nodiscard]] bool ShowTime() const { return text_.ShowTime(); }
    void SetShowTime(bool value);
    [[nodiscard]] const std::string& DateTimeFormat() const { return text_.DateTimeFormat(); }
    void SetDateTimeFormat(std::string_view format);
    [[nodiscard]] const std::string& TelopMessage() const { return text_.TelopMessage(); }
    void SetTelopMessage(std::string_view message);
    // The scroll timer's interval in milliseconds; 0 stops it and puts the text back.
    [[nodiscard]] unsigned Interval() const { return text_.Interval(); }
    void SetInterval(unsigned interval);
    // Scrolling on; the timer keeps its interval. Off (without the clock) stops the timer and
    // puts the text back to its start.
    [[nodiscard]] bool Telop() const { return text_.Telop(); }
    void SetTelop(bool value);
    // A new direction turns the font and puts the text at its start.
    [[nodiscard]] TTelopScrollStyle ScrollStyle() const { return text_.ScrollStyle(); }
    void SetScrollStyle(TTelopScrollStyle style);
    [[nodiscard]] int ScrollValue() const { return text_.ScrollValue(); }
    void SetScrollValue(int value) { text_.SetScrollValue(value); }

    // The text origin inside the label, and the text shown.
    [[nodiscard]] int TextLeft() const { return text_.TextLeft(); }
    [[nodiscard]] int TextTop() const { return text_.TextTop(); }
    [[nodiscard]] std::string DisplayedText() const { return text_.DisplayedText(); }
    // The scroll timer runs.
    [[nodiscard]] bool TimerEnabled() const { return text_.TimerEnabled(); }

protected:
    // The label's own face (its background unless transparent), then the text at its origin in
    // the font's colour, clipped to the label.
    void Paint() override;
    void VisibleChanged() override;
    // The font turned for the style and the origin at the style's start.
    void ResetTextPos(TTelopScrollStyle style);
    // The scroll timer's tick.
    virtual void TelopTimer(forms::TComponent* sender);

private:
    [[nodiscard]] forms::TSize LabelSize() const override;
    [[nodiscard]] int FontSize() const override;
    [[nodiscard]] bool LabelVisible() const override;
    [[nodiscard]] int TextLength(std::string_view text) override;
    void TurnFont(int angle) override;
    void Redraw() override;
    // The timer as the rules left it, and the window text as the text shown.
    void Sync();

    TScrollingText text_;
    forms::Scoped<forms::TTimer> timer_;
};

// The launcher's title.
class TScrlLabel : public TCustomScrlLabel {
public:
    explicit TScrlLabel(forms::TComponent* owner) : TCustomScrlLabel(owner) {}
};
