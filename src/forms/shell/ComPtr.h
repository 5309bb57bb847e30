#pragma once
// An owned COM interface pointer: released on destruction, reference-counted on copy.
#include "forms/base/Exceptions.h"

#include <windows.h>

#include <objbase.h>
#include <unknwn.h>

#include <utility>

namespace forms {

template <class T> class ComPtr {
public:
    ComPtr() = default;
    // Adopts p: its reference now belongs to this object.
    explicit ComPtr(T* p) : p_(p) {}
    ComPtr(const ComPtr& o) : p_(o.p_) {
        if (p_)
            p_->AddRef();
    }
    ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    ComPtr& operator=(ComPtr o) noexcept {
        std::swap(p_, o.p_);
        return *this;
    }
    ~ComPtr() { Reset(); }

    [[nodiscard]] T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

    // Releases the interface held now and gives the address for an out parameter.
    T** Put() {
        Reset();
        return &p_;
    }
    void Reset() {
        if (T* p = std::exchange(p_, nullptr))
            p->Release();
    }
    // Gives the reference to the caller.
    [[nodiscard]] T* Detach() { return std::exchange(p_, nullptr); }

    // Another interface of the same object; empty when the object does not have it.
    template <class U> [[nodiscard]] ComPtr<U> As() const {
        ComPtr<U> other;
        if (p_)
            p_->QueryInterface(__uuidof(U), reinterpret_cast<void**>(other.Put()));
        return other;
    }

    // A new in-process object of the class; raises EComError when it cannot be made.
    static ComPtr Create(REFCLSID clsid) {
        ComPtr created;
        OleCheck(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, __uuidof(T),
                                  reinterpret_cast<void**>(created.Put())));
        return created;
    }

private:
    T* p_ = nullptr;
};

} // namespace forms
