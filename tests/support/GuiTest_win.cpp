#include "support/GuiTest.h"

#include "forms/base/Codepage.h"
#include "forms/gfx/Bitmap.h"
#include "forms/gfx/DeviceContext.h"
#include "forms/win/Application.h"

#include <array>
#include <atomic>
#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>
#include <vector>

namespace kbtest {

namespace {
struct Search {
    std::wstring className;
    std::string text;
    HWND found = nullptr;
};

bool Matches(HWND h, const Search& s) {
    return ClassNameOf(h) == s.className && (s.text.empty() || WindowText(h) == s.text);
}
} // namespace

std::wstring ClassNameOf(HWND window) {
    wchar_t buf[256] = {};
    GetClassNameW(window, buf, 256);
    return buf;
}

std::string WindowText(HWND window) {
    const int n = GetWindowTextLengthW(window);
    std::wstring w(static_cast<size_t>(n) + 1, L'\0');
    GetWindowTextW(window, w.data(), n + 1);
    w.resize(static_cast<size_t>(n));
    return cp932::Narrow(w);
}

HWND FindTopWindow(const std::wstring& className, const std::string& text) {
    Search s{className, text};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            if (Matches(h, *s)) {
                s->found = h;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&s));
    if (s.found)
        return s.found;
    // Windows of other threads of this process (boxes shown by helper threads).
    EnumWindows(
        [](HWND h, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            DWORD pid = 0;
            GetWindowThreadProcessId(h, &pid);
            if (pid == GetCurrentProcessId() && Matches(h, *s)) {
                s->found = h;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&s));
    return s.found;
}

HWND FindChildWindow(HWND parent, const std::wstring& className, const std::string& text) {
    Search s{className, text};
    EnumChildWindows(
        parent,
        [](HWND h, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            if (Matches(h, *s)) {
                s->found = h;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&s));
    return s.found;
}

namespace {
// The visible top-level windows of this process with the class name.
std::vector<HWND> OpenWindows(const std::wstring& className) {
    struct Found {
        const std::wstring* className;
        std::vector<HWND> windows;
    } found{&className, {}};
    EnumWindows(
        [](HWND h, LPARAM lp) -> BOOL {
            auto* f = reinterpret_cast<Found*>(lp);
            DWORD pid = 0;
            GetWindowThreadProcessId(h, &pid);
            if (pid == GetCurrentProcessId() && IsWindowVisible(h) &&
                ClassNameOf(h) == *f->className)
                f->windows.push_back(h);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found.windows;
}

// Ends a blocking window from another thread: a menu's loop ends on WM_CANCELMODE; a box takes
// Cancel as its answer whatever its buttons; our own forms take WM_CLOSE as Cancel.
void CloseBlockingWindow(HWND window, const std::wstring& className) {
    if (className == L"#32768") {
        PostMessageW(window, WM_CANCELMODE, 0, 0);
        return;
    }
    PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    PostMessageW(window, WM_CLOSE, 0, 0);
}
} // namespace

WindowDriver::WindowDriver(std::wstring className, std::function<void(HWND)> act, int timeoutMs)
    : before_(OpenWindows(className)),
      thread_([this, className = std::move(className), act = std::move(act), timeoutMs] {
          Watch(className, act, timeoutMs);
      }) {}

WindowDriver::~WindowDriver() {
    stop_ = true;
    thread_.join();
}

void WindowDriver::Watch(const std::wstring& className, const std::function<void(HWND)>& act,
                         int timeoutMs) {
    using Clock = std::chrono::steady_clock;
    auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    bool handled = false;
    while (!stop_) {
        for (HWND w : OpenWindows(className)) {
            if (!handled && std::find(before_.begin(), before_.end(), w) == before_.end()) {
                handled = true;
                act(w);
                acted_ = true;
                deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
            } else if (Clock::now() > deadline) {
                CloseBlockingWindow(w, className);
            }
        }
        if (!handled && Clock::now() > deadline)
            handled = true; // too late: whatever opens now is closed
        Sleep(20);
    }
}

RECT ScreenRectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

RECT ClientRectOnScreen(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        forms::Application.ProcessMessages();
        if (!done())
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

void Pump(int ms) {
    PumpUntil([] { return false; }, ms);
}

namespace {
// A message-only window of this thread that counts the markers and timers sent to it.
constexpr UINT_PTR kMarkerTimer = 1;
UINT MarkerMessage() {
    static const UINT message = RegisterWindowMessageW(L"KbTestMarker");
    return message;
}
WPARAM markersSeen = 0;
bool markerTimerTicked = false;

LRESULT CALLBACK MarkerProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == MarkerMessage()) {
        markersSeen = std::max(markersSeen, wParam);
        return 0;
    }
    if (msg == WM_TIMER && wParam == kMarkerTimer) {
        KillTimer(window, kMarkerTimer);
        markerTimerTicked = true;
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

HWND MarkerWindow() {
    static const HWND window = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = MarkerProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"KbTestMarker";
        RegisterClassW(&wc);
        return CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               wc.hInstance, nullptr);
    }();
    return window;
}
} // namespace

void PumpPosted() {
    static WPARAM lastMarker = 0;
    // The first marker comes after everything posted before it; the second after what handling
    // those posted.
    for (int round = 0; round < 2; ++round) {
        const WPARAM marker = ++lastMarker;
        PostMessageW(MarkerWindow(), MarkerMessage(), marker, 0);
        PumpUntil([marker] { return markersSeen >= marker; });
    }
}

void PumpPastTimers(int ms) {
    markerTimerTicked = false;
    SetTimer(MarkerWindow(), kMarkerTimer, static_cast<UINT>(ms), nullptr);
    PumpUntil([] { return markerTimerTicked; }, ms + 5000);
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        Sleep(10);
    }
    return true;
}

bool Painted(HWND window) {
    if (!IsWindowVisible(window) || GetUpdateRect(window, nullptr, FALSE))
        return false;
    bool waiting = false;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM lp) -> BOOL {
            if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
                *reinterpret_cast<bool*>(lp) = true;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&waiting));
    return !waiting;
}

