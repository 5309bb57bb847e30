#pragma once
// The system clipboard as text (CF_UNICODETEXT, which the system also makes from the other text
// formats). Each call opens the clipboard and closes it again on every path.
#include <string>
#include <string_view>

namespace forms {

class TClipboard {
public:
    // The text on the clipboard; "" when it holds none. lossy is set when the text holds
    // characters that code page 932 cannot hold, which the result shows as '?'. An Exception
    // says why when the clipboard cannot be opened.
    [[nodiscard]] std::string AsText(bool* lossy = nullptr) const;
    // Puts text on the clipboard in place of what it held; an Exception says why when the
    // clipboard cannot be opened or refuses it.
    void SetAsText(std::string_view text);
    [[nodiscard]] bool HasText() const;
    // Empties the clipboard.
    void Clear();
};

extern TClipboard Clipboard;

} // namespace forms
