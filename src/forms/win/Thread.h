#pragma once
// A worker thread with the few things our programs need: start it, ask it to stop, wait for it,
// and learn on the GUI thread that it ended. The end is posted to the application's hidden
// window, so OnTerminate (and the report of an error that escaped the body) runs in whatever
// message loop is pumping then, never on the worker. An object destroyed before its end was
// handled never hears of it: the destructor stops and waits for the worker, and the posted end
// finds nobody.
//
// The work is a function given to the constructor, not a virtual method: the destructor that
// waits for the worker is the base's, and by then a subclass's part (and its overrides) would be
// gone while the worker still ran. So the body uses its thread (Terminated, Pause) and what it
// captured by value, never the members of a subclass.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <thread>
#include <type_traits>

namespace forms {

class TThread {
public:
    // body runs on the new thread once Start is called.
    explicit TThread(std::function<void(TThread& self)> body);
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;
    // Asks the body to stop and waits for it; an end not yet handled is dropped (an error that
    // escaped the body is still reported). A body must not free its own thread.
    virtual ~TThread();

    // Runs the body on a new thread. Call it on the GUI thread, once (Exception otherwise).
    void Start();
    // Asks the body to stop: Terminated() turns true and a Pause returns at once.
    void Terminate();
    [[nodiscard]] bool Terminated() const { return terminated_; }
    // Blocks until the body has returned (at once when it has, or was never started). The end
    // is handled later, by the message loop.
    void WaitFor();
    // The body has returned.
    [[nodiscard]] bool Finished() const { return finished_; }
    // For the body: sleeps for ms milliseconds or until Terminate; false when terminated.
    bool Pause(DWORD ms);

    // Runs on the GUI thread after the body returned (also after it failed). The handler may
    // free the thread object.
    std::function<void(TThread* sender)> OnTerminate;

private:
    friend void DispatchThreadEnd(LPARAM serial);
    void Run() noexcept;

    struct EventClose {
        void operator()(HANDLE h) const { CloseHandle(h); }
    };
    // The work; an exception leaving it is caught and handed to Application.HandleException on
    // the GUI thread.
    std::function<void(TThread&)> body_;
    std::unique_ptr<std::remove_pointer_t<HANDLE>, EventClose> wake_;
    std::thread thread_;
    HWND endTarget_ = nullptr;
    uint64_t serial_ = 0;
    std::atomic<bool> terminated_{false};
    std::atomic<bool> finished_{false};
    // Written by the worker before finished_ is set, read on the GUI thread after.
    std::exception_ptr error_;
    std::shared_ptr<int> life_ = std::make_shared<int>(0);
};

// The message the application's hidden window gets when a thread's body returned (lParam: the
// thread's serial number).
constexpr UINT kThreadEndedMessage = WM_APP + 0x100;
// For the application's window: handles the end of the thread with this serial number, if it
// still exists.
void DispatchThreadEnd(LPARAM serial);

} // namespace forms