void BringToFront(HWND window) {
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(window);
    SetActiveWindow(window);
    UpdateWindow(window);
    Pump(30);
}

namespace {
POINT ToScreen(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    return p;
}

void SendMouse(DWORD flags, DWORD data = 0) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    in.mi.mouseData = data;
    SendInput(1, &in, sizeof in);
}

void SendKey(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
}
} // namespace

namespace {
// Under Wine's virtual desktop every warp of the X pointer (SetCursorPos, SendInput) grabs the
// pointer for a moment, and the X server tells the desktop process that the pointer entered the
// desktop where it was before. That process turns this into a pointer move to the old place, on
// its own time: handled after our move, it takes the system's cursor back there while the X
// pointer stays where we put it, and the next WM_MOUSEMOVE, hint or click goes astray. Windows
// that vanish under the pointer cause the same. So a move runs in steps that the desktop process
// must acknowledge: it reports every move of its own to a low-level hook, in the order of the X
// server's events. The taskbar is its window, so a visit there is reported for certain.
class DesktopEcho {
public:
    DesktopEcho() {
        instance_ = this;
        HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        thread_ = std::thread([this, ready] {
            MSG m;
            PeekMessageW(&m, nullptr, 0, 0, PM_NOREMOVE); // a queue before anyone posts to it
            threadId_ = GetCurrentThreadId();
            HHOOK hook = SetWindowsHookExW(WH_MOUSE_LL, Hook, GetModuleHandleW(nullptr), 0);
            hooked_ = hook != nullptr;
            SetEvent(ready);
            if (!hook)
                return;
            while (GetMessageW(&m, nullptr, 0, 0) > 0) {
                // Posted by the hook, so taken only after its answer has gone to the server.
                if (m.message == WM_APP && count_ < echoes_.size()) {
                    echoes_[count_] =
                        POINT{static_cast<LONG>(m.wParam), static_cast<LONG>(m.lParam)};
                    ++count_;
                }
            }
            UnhookWindowsHookEx(hook);
        });
        WaitForSingleObject(ready, INFINITE);
        CloseHandle(ready);
    }
    ~DesktopEcho() {
        PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        thread_.join();
        instance_ = nullptr;
    }
    DesktopEcho(const DesktopEcho&) = delete;
    DesktopEcho& operator=(const DesktopEcho&) = delete;

