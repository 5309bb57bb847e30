#include "components/ScrollingLabel.h"

#include "forms/base/Method.h"
#include "forms/gfx/DeviceContext.h"

using namespace forms;

TCustomScrlLabel::TCustomScrlLabel(TComponent* owner) : TCustomLabel(owner), text_(*this) {
    SetAlign(TAlign::alNone);
    SetAutoSize(false);
    SetLayout(TTextLayout::tlTop);
    SetWordWrap(false);
    SetTransparent(true);
    SetCaption("");
    text_.SetScrollStyle(tssHorzLeft);
    timer_ = MakeScoped<TTimer>();
    timer_->SetEnabled(false);
    timer_->OnTimer = forms::Method(this, &TCustomScrlLabel::TelopTimer);
    Sync();
    Invalidate();
}

TCustomScrlLabel::~TCustomScrlLabel() {
    timer_->SetEnabled(false);
    timer_.reset();
}

void TCustomScrlLabel::SetShowTime(bool value) {
    text_.SetShowTime(value);
    Sync();
}

void TCustomScrlLabel::SetDateTimeFormat(std::string_view format) {
    text_.SetDateTimeFormat(format);
    Sync();
}

void TCustomScrlLabel::SetTelopMessage(std::string_view message) {
    if (message != text_.TelopMessage())
        SetCaption("");
    text_.SetTelopMessage(message);
    Sync();
}

void TCustomScrlLabel::SetInterval(unsigned interval) {
    text_.SetInterval(interval);
    Sync();
}

void TCustomScrlLabel::SetTelop(bool value) {
    text_.SetTelop(value);
    Sync();
}

void TCustomScrlLabel::SetScrollStyle(TTelopScrollStyle style) {
    text_.SetScrollStyle(style);
    Sync();
}

void TCustomScrlLabel::ResetTextPos(TTelopScrollStyle style) {
    text_.ResetTextPos(style);
}

void TCustomScrlLabel::TelopTimer(TComponent* /*sender*/) {
    text_.Tick();
    Sync();
}

void TCustomScrlLabel::VisibleChanged() {
    TCustomLabel::VisibleChanged();
    Sync(); // a clock hidden for a while shows the time again at once
}

void TCustomScrlLabel::Sync() {
    timer_->SetInterval(text_.Interval());
    timer_->SetEnabled(text_.TimerEnabled());
    SetWindowTextOnly(text_.DisplayedText());
}

void TCustomScrlLabel::Paint() {
    TCustomLabel::Paint();
    TCanvas& c = Canvas();
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.Font().SetColor(Font().Color());
    c.TextRect(ClientRect(), text_.TextLeft(), text_.TextTop(), text_.DisplayedText());
}

TSize TCustomScrlLabel::LabelSize() const {
    return {Width(), Height()};
}

int TCustomScrlLabel::FontSize() const {
    return Font().Size();
}

bool TCustomScrlLabel::LabelVisible() const {
    return Visible();
}

int TCustomScrlLabel::TextLength(std::string_view text) {
    // Measured on a memory context: the label may have no window. The advance is the length
    // along the text's direction, however the font is turned.
    const MemoryDC dc;
    TCanvas c(dc.Handle());
    c.Font().Assign(Font());
    return c.TextWidth(text);
}

void TCustomScrlLabel::TurnFont(int angle) {
    // The font takes the new handle and deletes the one it replaces.
    Font().SetHandle(CreateRotatedFont(Font(), angle));
}

void TCustomScrlLabel::Redraw() {
    Invalidate();
}
