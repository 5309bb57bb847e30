#include "forms/win/RichEdit.h"

#include "forms/base/Codepage.h"
#include "forms/base/Exceptions.h"
#include "forms/base/StrUtils.h"
#include "forms/win/RedrawSuspension.h"

#include <richedit.h>

#include <optional>
#include <vector>

namespace forms {

namespace {

// The rich-edit library, loaded on first use and freed at exit unless a control still lives
// (one made by a static object that outlives this one keeps it).
class RichEditLibrary {
public:
    RichEditLibrary() {
        module_ = LoadLibraryW(L"msftedit.dll");
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        if (module_ && GetClassInfoExW(nullptr, MSFTEDIT_CLASS, &wc)) {
            className_ = MSFTEDIT_CLASS;
            return;
        }
        if (module_)
            FreeLibrary(module_);
        // Without it the class is missing, and making the first control says so.
        module_ = LoadLibraryW(L"riched20.dll");
        className_ = RICHEDIT_CLASSW;
    }
    ~RichEditLibrary() {
        if (module_ && liveControls == 0)
            FreeLibrary(module_);
    }
    RichEditLibrary(const RichEditLibrary&) = delete;
    RichEditLibrary& operator=(const RichEditLibrary&) = delete;

    [[nodiscard]] const std::wstring& ClassName() const { return className_; }
    static inline int liveControls = 0;

private:
    HMODULE module_ = nullptr;
    std::wstring className_;
};

RichEditLibrary& Library() {
    static RichEditLibrary library;
    return library;
}

std::string Narrow(const std::wstring& text, bool* lossy) {
    return cp932::Narrow(text, lossy);
}

} // namespace

// ---- the lines ----

class TRichEdit::TLines : public TStrings {
public:
    explicit TLines(TRichEdit& edit) : edit_(edit) {}

    int Count() const override { return static_cast<int>(Current().size()); }
    std::string Strings(int index) const override {
        const std::vector<std::string> lines = Current();
        Check(index, static_cast<int>(lines.size()) - 1);
        return lines[static_cast<size_t>(index)];
    }
    void SetStrings(int index, std::string_view s) override {
        std::vector<std::string> lines = Current();
        Check(index, static_cast<int>(lines.size()) - 1);
        lines[static_cast<size_t>(index)] = std::string(s);
        Store(std::move(lines));
    }
    void Insert(int index, std::string_view s) override {
        std::vector<std::string> lines = Current();
        Check(index, static_cast<int>(lines.size()));
        lines.insert(lines.begin() + index, std::string(s));
        Store(std::move(lines));
    }
    void Delete(int index) override {
        std::vector<std::string> lines = Current();
        Check(index, static_cast<int>(lines.size()) - 1);
        lines.erase(lines.begin() + index);
        Store(std::move(lines));
    }
    void Clear() override { Store({}); }

protected:
    void SetUpdateState(bool updating) override {
        if (updating) {
            redraw_.emplace(edit_);
            return;
        }
        try {
            if (pending_)
                edit_.SetText(Join(*pending_));
        } catch (...) {
            // Runs while an error may unwind; the lines stay as they were.
        }
        pending_.reset();
        redraw_.reset();
    }

private:
    static void Check(int index, int last) {
        if (index < 0 || index > last)
            throw EListIndexError(index);
    }
    static std::string Join(const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& line : lines)
            text += line + "\r\n";
        return text;
    }
    std::vector<std::string> Current() const {
        if (pending_)
            return *pending_;
        std::vector<std::string> lines;
        const std::string text = edit_.Text();
        for (const TTextLine& line : SplitLines(text))
            lines.emplace_back(line.Text);
        return lines;
    }
    void Store(std::vector<std::string> lines) {
        if (UpdateCount() > 0)
            pending_ = std::move(lines);
        else
            edit_.SetText(Join(lines));
    }

    TRichEdit& edit_;
    std::optional<std::vector<std::string>> pending_; // changes made during an update
    std::optional<TRedrawSuspension> redraw_;         // during an update
};

// ---- the control ----

TRichEdit::TRichEdit(TComponent* owner)
    : TWinControl(owner), lines_(std::make_unique<TLines>(*this)) {
    ++RichEditLibrary::liveControls;
    SetControlStyle(0); // the rich edit captures and selects by itself
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 185, 89);
}

TRichEdit::~TRichEdit() {
    --RichEditLibrary::liveControls;
}

