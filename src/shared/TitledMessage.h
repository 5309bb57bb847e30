#pragma once
// The titled message: a message dialog whose text starts with a bracketed title, shown near the
// pointer or where asked and always inside the work area.
#include "forms/gfx/Geometry.h"

#include <string>
#include <string_view>

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
#endif