    // Waits for the next move of the desktop process to p; false when none came in time.
    bool WaitFor(POINT p) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (hooked_ && std::chrono::steady_clock::now() < end) {
            while (seen_ < count_) {
                const POINT e = echoes_[seen_++];
                if (e.x == p.x && e.y == p.y)
                    return true;
            }
            Sleep(2);
        }
        return false;
    }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        if (code == HC_ACTION && wParam == WM_MOUSEMOVE && !(info->flags & LLMHF_INJECTED) &&
            instance_)
            PostThreadMessageW(instance_->threadId_, WM_APP, static_cast<WPARAM>(info->pt.x),
                               info->pt.y);
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline DesktopEcho* instance_ = nullptr;
    std::thread thread_;
    std::atomic<DWORD> threadId_{0};
    std::atomic<bool> hooked_{false};
    // Written by the hook thread only; count_ publishes them.
    std::array<POINT, 256> echoes_{};
    std::atomic<size_t> count_{0};
    size_t seen_ = 0;
};

// A point on the taskbar with nothing of ours over it, or none.
std::optional<POINT> TaskbarSpot(POINT avoid) {
    HWND bar = FindWindowW(L"Shell_TrayWnd", nullptr);
    if (!bar || !IsWindowVisible(bar))
        return std::nullopt;
    const RECT r = ScreenRectOf(bar);
    for (LONG dx : {10, 18}) {
        const POINT p{r.right - dx, r.top + (r.bottom - r.top) / 2};
        if (p.x == avoid.x && p.y == avoid.y)
            continue; // the pointer must really move there
        DWORD pid = 0;
        GetWindowThreadProcessId(WindowFromPoint(p), &pid);
        if (pid != 0 && pid != GetCurrentProcessId())
            return p;
    }
    return std::nullopt;
}
} // namespace

void MovePointerTo(int x, int y) {
    POINT now{};
    GetCursorPos(&now);
    const std::optional<POINT> spot = TaskbarSpot(now);
    if (!spot) {
        SetCursorPos(x, y);
        return;
    }
    {
        // The hook makes SendInput wait for it, so the steps use SetCursorPos, which moves the X
        // pointer at once.
        DesktopEcho echo;
        SetCursorPos(spot->x, spot->y);
        echo.WaitFor(*spot); // every older event of the desktop process is handled now
        SetCursorPos(x, y);
        echo.WaitFor(*spot); // its echo of leaving the taskbar, which puts the cursor back there
        SetCursorPos(x, y);  // for good: an echo of this move can only say where we are
    }
    // This thread's own X events of the steps are handled before anything else moves.
    MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, 0);
}

void MoveMouseTo(HWND window, int x, int y) {
    const POINT p = ToScreen(window, x, y);
    MovePointerTo(p.x, p.y);
}

void ClickAt(HWND window, int x, int y, bool right) {
    MoveMouseTo(window, x, y);
    SendMouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    SendMouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
}

void DoubleClickAt(HWND window, int x, int y) {
    ClickAt(window, x, y);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
}

void WheelAt(HWND window, int x, int y, int delta) {
    MoveMouseTo(window, x, y);
    SendMouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(delta));
}

void PostWheel(HWND window, int x, int y, int delta, WORD keys) {
    const POINT p = ToScreen(window, x, y);
    PostMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(keys, static_cast<WORD>(delta)),
                 MAKELPARAM(p.x, p.y));
}

void PressKey(WORD vk, bool shift, bool ctrl, bool alt) {
    if (shift)
        SendKey(VK_SHIFT, false);
    if (ctrl)
        SendKey(VK_CONTROL, false);
    if (alt)
        SendKey(VK_MENU, false);
    SendKey(vk, false);
    SendKey(vk, true);
    if (alt)
        SendKey(VK_MENU, true);
    if (ctrl)
        SendKey(VK_CONTROL, true);
    if (shift)
        SendKey(VK_SHIFT, true);
}

void TypeChar(wchar_t ch) {
    INPUT in[2] = {};
    for (int i = 0; i < 2; ++i) {
        in[i].type = INPUT_KEYBOARD;
        in[i].ki.wScan = ch;
        in[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
    }
    SendInput(2, in, sizeof in[0]);
}

void SettleInput() {
    // SendInput has queued the input by the time it returns, but a posted message is taken
    // before it: first the queue must be rid of the input, then the markers come after what
    // handling it posted.
    PumpUntil([] { return HIWORD(GetQueueStatus(QS_KEY | QS_MOUSE)) == 0; });
    PumpPosted();
}

void Press(WORD vk, bool shift, bool ctrl, bool alt) {
    PressKey(vk, shift, ctrl, alt);
    SettleInput();
}

void Type(const std::wstring& text) {
    for (wchar_t ch : text)
        TypeChar(ch);
    SettleInput();
}

void PressFor(HWND window, WORD vk, int timeoutMs) {
    PressKey(vk);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(timeoutMs), &ignored);
}

