#pragma once
// An icon handle owned by the object: copied on Assign, destroyed with the object; or one shared
// with its owner (ShareHandle), which the object shows but never destroys. Its size is read from
// the handle only when asked for.
#include "forms/gfx/Canvas.h"

#include <windows.h>

#include <string_view>

namespace forms {

class TIcon : public TGraphic {
public:
    TIcon() = default;
    TIcon(const TIcon&) = delete;
    TIcon& operator=(const TIcon&) = delete;
    ~TIcon() override;

    [[nodiscard]] HICON Handle() const { return handle_; }
    // Takes ownership; a value of 0 or 1 (ExtractIconW's "not an icon file") leaves the icon
    // empty.
    void SetHandle(HICON icon);
    // Shows a handle that stays its owner's, who keeps it alive as long as this object.
    void ShareHandle(HICON icon);
    [[nodiscard]] bool Shared() const { return shared_; }
    // Gives the handle to the caller (a copy of a shared one); the icon is empty afterwards.
    HICON ReleaseHandle();
    // A copy of the source's image (CopyIcon); an empty source empties this icon.
    void Assign(const TIcon& source);
    // An icon resource of the module, at size x size pixels (0: the system's icon size); never
    // shared, so it is destroyed like any other. False when the resource is missing.
    bool LoadFromResource(HINSTANCE module, std::string_view name, int size = 0);
    bool LoadFromResourceId(HINSTANCE module, int id, int size = 0);

    [[nodiscard]] int Width() const override;
    [[nodiscard]] int Height() const override;
    [[nodiscard]] bool Empty() const override { return handle_ == nullptr; }
    void DrawTo(HDC dc, const TRect& r, DWORD copyMode) const override;

private:
    void Replace(HICON icon, bool shared);
    // Reading the size costs two bitmaps made and freed: only for those who ask.
    void ReadSize() const;
    HICON handle_ = nullptr;
    bool shared_ = false;
    mutable bool sized_ = true;
    mutable int width_ = 0, height_ = 0;
};

} // namespace forms
