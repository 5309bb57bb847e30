#include "forms/win/Thread.h"

#include "forms/base/Exceptions.h"
#include "forms/win/Application.h"

#include <map>
#include <utility>

namespace forms {

namespace {
// The started threads whose end has not been handled, by serial number. Only the GUI thread
// touches it: Start, the destructor and the dispatch of an end. Never destroyed: threads held by
// the application's forms go during the program's exit, after any ordinary static object.
std::map<uint64_t, TThread*>& Running() {
    static auto* const threads = new std::map<uint64_t, TThread*>;
    return *threads;
}
uint64_t nextSerial = 1;
} // namespace

TThread::TThread(std::function<void(TThread& self)> body)
    : body_(std::move(body)), wake_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    if (!wake_)
        throw Exception("スレッドを作成できません: " + SysErrorMessage(LastSystemError()));
}

TThread::~TThread() {
    Terminate();
    if (thread_.joinable())
        thread_.join();
    Running().erase(serial_);
    if (error_ && finished_)
        Application.HandleException(std::exchange(error_, nullptr));
}

void TThread::Start() {
    if (serial_ != 0)
        throw Exception("スレッドはすでに開始しています");
    // The window is made here, on the GUI thread, which its messages then go to.
    endTarget_ = Application.UtilityWindow();
    serial_ = nextSerial++;
    Running()[serial_] = this;
    try {
        thread_ = std::thread([this] { Run(); });
    } catch (...) {
        Running().erase(serial_);
        throw;
    }
}

void TThread::Run() noexcept {
    try {
        if (body_)
            body_(*this);
    } catch (...) {
        error_ = std::current_exception();
    }
    const HWND target = endTarget_;
    const uint64_t serial = serial_;
    finished_ = true;
    // Nothing of the object after this point: its end may be handled, and the object freed, at
    // once.
    PostMessageW(target, kThreadEndedMessage, 0, static_cast<LPARAM>(serial));
}

void TThread::Terminate() {
    terminated_ = true;
    SetEvent(wake_.get());
}

void TThread::WaitFor() {
    if (!thread_.joinable())
        return;
    if (thread_.get_id() == std::this_thread::get_id())
        throw Exception("スレッドは自分自身の終了を待てません");
    thread_.join();
}

bool TThread::Pause(DWORD ms) {
    if (terminated_)
        return false;
    WaitForSingleObject(wake_.get(), ms);
    return !terminated_;
}

void DispatchThreadEnd(LPARAM serial) {
    const auto it = Running().find(static_cast<uint64_t>(serial));
    if (it == Running().end())
        return; // freed before its end came
    TThread* thread = it->second;
    Running().erase(it);
    if (thread->thread_.joinable())
        thread->thread_.join(); // the body has returned; the worker is leaving
    const std::weak_ptr<void> life = thread->life_;
    if (std::exception_ptr error = std::exchange(thread->error_, nullptr)) {
        Application.HandleException(error);
        if (life.expired())
            return; // freed while the error was shown
    }
    // A copy: the handler may free the thread.
    const std::function<void(TThread*)> handler = thread->OnTerminate;
    if (handler)
        handler(thread);
}

} // namespace forms
