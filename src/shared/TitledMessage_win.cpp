// The titled message through the class library's message dialog, with the system's sound of its
// type.
#include "shared/TitledMessage.h"

#include "forms/win/MessageDialog.h"

#include <windows.h>

namespace {
// The pointer's position; the origin when the system cannot tell.
forms::TPoint CursorOrOrigin() {
    POINT p{};
    if (!GetCursorPos(&p))
        return {};
    return {p.x, p.y};
}
} // namespace

int ShowTitledMessage(std::string_view msg, std::string_view title, forms::TMsgDlgButtons buttons,
                      forms::TMsgDlgType dlgType, int x, int y) {
    using forms::TMsgDlgType;
    static constexpr struct {
        TMsgDlgType type;
        UINT sound;
    } kBeeps[] = {{TMsgDlgType::mtWarning, MB_ICONEXCLAMATION},
                  {TMsgDlgType::mtError, MB_ICONHAND},
                  {TMsgDlgType::mtInformation, MB_ICONASTERISK},
                  {TMsgDlgType::mtConfirmation, MB_ICONQUESTION}};
    const forms::TPoint place = TitledMessagePlace(x, y, CursorOrOrigin());
    for (const auto& b : kBeeps)
        if (b.type == dlgType)
            MessageBeep(b.sound);
    // The dialog centres itself for two negative coordinates and keeps itself in the work area.
    return forms::ShowMessageDialog(TitledMessageText(title, msg), dlgType, buttons, place.X,
                                    place.Y);
}
