#include "qvtcfg/KeyCapture.h"

#include "forms/base/StrUtils.h"
#include "shared/HotKeyText.h"
#include "shared/TextSearch.h"

namespace {
constexpr uint16_t kShift = 16, kCtrl = 17, kAlt = 18, kEsc = 27, kSpace = 32;
constexpr uint16_t kLeftWin = 91, kRightWin = 92;

bool InRange(uint16_t key, uint16_t low, uint16_t high) {
    return key >= low && key <= high;
}
bool IsDigitOrLetter(uint16_t key) {
    return InRange(key, 48, 90);
}
bool IsPadOrPunctuation(uint16_t key) {
    return InRange(key, 96, 111) || InRange(key, 146, 245);
}
} // namespace

bool IsCharacterKey(uint16_t key) {
    return IsDigitOrLetter(key) || IsPadOrPunctuation(key);
}

void TKeyCapture::HotKeyDown(std::string& text, uint16_t key, THeldModifiers held) {
    if (key == kShift || key == kCtrl || key == kAlt) {
        text = ShiftStateText(held.Shift, held.Ctrl, held.Alt, false);
        pending_ = 0;
    } else if (key == kEsc) {
        text.clear(); // no hot key
        pending_ = 0;
    } else if (key == kLeftWin || key == kRightWin) {
        text = ShiftStateText(held.Shift, held.Ctrl, held.Alt, true);
        pending_ = 0;
    } else {
        const std::string previous = text;
        text = ShortcutText({key, held.Shift, held.Ctrl, held.Alt}, names_);
        // The Windows key is no modifier of a key event: it counts when it was the last
        // modifier pressed, as the text it left shows.
        if (!text.empty() && StrPosIC("Win", previous, 1) > 0)
            text = "Win+" + text;
        pending_ = key == kSpace || IsCharacterKey(key) ? 0 : static_cast<uint16_t>(key & 0xFF);
    }
}

void TKeyCapture::HotKeyUp(std::string& text) const {
    if (pending_ != 0)
        text.clear();
}

void TKeyCapture::KeyFieldDown(TKeyField& field, uint16_t key) {
    field.Text.clear();
    pending_ = 0;
    if (IsCharacterKey(key))
        return; // the character it types lands in the empty field
    field.Text = names_.KeyName(key);
    field.Code = key;
}

TKeyUpEffect TKeyCapture::KeyFieldUp(TKeyField& field, uint16_t key) const {
    TKeyUpEffect effect;
    if (key == kSpace) {
        // The blank that Space typed goes; its name stays.
        field.Text = forms::Trim(field.Text);
        field.Code = key;
    } else if (IsDigitOrLetter(key)) {
        field.Text = forms::UpperCase(field.Text);
        effect.CaretToEnd = true;
        field.Code = key;
    } else if (IsPadOrPunctuation(key)) {
        effect.CaretToEnd = true;
        field.Code = key;
    }
    if (pending_ != 0)
        field.Text.clear();
    return effect;
}