std::wstring TRichEdit::SystemClassName() {
    return Library().ClassName();
}

TStrings& TRichEdit::Lines() {
    return *lines_;
}

void TRichEdit::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SystemClass = SystemClassName();
    p.Style &= ~static_cast<DWORD>(WS_CLIPCHILDREN);
    p.ExStyle &= ~static_cast<DWORD>(WS_EX_CONTROLPARENT);
    p.Style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
    if (!wordWrap_)
        p.Style |= ES_AUTOHSCROLL;
    if (readOnly_)
        p.Style |= ES_READONLY;
    if (scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth)
        p.Style |= WS_VSCROLL;
    if (scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth)
        p.Style |= WS_HSCROLL;
    if (scrollBars_ != TScrollStyle::ssNone)
        p.Style |= ES_DISABLENOSCROLL;
    if (border_)
        p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TRichEdit::CreateWnd() {
    TWinControl::CreateWnd();
    const HWND h = ExistingHandle();
    if (!h)
        return;
    // One format for the whole text, so that nothing pasted or typed brings its own.
    SendMessageW(h, EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE, 0);
    SendMessageW(h, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    SendMessageW(h, EM_SETTARGETDEVICE, 0, wordWrap_ ? 0 : 1);
    SendMessageW(h, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
    SetWindowTextW(h, text_.c_str());
    text_.clear();
    SendMessageW(h, EM_EMPTYUNDOBUFFER, 0, 0);
}

void TRichEdit::CreateHandle() {
    TWinControl::CreateHandle(); // the font is set by now
    ApplyTextColor();
}

void TRichEdit::RecreateWindow() {
    if (!HandleAllocated())
        return;
    text_ = WideText();
    DestroyHandle();
    if (Parent() && Parent()->HandleAllocated())
        HandleNeeded();
}

std::wstring TRichEdit::WideText() const {
    const HWND h = ExistingHandle();
    if (!h)
        return text_;
    GETTEXTLENGTHEX length{GTL_USECRLF | GTL_PRECISE | GTL_NUMCHARS, 1200};
    const auto n = static_cast<size_t>(
        SendMessageW(h, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
    std::wstring text(n + 1, L'\0');
    GETTEXTEX get{};
    get.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    get.flags = GT_USECRLF;
    get.codepage = 1200;
    const auto got = static_cast<size_t>(SendMessageW(
        h, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(text.data())));
    text.resize(std::min(got, n));
    return text;
}

void TRichEdit::SetWideText(const std::wstring& text) {
    if (const HWND h = ExistingHandle())
        SetWindowTextW(h, text.c_str());
    else
        text_ = text;
}

std::string TRichEdit::Text(bool* lossy) const {
    return Narrow(WideText(), lossy);
}

void TRichEdit::SetText(std::string_view text) {
    SetWideText(cp932::Wide(text));
}

void TRichEdit::SetReadOnly(bool value) {
    if (value == readOnly_)
        return;
    readOnly_ = value;
    if (const HWND h = ExistingHandle())
        SendMessageW(h, EM_SETREADONLY, value, 0);
}

void TRichEdit::SetWordWrap(bool value) {
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    RecreateWindow(); // ES_AUTOHSCROLL is fixed when the window is made
}

void TRichEdit::SetScrollBars(TScrollStyle value) {
    if (value == scrollBars_)
        return;
    scrollBars_ = value;
    RecreateWindow();
}

void TRichEdit::SetBorder(bool value) {
    if (value == border_)
        return;
    border_ = value;
    if (const HWND h = ExistingHandle()) {
        const LONG ex = GetWindowLongW(h, GWL_EXSTYLE);
        SetWindowLongW(h, GWL_EXSTYLE, value ? ex | WS_EX_CLIENTEDGE : ex & ~WS_EX_CLIENTEDGE);
        SetWindowPos(h, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
}

int TRichEdit::TextLength() const {
    const HWND h = ExistingHandle();
    if (!h)
        return 0;
    GETTEXTLENGTHEX length{GTL_PRECISE | GTL_NUMCHARS, 1200};
    return static_cast<int>(
        SendMessageW(h, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
}

CHARRANGE TRichEdit::Selection() const {
    CHARRANGE r{};
    const HWND h = ExistingHandle();
    if (!h)
        return r;
    SendMessageW(h, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&r));
    // The mark that ends the text can be selected too, but holds nothing.
    const LONG length = TextLength();
    r.cpMin = std::min(r.cpMin, length);
    r.cpMax = std::min(r.cpMax, length);
    return r;
}

int TRichEdit::SelStart() const {
    return Selection().cpMin;
}

int TRichEdit::SelLength() const {
    const CHARRANGE r = Selection();
    return r.cpMax - r.cpMin;
}

void TRichEdit::SetSelStart(int value) {
    CHARRANGE r{value, value};
    SendMessageW(Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
}

void TRichEdit::SetSelLength(int value) {
    const int start = SelStart();
    CHARRANGE r{start, start + std::max(value, 0)};
    SendMessageW(Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
}

std::string TRichEdit::SelText(bool* lossy) const {
    const HWND h = ExistingHandle();
    const int length = SelLength();
    if (!h || length <= 0)
        return Narrow({}, lossy);
    // A line break is one character of the selection and two of the text: room for both.
    std::wstring text(static_cast<size_t>(length) * 2 + 1, L'\0');
    const auto n = static_cast<size_t>(
        SendMessageW(h, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(text.data())));
    text.resize(std::min(n, text.size() - 1));
    return Narrow(text, lossy);
}

bool TRichEdit::HasSelection() const {
    return ExistingHandle() && SelLength() > 0;
}

bool TRichEdit::CanUndo() const {
    const HWND h = ExistingHandle();
    return h && !readOnly_ && SendMessageW(h, EM_CANUNDO, 0, 0) != 0;
}

void TRichEdit::Undo() {
    if (const HWND h = ExistingHandle())
        SendMessageW(h, EM_UNDO, 0, 0);
}

bool TRichEdit::CanCut() const {
    return !readOnly_ && HasSelection();
}

void TRichEdit::CutToClipboard() {
    if (const HWND h = ExistingHandle())
        SendMessageW(h, WM_CUT, 0, 0);
}

bool TRichEdit::CanCopy() const {
    return HasSelection();
}

void TRichEdit::CopyToClipboard() {
    if (const HWND h = ExistingHandle())
        SendMessageW(h, WM_COPY, 0, 0);
}

bool TRichEdit::CanPaste() const {
    const HWND h = ExistingHandle();
    return h && !readOnly_ && SendMessageW(h, EM_CANPASTE, CF_UNICODETEXT, 0) != 0;
}

void TRichEdit::PasteFromClipboard() {
    if (const HWND h = ExistingHandle())
        SendMessageW(h, EM_PASTESPECIAL, CF_UNICODETEXT, 0);
}

bool TRichEdit::CanDelete() const {
    return !readOnly_ && HasSelection();
}

void TRichEdit::ClearSelection() {
    if (const HWND h = ExistingHandle())
        SendMessageW(h, WM_CLEAR, 0, 0);
}

bool TRichEdit::CanSelectAll() const {
    return TextLength() > 0;
}

void TRichEdit::SelectAll() {
    CHARRANGE all{0, -1};
    if (const HWND h = ExistingHandle())
        SendMessageW(h, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&all));
}

void TRichEdit::ApplyTextColor() {
    const HWND h = ExistingHandle();
    if (!h)
        return;
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR;
    format.crTextColor = ColorToRGB(Font().Color());
    SendMessageW(h, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

void TRichEdit::ColorChanged() {
    if (const HWND h = ExistingHandle())
        SendMessageW(h, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
    TWinControl::ColorChanged();
}

void TRichEdit::FontChanged() {
    TWinControl::FontChanged(); // WM_SETFONT, which resets the text colour
    ApplyTextColor();
}

void TRichEdit::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_GETDLGCODE: {
        // Without the message: a rich edit that sees it switches to a dialog mode of its own
        // (Esc closing the parent, Enter pressing a default button it looks up itself).
        TMessage query{WM_GETDLGCODE, m.WParam, 0, 0};
        DefaultHandler(query);
        UINT code = static_cast<UINT>(query.Result) &
                    ~static_cast<UINT>(DLGC_WANTTAB | DLGC_WANTMESSAGE | DLGC_WANTALLKEYS);
        // Enter makes a new line; Tab, Esc and the rest are the dialog's.
        const auto* msg = reinterpret_cast<const MSG*>(m.LParam);
        if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN && !readOnly_)
            code |= DLGC_WANTALLKEYS;
        m.Result = code;
        return;
    }
    case WM_DESTROY:
        // Destroyed with its parent: the text stays for the next window.
        text_ = WideText();
        break;
    default:
        break;
    }
    TWinControl::WndProc(m);
}

} // namespace forms
