#pragma once
// The screen and the mouse as the forms see them.
#include "forms/gfx/Font.h"
#include "forms/gfx/Geometry.h"
#include "forms/win/Control.h"

#include <string>
#include <vector>

namespace forms {

class TScreen {
public:
    [[nodiscard]] int Width() const;
    [[nodiscard]] int Height() const;
    // The desktop without the taskbar.
    [[nodiscard]] TRect WorkArea() const;
    [[nodiscard]] int PixelsPerInch() const;
    // The system's status font in the info-text colour.
    TFont& HintFont();
    // A cursor for every window of the program (crDefault: each control's own).
    [[nodiscard]] TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);
    // Every font face, '@' faces included, sorted.
    [[nodiscard]] std::vector<std::string> Fonts() const;

private:
    TCursor cursor_ = crDefault;
    std::unique_ptr<TFont> hintFont_;
};

class TMouse {
public:
    [[nodiscard]] TPoint CursorPos() const;
    void SetCursorPos(TPoint p) const;
    [[nodiscard]] bool IsDragging() const { return false; }
};

extern TScreen Screen;
extern TMouse Mouse;

} // namespace forms
