#include "forms/gfx/Icon.h"

#include "forms/base/Codepage.h"

namespace forms {

TIcon::~TIcon() {
    if (handle_ && !shared_)
        DestroyIcon(handle_);
}

void TIcon::Replace(HICON icon, bool shared) {
    if (reinterpret_cast<uintptr_t>(icon) <= 1)
        icon = nullptr;
    if (icon == handle_ && shared == shared_)
        return;
    if (handle_ && !shared_ && icon != handle_)
        DestroyIcon(handle_);
    handle_ = icon;
    shared_ = handle_ && shared;
    width_ = height_ = 0;
    sized_ = handle_ == nullptr;
    Changed();
}

void TIcon::ReadSize() const {
    if (sized_)
        return;
    sized_ = true;
    ICONINFO info{};
    if (!GetIconInfo(handle_, &info))
        return;
    BITMAP bm{};
    HBITMAP shape = info.hbmColor ? info.hbmColor : info.hbmMask;
    if (GetObjectW(shape, sizeof bm, &bm)) {
        width_ = bm.bmWidth;
        // A mask without colour holds the AND and XOR halves one above the other.
        height_ = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
    }
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
}

int TIcon::Width() const {
    ReadSize();
    return width_;
}

int TIcon::Height() const {
    ReadSize();
    return height_;
}

void TIcon::SetHandle(HICON icon) {
    Replace(icon, false);
}

void TIcon::ShareHandle(HICON icon) {
    Replace(icon, true);
}

HICON TIcon::ReleaseHandle() {
    HICON h = shared_ ? CopyIcon(handle_) : handle_;
    const bool had = handle_ != nullptr;
    handle_ = nullptr;
    shared_ = false;
    width_ = height_ = 0;
    sized_ = true;
    if (had)
        Changed();
    return h;
}

void TIcon::Assign(const TIcon& source) {
    if (&source == this)
        return;
    Replace(source.handle_ ? CopyIcon(source.handle_) : nullptr, false);
}

bool TIcon::LoadFromResource(HINSTANCE module, std::string_view name, int size) {
    const std::wstring w = cp932::Wide(name);
    HANDLE h = LoadImageW(module, w.c_str(), IMAGE_ICON, size, size, size ? 0 : LR_DEFAULTSIZE);
    if (!h)
        return false;
    Replace(static_cast<HICON>(h), false);
    return true;
}

bool TIcon::LoadFromResourceId(HINSTANCE module, int id, int size) {
    HANDLE h =
        LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, size ? 0 : LR_DEFAULTSIZE);
    if (!h)
        return false;
    Replace(static_cast<HICON>(h), false);
    return true;
}

void TIcon::DrawTo(HDC dc, const TRect& r, DWORD /*copyMode*/) const {
    if (handle_)
        DrawIconEx(dc, r.Left, r.Top, handle_, r.Width(), r.Height(), 0, nullptr, DI_NORMAL);
}

} // namespace forms
