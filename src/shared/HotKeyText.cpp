#include "shared/HotKeyText.h"

#include "forms/base/StrUtils.h"

#include <string>
#include <utility>

namespace {
constexpr std::string_view kShiftPrefix = "Shift+", kCtrlPrefix = "Ctrl+", kAltPrefix = "Alt+";
constexpr std::string_view kWinPrefix = "Win+";

// Shift, Ctrl, Alt, the Windows keys and their left and right forms: held with a key, never the
// key itself.
bool IsModifierKey(uint8_t code) {
    return (code >= 16 && code <= 18) || code == 91 || code == 92 || (code >= 160 && code <= 165);
}

bool Contains(std::string_view text, std::string_view word) {
    return forms::Pos(word, text) != forms::npos;
}
} // namespace

std::string ShortcutText(const TShortcut& shortcut, const TKeyNames& names) {
    const std::string& name = names.KeyName(shortcut.Key);
    if (name.empty())
        return {};
    std::string text;
    if (shortcut.Shift)
        text += kShiftPrefix;
    if (shortcut.Ctrl)
        text += kCtrlPrefix;
    if (shortcut.Alt)
        text += kAltPrefix;
    return text + name;
}

std::string ShiftStateText(bool shift, bool ctrl, bool alt, bool withWin) {
    std::string text;
    for (auto [held, word] : {std::pair{shift, "Shift"}, std::pair{ctrl, "Ctrl"},
                              std::pair{alt, "Alt"}, std::pair{withWin, "Win"}}) {
        if (!held)
            continue;
        if (!text.empty())
            text += '+';
        text += word;
    }
    return text;
}

TShortcut ReadShortcutText(std::string_view text, const TKeyNames& names) {
    TShortcut shortcut;
    for (bool more = true; more;) {
        more = false;
        for (auto [prefix, flag] :
             {std::pair{kShiftPrefix, &shortcut.Shift}, std::pair{kCtrlPrefix, &shortcut.Ctrl},
              std::pair{kAltPrefix, &shortcut.Alt}}) {
            if (forms::StartsText(prefix, text)) {
                text.remove_prefix(prefix.size());
                *flag = true;
                more = true;
            }
        }
    }
    const uint8_t key = names.KeyCode(text);
    if (key == 0 || IsModifierKey(key))
        return {};
    shortcut.Key = key;
    return shortcut;
}

THotKey ReadHotKeyText(std::string_view text, const TKeyNames& names) {
    THotKey hotKey;
    if (Contains(text, "Shift"))
        hotKey.Modifiers |= kHotKeyShift;
    if (Contains(text, "Ctrl"))
        hotKey.Modifiers |= kHotKeyCtrl;
    if (Contains(text, "Alt"))
        hotKey.Modifiers |= kHotKeyAlt;
    std::string rest(text);
    if (Contains(text, "Win")) {
        const size_t at = forms::Pos(kWinPrefix, rest);
        if (at != forms::npos)
            rest.erase(at, kWinPrefix.size());
        hotKey.Modifiers |= kHotKeyWin;
    }
    hotKey.Key = ReadShortcutText(rest, names).Key;
    return hotKey;
}
