#pragma once
// COM for the calling thread, for the lifetime of the object: a single-threaded apartment is
// entered on construction and left on destruction when it was entered here. A thread that already
// lives in a multi-threaded apartment keeps it (COM is usable there too) and is left alone.
#include <windows.h>

namespace forms {

class ComInit {
public:
    ComInit();
    ~ComInit();
    ComInit(const ComInit&) = delete;
    ComInit& operator=(const ComInit&) = delete;

    // The result of CoInitializeEx: S_OK, S_FALSE (already initialised) or RPC_E_CHANGED_MODE.
    [[nodiscard]] HRESULT Result() const { return result_; }
    // COM can be used on this thread while the object lives.
    [[nodiscard]] bool Usable() const {
        return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE;
    }

private:
    HRESULT result_;
};

// Enters COM for the calling thread on the first call and leaves it when the thread ends, for code
// that needs COM on every call: entering and leaving it around each call costs milliseconds.
void UseComOnThisThread();

} // namespace forms
