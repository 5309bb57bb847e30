#include "forms/win/CommonControls.h"

#include <windows.h>

#include <commctrl.h>

namespace forms {

bool EnsureCommonControls() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_UPDOWN_CLASS | ICC_TAB_CLASSES |
                                                 ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
        if (InitCommonControlsEx(&icc))
            return true;
        // A library older than version 6 knows no ICC_STANDARD_CLASSES and may refuse the whole
        // call for it; the standard classes are the system's own there anyway.
        icc.dwICC &= ~static_cast<DWORD>(ICC_STANDARD_CLASSES);
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    return registered;
}

} // namespace forms
