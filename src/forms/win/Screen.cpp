#include "forms/win/Screen.h"

#include "forms/base/CallbackGuard.h"
#include "forms/base/Codepage.h"
#include "forms/gfx/DeviceContext.h"

#include <algorithm>

namespace forms {

int TScreen::Width() const {
    return GetSystemMetrics(SM_CXSCREEN);
}

int TScreen::Height() const {
    return GetSystemMetrics(SM_CYSCREEN);
}

TRect TScreen::WorkArea() const {
    RECT r{0, 0, Width(), Height()};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return {r.left, r.top, r.right, r.bottom};
}

int TScreen::PixelsPerInch() const {
    const WindowDC screen;
    return GetDeviceCaps(screen.Handle(), LOGPIXELSY);
}

TFont& TScreen::HintFont() {
    if (!hintFont_) {
        hintFont_ = std::make_unique<TFont>();
        NONCLIENTMETRICSW m{};
        m.cbSize = sizeof m;
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0))
            hintFont_->SetHandle(CreateFontIndirectW(&m.lfStatusFont));
        hintFont_->SetColor(clInfoText);
    }
    return *hintFont_;
}

void TScreen::SetCursor(TCursor cursor) {
    if (cursor == cursor_)
        return;
    cursor_ = cursor;
    HCURSOR h = CursorHandle(cursor == crDefault ? crArrow : cursor);
    if (h)
        ::SetCursor(h);
}

std::vector<std::string> TScreen::Fonts() const {
    struct Enumeration {
        std::vector<std::string> faces;
        CallbackGuard guard;
    } e;
    const WindowDC screen;
    EnumFontsW(
        screen.Handle(), nullptr,
        [](const LOGFONTW* lf, const TEXTMETRICW*, DWORD, LPARAM lp) -> int {
            auto& e = *reinterpret_cast<Enumeration*>(lp);
            return e.guard.Run(0, [&] {
                e.faces.push_back(cp932::Narrow(lf->lfFaceName));
                return 1;
            });
        },
        reinterpret_cast<LPARAM>(&e));
    e.guard.Rethrow();
    std::sort(e.faces.begin(), e.faces.end());
    e.faces.erase(std::unique(e.faces.begin(), e.faces.end()), e.faces.end());
    return std::move(e.faces);
}

TPoint TMouse::CursorPos() const {
    POINT p{0, 0};
    GetCursorPos(&p);
    return {p.x, p.y};
}

void TMouse::SetCursorPos(TPoint p) const {
    ::SetCursorPos(p.X, p.Y);
}

} // namespace forms
