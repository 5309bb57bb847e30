#pragma once
// Errors of code that the system calls back (an enumeration's callback) must not unwind through
// the system. The callback runs its body through Run: the first error is kept and the
// enumeration told to stop; the caller rethrows it once the system call has returned.
#include <exception>
#include <utility>

namespace forms {

class CallbackGuard {
public:
    // body's result, or stop when body throws or an earlier call threw.
    template <typename R, typename F> R Run(R stop, F&& body) noexcept {
        if (error_)
            return stop;
        try {
            return std::forward<F>(body)();
        } catch (...) {
            error_ = std::current_exception();
            return stop;
        }
    }
    [[nodiscard]] bool Failed() const noexcept { return error_ != nullptr; }
    // Raises the kept error, once.
    void Rethrow() {
        if (error_)
            std::rethrow_exception(std::exchange(error_, nullptr));
    }

private:
    std::exception_ptr error_;
};

} // namespace forms
