// Key and mouse-button state on Win32, by the asynchronous key state.
#include "shared/MouseButtons.h"

#include <windows.h>

bool IsKeyDown(int vk) {
    return (GetAsyncKeyState(vk) & 0x8000) != 0;
}

bool IsKeyUp(int vk) {
    return !IsKeyDown(vk);
}

TLaunchMouseBtns GetMouseButtons() {
    static constexpr struct {
        int vk;
        TLaunchMouseBtn btn;
    } kButtons[] = {{VK_LBUTTON, lmLeft},
                    {VK_RBUTTON, lmRight},
                    {VK_MBUTTON, lmMiddle},
                    {VK_XBUTTON1, lmMos4},
                    {VK_XBUTTON2, lmMos5}};
    TLaunchMouseBtns held;
    for (const auto& b : kButtons)
        if (IsKeyDown(b.vk))
            held.Include(b.btn);
    return held;
}
