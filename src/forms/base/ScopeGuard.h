#pragma once
// Closing a bracket on every path out of a scope: a callable that runs when the guard goes,
// unless it was dismissed or has run already.
#include <type_traits>
#include <utility>

namespace forms {

template <typename F> class ScopeGuard {
public:
    explicit ScopeGuard(F action) noexcept(std::is_nothrow_move_constructible_v<F>)
        : action_(std::move(action)) {}
    ScopeGuard(ScopeGuard&& other) noexcept(std::is_nothrow_move_constructible_v<F>)
        : action_(std::move(other.action_)), armed_(other.armed_) {
        other.armed_ = false;
    }
    ScopeGuard(const ScopeGuard&) = delete;
    ScopeGuard& operator=(const ScopeGuard&) = delete;
    ScopeGuard& operator=(ScopeGuard&&) = delete;
    // The action must not throw: it also runs while an exception unwinds.
    ~ScopeGuard() {
        if (armed_)
            action_();
    }

    // The scope ended well and needs no closing.
    void Dismiss() noexcept { armed_ = false; }
    // Closes now instead of at the end of the scope (once); errors reach the caller.
    void Run() {
        if (!armed_)
            return;
        armed_ = false;
        action_();
    }
    [[nodiscard]] bool Armed() const noexcept { return armed_; }

private:
    F action_;
    bool armed_ = true;
};

// auto guard = OnScopeExit([&] { ... });
template <typename F> [[nodiscard]] ScopeGuard<std::decay_t<F>> OnScopeExit(F&& action) {
    return ScopeGuard<std::decay_t<F>>(std::forward<F>(action));
}

} // namespace forms
