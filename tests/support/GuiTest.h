#pragma once
// Helpers for tests that drive real windows under Wine: finding windows, real input (SendInput)
// or posted messages, pumping the application's loop until something happened, reading painted
// pixels from the screen, and saving a window's picture for a person to look at.
#ifdef _WIN32
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace kbtest {

// A top-level window of this process with the class name (and the text, when given).
HWND FindTopWindow(const std::wstring& className, const std::string& text = "");
// A descendant of parent with the class name (and text), depth first.
HWND FindChildWindow(HWND parent, const std::wstring& className, const std::string& text = "");
std::string WindowText(HWND window);
std::wstring ClassNameOf(HWND window);
RECT ScreenRectOf(HWND window);       // the whole window on the screen
RECT ClientRectOnScreen(HWND window); // its client area on the screen

// Runs the application's message loop until done() holds or the time is up; returns done().
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000);
// Runs the loop for a while (lets paints and posted messages through).
void Pump(int ms = 50);
// Runs the loop until every message posted to this thread so far has been handled, and what
// handling them posted in turn (the character of a posted key): for checks that something did
// not happen. Paints may still be pending.
void PumpPosted();
// Runs the loop until a timer of ms, started now, has ticked. The system's timers tick in the
// order they are due, so every timer of this thread due by then has ticked too.
void PumpPastTimers(int ms);
// Waits on a helper thread, which has no loop of ours to run, until done() holds or the time is
// up; returns done().
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000);
// The window is visible and neither it nor a visible descendant waits for a paint.
bool Painted(HWND window);
// Puts the window in front of everything and makes it the foreground window.
void BringToFront(HWND window);

// Real input through SendInput, at client coordinates of window. Every move first lets the
// desktop process catch up with the X server, so no older pointer event lands after it.
void MoveMouseTo(HWND window, int x, int y);
void MovePointerTo(int x, int y); // at a screen point
void ClickAt(HWND window, int x, int y, bool right = false);
void DoubleClickAt(HWND window, int x, int y);
// Turns the wheel over client point (x, y) of window by delta (120 a notch; positive away from
// the user), after moving the pointer there.
void WheelAt(HWND window, int x, int y, int delta);
void PressKey(WORD vk, bool shift = false, bool ctrl = false, bool alt = false);
void TypeChar(wchar_t ch);
// Runs the loop until the real input sent so far has been consumed: none is left in this
// thread's queue, and what handling it posted (a key's characters, a control's notifications) has
// been handled too. Input for a window of this thread; paints may still be pending.
void SettleInput();
// A key pressed and released by real input, with the modifiers held, then SettleInput.
void Press(WORD vk, bool shift = false, bool ctrl = false, bool alt = false);
// Text typed by real input, then SettleInput.
void Type(const std::wstring& text);
// A key pressed by real input for a window of another thread or process: returns once that
// thread has answered a message sent after the key (or the time is up).
void PressFor(HWND window, WORD vk, int timeoutMs = 15000);
// Posted messages (no focus needed): a click or a key to the window itself.
void PostClick(HWND window, int x, int y, bool right = false);
void PostKey(HWND window, WORD vk);
// A WM_MOUSEWHEEL of delta at client point (x, y) of window, with the MK_ keys held.
void PostWheel(HWND window, int x, int y, int delta, WORD keys = 0);

// A pixel of the screen at client coordinates of window (what the user sees there).
COLORREF ReadPixel(HWND window, int x, int y);
// The window's picture from the screen, as a .bmp in the folder "screens" below the current
// folder; returns the file's path.
std::string SaveWindowPicture(HWND window, const std::string& name);

// Drives a window that blocks the test's thread (a pop-up menu, a box, a modal dialog) from a
// helper thread: waits for a visible top-level window of this process with the class name, one
// that was not open when the driver started, and hands it to act. Whatever happens, the window
// goes: one still open a while after act, or one that nobody acted on in time (it never came,
// came late, or act failed), is closed (a menu cancelled, a dialog given Cancel), so that a test
// fails instead of hanging. The watch ends with the scope, after the blocking call returned.
class WindowDriver {
public:
    WindowDriver(std::wstring className, std::function<void(HWND)> act, int timeoutMs = 10000);
    ~WindowDriver();
    WindowDriver(const WindowDriver&) = delete;
    WindowDriver& operator=(const WindowDriver&) = delete;

    // act has run (on the helper thread) and returned.
    [[nodiscard]] bool Acted() const { return acted_; }

private:
    void Watch(const std::wstring& className, const std::function<void(HWND)>& act, int timeoutMs);

    std::atomic<bool> stop_{false}, acted_{false};
    // Taken before the helper thread starts, which may be after the window opened.
    std::vector<HWND> before_;
    std::thread thread_;
};

// One entry of an open pop-up menu as the system has it.
struct MenuItemView {
    std::wstring text;
    UINT type = 0, state = 0;
    bool submenu = false;
};
// Reads the open pop-up menu (a "#32768" window, say from a WindowDriver) by MN_GETHMENU, then
// chooses the entry at 'choose' (0-based among the entries that can be chosen, by pressing Down
// that many times and Enter), or closes the menu (-1). The menu may belong to another process.
std::vector<MenuItemView> DriveMenu(HWND menuWindow, int choose);
// Only reads it.
std::vector<MenuItemView> ReadMenu(HWND menuWindow);
// The place of the entry with this text (code page 932) among the entries the arrow keys stop
// on, every one but separators (a disabled entry takes a step too), for DriveMenu; -1 when there
// is none.
int MenuEntryIndex(const std::vector<MenuItemView>& items, const std::string& text);

// What a person sees of a message dialog, ours (class TMessageForm) or the system's box
// ("#32770"), also one of another process: caption, text, the visible buttons left to right (with
// their control ids, 0 for ours), and where it stands. found is false for a view that was never
// read.
struct MessageDialogView {
    bool found = false;
    bool system = false; // the system's box
    std::string caption, text;
    std::vector<std::string> buttons;
    std::vector<int> buttonIds;
    RECT rect{};
    // The system box's icon (nullptr: none, or our dialog); a handle of the box's own process.
    HICON icon = nullptr;
};
MessageDialogView ReadMessageDialog(HWND dialog);
// Answers a message dialog (ours or the system's, of any process) as a click on the visible
// button with that text would: the text as shown, or without its '&'. False when there is no such
// button.
bool AnswerDialog(HWND dialog, const std::string& buttonText);
// The same for the system box's button with that control id (IDYES, IDNO ...).
bool AnswerDialog(HWND dialog, int buttonId);

// GDI objects and user objects of this process (for leak checks).
DWORD GdiObjects();
DWORD UserObjects();
// The system counts them: Wine reads 0 for every process, so that a leak check has nothing to
// compare there and is skipped (it runs on Windows).
bool ObjectsCounted();

} // namespace kbtest
#endif
