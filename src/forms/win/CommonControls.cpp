#include "forms/win/CommonControls.h"

#include <windows.h>

#include <commctrl.h>

namespace forms {

void EnsureCommonControls() {
    // A failure shows when the class is superclassed: registering it then says why.
    static const bool done = [] {
        INITCOMMONCONTROLSEX icc{};
        icc.dwSize = sizeof icc;
        icc.dwICC = ICC_UPDOWN_CLASS | ICC_TAB_CLASSES | ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)done;
}

} // namespace forms
