#include "forms/base/Codepage.h"

#include <windows.h>

namespace cp932 {

constexpr UINT kCodePage = 932;

std::wstring Wide(std::string_view text) {
    if (text.empty())
        return {};
    const int n =
        MultiByteToWideChar(kCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(kCodePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

std::string Narrow(std::wstring_view text, bool* lossy) {
    BOOL usedDefault = FALSE;
    std::string out;
    if (!text.empty()) {
        const int n =
            WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, text.data(),
                                static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
        out.assign(static_cast<size_t>(n), '\0');
        WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, text.data(),
                            static_cast<int>(text.size()), out.data(), n, nullptr, &usedDefault);
    }
    if (lossy)
        *lossy = usedDefault != FALSE;
    return out;
}

std::optional<std::string> NarrowExact(std::wstring_view text) {
    bool lossy = false;
    std::string out = Narrow(text, &lossy);
    if (lossy)
        return std::nullopt;
    return out;
}

std::u16string ToUtf16(std::string_view text) {
    const std::wstring w = Wide(text);
    return std::u16string(w.begin(), w.end());
}

std::string FromUtf16(std::u16string_view text, bool* lossy) {
    return Narrow(std::wstring_view(reinterpret_cast<const wchar_t*>(text.data()), text.size()),
                  lossy);
}

} // namespace cp932
