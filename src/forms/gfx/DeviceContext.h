#pragma once
// Brackets of GDI device contexts and objects, closed on every path: a memory context
// (CreateCompatibleDC .. DeleteDC), a window's context (GetDC .. ReleaseDC), an object selected
// into a context and put back, a saved context state, and an owning handle of a GDI object.
#include <windows.h>

#include <utility>

namespace forms {

// A memory context compatible with dc (the screen when nullptr), deleted with the object.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith = nullptr) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC() {
        if (dc_)
            DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    [[nodiscard]] HDC Handle() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HDC dc_;
};

// The context of a window (the screen when nullptr), given back with the object.
class WindowDC {
public:
    explicit WindowDC(HWND window = nullptr) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    [[nodiscard]] HDC Handle() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// An object selected into a context; the context's previous object goes back with the guard.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() {
        if (previous_ && previous_ != HGDI_ERROR)
            SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The whole state of a context (origin, clipping, selected objects), restored with the guard.
class SavedDC {
public:
    explicit SavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDC() {
        if (saved_)
            RestoreDC(dc_, saved_);
    }
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;

private:
    HDC dc_;
    int saved_;
};

// Owns a GDI object (bitmap, brush, pen, font, region) and deletes it. Select it with
// SelectedObject in a scope inside the owner's, so it is never deleted while selected.
template <typename H> class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(H handle) : handle_(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other)
            Reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    [[nodiscard]] H Handle() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    // Deletes the object held and holds handle instead.
    void Reset(H handle = nullptr) {
        if (handle_ && handle_ != handle)
            DeleteObject(handle_);
        handle_ = handle;
    }
    // Gives the object up to the caller.
    [[nodiscard]] H Release() { return std::exchange(handle_, nullptr); }

private:
    H handle_ = nullptr;
};

} // namespace forms
