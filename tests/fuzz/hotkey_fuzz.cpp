// The key texts of the settings: a menu shortcut text and the hot-key text of [Key] Show, read
// with the names of a Japanese keyboard layout. A shortcut that reads writes back to the same text
// value; a hot key reads as one key with its modifiers. And the hot-key field's text, built from
// keys pressed (the input's bytes in pairs: key code, held modifiers), reads back as those keys.
#include "FuzzTarget.h"

#include "qvtcfg/KeyCapture.h"
#include "shared/HotKeyText.h"

#include <map>

namespace {

// Some of the names a Japanese keyboard layout gives the keys without a fixed name.
std::string LayoutName(uint8_t code) {
    static const std::map<uint8_t, std::string> names = {
        {16, "Shift"},       {17, "Ctrl"},   {18, "Alt"},          {20, "Caps Lock"},
        {28, "変換"},        {29, "無変換"}, {91, "Left Windows"}, {92, "Right Windows"},
        {93, "Application"}, {106, "Num *"}, {107, "Num +"},       {144, "Num Lock"},
        {165, "Right Alt"},  {186, ":"},     {187, ";"},           {188, ","},
        {189, "-"},          {191, "/"},     {192, "@"},           {219, "["},
        {220, "\\"},         {226, "\\"},    {243, "半角/全角"}};
    const auto it = names.find(code);
    return it == names.end() ? std::string() : it->second;
}

uint32_t ModifiersOf(bool shift, bool ctrl, bool alt) {
    return (shift ? kHotKeyShift : 0) | (ctrl ? kHotKeyCtrl : 0) | (alt ? kHotKeyAlt : 0);
}

void CheckPressedKeys(const TKeyNames& names, std::string_view keys) {
    TKeyCapture capture(names);
    std::string text;
    for (size_t i = 0; i + 1 < keys.size(); i += 2) {
        const auto key = static_cast<uint8_t>(keys[i]);
        const auto bits = static_cast<uint8_t>(keys[i + 1]);
        const THeldModifiers held{(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0};
        capture.HotKeyDown(text, key, held);
        if (bits & 8)
            capture.HotKeyUp(text);
        const THotKey read = ReadHotKeyText(text, names);
        const uint32_t modifiers = ModifiersOf(held.Shift, held.Ctrl, held.Alt);
        if (key >= 16 && key <= 18) {
            FUZZ_CHECK(read.Key == 0 && read.Modifiers == modifiers);
        } else if (!text.empty() && key != 91 && key != 92 && !(key >= 160 && key <= 165)) {
            // (the left and right modifier codes never come with a key event)
            FUZZ_CHECK(read.Key == names.KeyCode(names.KeyName(key)));
            FUZZ_CHECK((read.Modifiers & ~kHotKeyWin) == modifiers);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const TKeyNames names(LayoutName);
    const std::string text = fuzz::Bytes(data, size);

    const TShortcut shortcut = ReadShortcutText(text, names);
    if (shortcut.Key != 0) {
        const TShortcut again = ReadShortcutText(ShortcutText(shortcut, names), names);
        FUZZ_CHECK(again.Key == shortcut.Key && again.Shift == shortcut.Shift &&
                   again.Ctrl == shortcut.Ctrl && again.Alt == shortcut.Alt);
    }
    const THotKey hotKey = ReadHotKeyText(text, names);
    if (hotKey.Key != 0)
        FUZZ_CHECK(!names.KeyName(hotKey.Key).empty());
    CheckPressedKeys(names, text);
    return 0;
}
