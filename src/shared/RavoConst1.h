#pragma once
// Shared constants and utilities of both programs: date formatting, the titled message dialog,
// mouse-button sets, the work area and pointer tests, key state and version strings.
//
// The title clock's date-time format: the class library's format picture plus bracketed tokens
// (any letter case) that write times and days in kanji numerals, give the old month names and
// switch the month and weekday names:
//   [@TT]  hour時minute分second秒 in kanji   [@T]   hour時minute分
//          (the hour on the 12-hour clock when the format holds an am/pm marker)
//   [@LU]  the old name of the month          [@DD]  the day in kanji + 日     [@D]  the day
//   [@ME]  English month names                [@MJ]  kanji month names
//   [@ML]  old month names                    [@WE]  English weekday names
//   [@WJ]  Japanese weekday names
// The time and day tokens are replaced wherever they stand; of each switch the first occurrence
// is removed, and [@ML] beats [@MJ] beats [@ME], [@WJ] beats [@WE], wherever they stand.
#include "forms/base/DateTime.h"
#include "forms/gfx/Geometry.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// 0 to 99 in kanji numerals (10 十, 25 二十五); negative numbers and three or more digits stay
// decimal.
std::string IntToKanji(int n);
// An hour 0 to 23 on the 12-hour clock in kanji numerals (0 and 12 give 十二).
std::string HourTo12(int hour);
// The format holds "AM/PM", "A/P" or "AMPM" (any letter case).
bool HasAmPm(std::string_view format);

// dt by format with the tokens above, in the user's locale.
std::string FormatDateTimeEx(std::string_view format, forms::TDateTime dt);
std::string FormatDateTimeEx(std::string_view format, forms::TDateTime dt,
                             const forms::TFormatSettings& locale);

// The buttons of the launch combination.
enum TLaunchMouseBtn : uint8_t { lmNone, lmLeft, lmRight, lmMiddle, lmMos4, lmMos5 };

// A set of TLaunchMouseBtn: bit n for ordinal n.
class TLaunchMouseBtns {
public:
    constexpr TLaunchMouseBtns() = default;
    constexpr TLaunchMouseBtns(std::initializer_list<TLaunchMouseBtn> btns) {
        for (TLaunchMouseBtn b : btns)
            Include(b);
    }
    // Bits above lmMos5 are dropped.
    static constexpr TLaunchMouseBtns FromBits(uint8_t bits) {
        TLaunchMouseBtns s;
        s.bits_ = static_cast<uint8_t>(bits & kAll);
        return s;
    }

    [[nodiscard]] constexpr uint8_t Bits() const { return bits_; }
    [[nodiscard]] constexpr bool Contains(TLaunchMouseBtn b) const { return (bits_ & Bit(b)) != 0; }
    [[nodiscard]] constexpr bool Empty() const { return bits_ == 0; }
    constexpr void Include(TLaunchMouseBtn b) { bits_ = static_cast<uint8_t>(bits_ | Bit(b)); }
    constexpr void Exclude(TLaunchMouseBtn b) { bits_ = static_cast<uint8_t>(bits_ & ~Bit(b)); }

    friend constexpr bool operator==(TLaunchMouseBtns a, TLaunchMouseBtns b) {
        return a.bits_ == b.bits_;
    }
    friend constexpr bool operator!=(TLaunchMouseBtns a, TLaunchMouseBtns b) { return !(a == b); }

private:
    static constexpr uint8_t kAll = 0x3F;
    static constexpr uint8_t Bit(TLaunchMouseBtn b) {
        return b <= lmMos5 ? static_cast<uint8_t>(1u << b) : 0;
    }
    uint8_t bits_ = 0;
};

// The mouse events of the action assignment: buttons, wheel directions, and wheel directions
// with the left, right or middle button held.
enum TMouseBtnType : uint8_t {
    mbtNone,
    mbtLeft,
    mbtRight,
    mbtMiddle,
    mbt4,
    mbt5,
    mbtWhlup,
    mbtWhldn,
    mbtLWhlup,
    mbtLWhldn,
    mbtRWhlup,
    mbtRWhldn,
    mbtMWhlup,
    mbtMWhldn
};

// Moves a w x h box at (x, y) into area: first against the right edge, then the left, then the
// top, then the bottom. So a box wider than the area ends at its left edge, and one taller than
// it at its bottom edge (its top above the area).
void ClampToArea(int& x, int& y, int w, int h, const forms::TRect& area);

// p lies inside r and on none of its edges (r excludes its Right column and Bottom row, so the
// point must be right of Left and below Top).
[[nodiscard]] bool StrictlyInside(const forms::TRect& r, forms::TPoint p);

// The key of a version resource's string table, from the value of its translation entry: the
// first language and code page as eight lower-case hex digits ("041103a4"). Empty when the value
// is shorter than one entry (4 bytes).
[[nodiscard]] std::string VersionTranslationKey(std::string_view value);

// What GetFileVersionStrings fills: the long path, its folder with a trailing backslash, and the
// product name, product version and legal copyright of the file's version resource.
using TVersionStrings = std::array<std::string, 5>;

// The text of a titled message: the title between "【 " and " 】", two line breaks (CR), then
// the message.
[[nodiscard]] std::string TitledMessageText(std::string_view title, std::string_view msg);
// Where a titled message asked for at (x, y) goes: a coordinate of 0 means the pointer's minus 16;
// others stay (both negative: centred on the screen, which the dialog does).
[[nodiscard]] forms::TPoint TitledMessagePlace(int x, int y, forms::TPoint pointer);

#ifdef _WIN32
namespace forms {
enum class TMsgDlgType;
class TMsgDlgButtons;
} // namespace forms

// Beeps by type (none for custom) and shows the class library's message dialog with
// TitledMessageText, its top-left corner at TitledMessagePlace and the whole dialog inside the
// work area; the message's '&' are shown as they are. Returns the modal result. (Use with
// forms/win/MessageDialog.h.)
int ShowTitledMessage(std::string_view msg, std::string_view title, forms::TMsgDlgButtons buttons,
                      forms::TMsgDlgType dlgType, int x, int y);

// The box into the desktop work area, as ClampToArea.
void ClampToWorkArea(int& x, int& y, int w, int h);
// y is greater than the bottom of the work area.
[[nodiscard]] bool BelowWorkArea(int y);
// The pointer lies strictly inside the window's rectangle (wnd: HWND).
[[nodiscard]] bool CursorInWindow(void* wnd);
// The window under the pointer is the desktop's icon view: the "SysListView32" child of the
// "SHELLDLL_DefView" child of the "Progman" window, or, on a desktop shown as a web page, the
// view's "Internet Explorer_Server" child. False when any window of that chain is missing.
[[nodiscard]] bool CursorOnDesktop();
// The pointer lies strictly inside the taskbar ("Shell_TrayWnd"); false without a taskbar.
[[nodiscard]] bool CursorOnTaskbar();
// The key or mouse button (virtual-key code) is held now, by its asynchronous state. (Not
// KeyDown/KeyUp: controls have members of those names.)
[[nodiscard]] bool IsKeyDown(int vk);
[[nodiscard]] bool IsKeyUp(int vk);
// The mouse buttons held now; never lmNone.
[[nodiscard]] TLaunchMouseBtns GetMouseButtons();
// info[0] and info[1] from the file's name; info[2] to info[4] from its version resource, each
// left as it was when the resource, its translation or that string is missing.
void GetFileVersionStrings(std::string_view fileName, TVersionStrings& info);
// The major Windows version on the NT platform; 0 on other platforms and below 3.
[[nodiscard]] int GetNTMajorVersion();
#endif
