// A hook library that reads an open pop-up menu inside the process that shows it. A menu handle
// is good only in its own process under Wine, so the test driver hooks the menu's thread with
// this library's KbMenuReaderHook and sends the menu window the message "KbReadMenu" with its own
// reply window as wParam. The hook, now running in the menu's process, reads the entries and
// sends them back with WM_COPYDATA (which the system copies across processes): per entry its
// type, state, whether it opens a submenu and the length of its text, four 32-bit numbers, then
// the text in UTF-16.
#include <windows.h>

#include <cstdint>
#include <vector>

extern "C" __declspec(dllexport) LRESULT CALLBACK
    KbMenuReaderHook(int code, WPARAM wParam, LPARAM lParam) {
    static const UINT readMenu = RegisterWindowMessageW(L"KbReadMenu");
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call && call->message == readMenu) {
        const HWND reply = reinterpret_cast<HWND>(call->wParam);
        const HMENU menu = reinterpret_cast<HMENU>(SendMessageW(call->hwnd, MN_GETHMENU, 0, 0));
        std::vector<uint32_t> data;
        for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
            wchar_t text[256] = {};
            MENUITEMINFOW mi{};
            mi.cbSize = sizeof mi;
            mi.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
            mi.dwTypeData = text;
            mi.cch = 256;
            GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mi);
            const uint32_t length = static_cast<uint32_t>(lstrlenW(text));
            data.insert(data.end(), {mi.fType, mi.fState, mi.hSubMenu ? 1u : 0u, length});
            // The text in whole 32-bit words, padded with a zero character when odd.
            std::vector<uint32_t> words((length + 1) / 2, 0);
            CopyMemory(words.data(), text, length * sizeof(wchar_t));
            data.insert(data.end(), words.begin(), words.end());
        }
        COPYDATASTRUCT cds{};
        cds.dwData = 0x4B424D4E; // "KBMN"
        cds.cbData = static_cast<DWORD>(data.size() * sizeof(uint32_t));
        cds.lpData = data.data();
        SendMessageW(reply, WM_COPYDATA, reinterpret_cast<WPARAM>(call->hwnd),
                     reinterpret_cast<LPARAM>(&cds));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
