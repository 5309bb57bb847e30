#pragma once
// An owned shell item identifier list, freed with the shell's allocator (the COM task allocator).
#include <windows.h>

#include <shlobj.h>

#include <utility>

namespace forms {

class Pidl {
public:
    Pidl() = default;
    // Adopts p.
    explicit Pidl(PIDLIST_ABSOLUTE p) : p_(p) {}
    Pidl(Pidl&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    Pidl& operator=(Pidl&& o) noexcept {
        if (this != &o)
            Adopt(std::exchange(o.p_, nullptr));
        return *this;
    }
    Pidl(const Pidl&) = delete;
    Pidl& operator=(const Pidl&) = delete;
    ~Pidl() { Adopt(nullptr); }

    [[nodiscard]] PIDLIST_ABSOLUTE Get() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // Frees the list held now and gives the address for an out parameter.
    PIDLIST_ABSOLUTE* Put() {
        Adopt(nullptr);
        return &p_;
    }
    // Gives the list to the caller.
    [[nodiscard]] PIDLIST_ABSOLUTE Release() { return std::exchange(p_, nullptr); }
    // An independent copy; empty for an empty list or when memory runs out.
    [[nodiscard]] Pidl Clone() const;

private:
    void Adopt(PIDLIST_ABSOLUTE p);
    PIDLIST_ABSOLUTE p_ = nullptr;
};

} // namespace forms