void PostClick(HWND window, int x, int y, bool right) {
    const LPARAM pos = MAKELPARAM(x, y);
    PostMessageW(window, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON,
                 pos);
    PostMessageW(window, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, pos);
}

void PostKey(HWND window, WORD vk) {
    const UINT scan = MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
    PostMessageW(window, WM_KEYDOWN, vk, 1 | (scan << 16));
    PostMessageW(window, WM_KEYUP, vk, 1 | (scan << 16) | (3u << 30));
}

COLORREF ReadPixel(HWND window, int x, int y) {
    const POINT p = ToScreen(window, x, y);
    const forms::WindowDC screen;
    return GetPixel(screen.Handle(), p.x, p.y);
}

namespace {
std::vector<MenuItemView> ReadMenuOfThisProcess(HWND menuWindow) {
    std::vector<MenuItemView> items;
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[256] = {};
        MENUITEMINFOW mi{};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
        mi.dwTypeData = text;
        mi.cch = 256;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mi);
        items.push_back({text, mi.fType, mi.fState, mi.hSubMenu != nullptr});
    }
    return items;
}

// What the reader library sends back: four numbers per entry, then its text in whole words.
std::vector<MenuItemView> ParseMenuReply(const std::vector<uint32_t>& data) {
    std::vector<MenuItemView> items;
    for (size_t i = 0; i + 4 <= data.size();) {
        MenuItemView item;
        item.type = data[i];
        item.state = data[i + 1];
        item.submenu = data[i + 2] != 0;
        const size_t length = data[i + 3];
        const size_t words = (length + 1) / 2;
        i += 4;
        if (i + words > data.size())
            break;
        item.text.assign(reinterpret_cast<const wchar_t*>(&data[i]), length);
        i += words;
        items.push_back(std::move(item));
    }
    return items;
}

constexpr ULONG_PTR kMenuReplyTag = 0x4B424D4E; // "KBMN"

LRESULT CALLBACK MenuReplyProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COPYDATA) {
        const auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        auto* out =
            reinterpret_cast<std::vector<uint32_t>*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (out && cds->dwData == kMenuReplyTag) {
            const auto* words = static_cast<const uint32_t*>(cds->lpData);
            out->assign(words, words + cds->cbData / sizeof(uint32_t));
            return TRUE;
        }
        return FALSE;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

// A menu of another process, read by our hook library inside it (kb_menu_reader.dll beside the
// test program); empty when the library or the hook cannot be had.
std::vector<MenuItemView> ReadMenuOfOtherProcess(HWND menuWindow) {
    static const HMODULE library = [] {
        wchar_t self[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring path = self;
        path.erase(path.find_last_of(L'\\') + 1);
        return LoadLibraryW((path + L"kb_menu_reader.dll").c_str());
    }();
    // Through void*: the system hands out every export as the same function type.
    const auto hook = library ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(
                                    GetProcAddress(library, "KbMenuReaderHook")))
                              : nullptr;
    if (!hook)
        return {};
    static const UINT readMenu = RegisterWindowMessageW(L"KbReadMenu");
    WNDCLASSW wc{};
    wc.lpfnWndProc = MenuReplyProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"KbMenuReply";
    RegisterClassW(&wc);
    const HWND reply = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                       nullptr, wc.hInstance, nullptr);
    std::vector<uint32_t> data;
    SetWindowLongPtrW(reply, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&data));
    const HHOOK h = SetWindowsHookExW(WH_CALLWNDPROC, hook, library,
                                      GetWindowThreadProcessId(menuWindow, nullptr));
    if (h) {
        DWORD_PTR result = 0;
        // The reply comes while we wait: a thread waiting on a sent message takes those sent to it.
        SendMessageTimeoutW(menuWindow, readMenu, reinterpret_cast<WPARAM>(reply), 0, SMTO_NORMAL,
                            5000, &result);
        UnhookWindowsHookEx(h);
    }
    DestroyWindow(reply);
    return ParseMenuReply(data);
}
} // namespace

std::vector<MenuItemView> ReadMenu(HWND menuWindow) {
    DWORD pid = 0;
    GetWindowThreadProcessId(menuWindow, &pid);
    return pid == GetCurrentProcessId() ? ReadMenuOfThisProcess(menuWindow)
                                        : ReadMenuOfOtherProcess(menuWindow);
}

int MenuEntryIndex(const std::vector<MenuItemView>& items, const std::string& text) {
    const std::wstring wanted = cp932::Wide(text);
    int index = 0;
    for (const MenuItemView& item : items) {
        if (item.type & MFT_SEPARATOR)
            continue;
        if (item.text == wanted)
            return index;
        ++index;
    }
    return -1;
}

std::vector<MenuItemView> DriveMenu(HWND menuWindow, int choose) {
    std::vector<MenuItemView> items = ReadMenu(menuWindow);
    if (choose < 0) {
        PostMessageW(menuWindow, WM_KEYDOWN, VK_ESCAPE, 0);
        return items;
    }
    for (int i = 0; i <= choose; ++i)
        PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menuWindow, WM_KEYDOWN, VK_RETURN, 0);
    return items;
}

namespace {
// The system box keeps its text in the static control of this id.
constexpr int kBoxTextId = 0xFFFF;

bool IsSystemBox(HWND dialog) {
    return ClassNameOf(dialog) == L"#32770";
}

// The visible buttons of a message dialog, left to right.
std::vector<HWND> DialogButtons(HWND dialog) {
    const std::wstring buttonClass = IsSystemBox(dialog) ? L"Button" : L"TButton";
    std::vector<std::pair<LONG, HWND>> found;
    for (HWND b = GetWindow(dialog, GW_CHILD); b; b = GetWindow(b, GW_HWNDNEXT))
        if (ClassNameOf(b) == buttonClass && IsWindowVisible(b))
            found.emplace_back(ScreenRectOf(b).left, b);
    std::sort(found.begin(), found.end());
    std::vector<HWND> buttons;
    for (const auto& f : found)
        buttons.push_back(f.second);
    return buttons;
}

std::string WithoutAmpersand(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
    return text;
}

// Posted as the button's own notification would come, so that a dialog of another thread or
// process takes it in its own loop.
bool PressButton(HWND dialog, HWND button) {
    return PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                        reinterpret_cast<LPARAM>(button));
}
} // namespace

MessageDialogView ReadMessageDialog(HWND dialog) {
    MessageDialogView v;
    v.found = true;
    v.system = IsSystemBox(dialog);
    v.caption = WindowText(dialog);
    v.rect = ScreenRectOf(dialog);
    if (v.system) {
        if (HWND label = GetDlgItem(dialog, kBoxTextId))
            v.text = WindowText(label);
        for (HWND c = GetWindow(dialog, GW_CHILD); c && !v.icon; c = GetWindow(c, GW_HWNDNEXT))
            if ((GetWindowLongW(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                v.icon = reinterpret_cast<HICON>(SendMessageW(c, STM_GETICON, 0, 0));
    } else if (HWND label = FindChildWindow(dialog, L"TLabel")) {
        v.text = WindowText(label);
    }
    for (HWND b : DialogButtons(dialog)) {
        v.buttons.push_back(WindowText(b));
        v.buttonIds.push_back(v.system ? GetDlgCtrlID(b) : 0);
    }
    return v;
}

bool AnswerDialog(HWND dialog, const std::string& buttonText) {
    for (HWND b : DialogButtons(dialog)) {
        const std::string text = WindowText(b);
        if (text == buttonText || WithoutAmpersand(text) == buttonText)
            return PressButton(dialog, b);
    }
    return false;
}

bool AnswerDialog(HWND dialog, int buttonId) {
    HWND b = GetDlgItem(dialog, buttonId);
    return b && IsWindowVisible(b) && PressButton(dialog, b);
}

std::string SaveWindowPicture(HWND window, const std::string& name) {
    const RECT r = ScreenRectOf(window);
    forms::TBitmap picture;
    picture.SetPixelFormat(forms::TPixelFormat::pf24bit);
    picture.SetSize(r.right - r.left, r.bottom - r.top);
    {
        const forms::WindowDC screen;
        BitBlt(picture.Canvas().Handle(), 0, 0, r.right - r.left, r.bottom - r.top, screen.Handle(),
               r.left, r.top, SRCCOPY);
    }
    CreateDirectoryW(L"screens", nullptr);
    const std::string path = "screens\\" + name + ".bmp";
    picture.SaveToFile(path);
    return path;
}

DWORD GdiObjects() {
    return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
}

DWORD UserObjects() {
    return GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
}

bool ObjectsCounted() {
    return GdiObjects() != 0 || UserObjects() != 0;
}

} // namespace kbtest
