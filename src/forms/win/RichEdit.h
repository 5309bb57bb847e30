#pragma once
// Rich-edit memos: the system's rich edit (RICHEDIT50W, or RichEdit20W where that class is
// missing) under our own class name, held to plain text in one format. Lines are set in one
// update. The editing commands that a pop-up menu offers (undo, cut, copy, paste, delete, select
// all) each come with a test of whether they can run now, for the menu's item states.
#include "forms/base/Strings.h"
#include "forms/win/WinControl.h"

#include <richedit.h>

#include <memory>
#include <string>
#include <string_view>

namespace forms {

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TRichEdit : public TWinControl {
public:
    explicit TRichEdit(TComponent* owner);
    ~TRichEdit() override;

    // The text's lines. Changes between BeginUpdate and EndUpdate (Assign, SetText) reach the
    // control as one new text, drawn once.
    TStrings& Lines();
    // The whole text, each line break as CR LF. lossy is set when the control holds characters
    // (typed or pasted) that code page 932 cannot hold; the text shows them as '?'.
    [[nodiscard]] std::string Text(bool* lossy = nullptr) const;
    void SetText(std::string_view text);
    void Clear() { SetText({}); }

    [[nodiscard]] bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    // Long lines wrap at the right edge (on by default).
    [[nodiscard]] bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    // Scroll bars asked for are always there, disabled while there is nothing to scroll.
    [[nodiscard]] TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle value);
    // A sunken edge around the control (on by default).
    [[nodiscard]] bool Border() const { return border_; }
    void SetBorder(bool value);

    // The selection, in characters of the text (a line break counts one); 0 without a window.
    [[nodiscard]] int SelStart() const;
    void SetSelStart(int value);
    [[nodiscard]] int SelLength() const;
    void SetSelLength(int value);
    [[nodiscard]] std::string SelText(bool* lossy = nullptr) const;

    // The commands of an edit menu and whether each can run now.
    [[nodiscard]] bool CanUndo() const;
    void Undo();
    [[nodiscard]] bool CanCut() const;
    void CutToClipboard();
    [[nodiscard]] bool CanCopy() const;
    void CopyToClipboard();
    // Plain text only: formatting on the clipboard is not taken.
    [[nodiscard]] bool CanPaste() const;
    void PasteFromClipboard();
    [[nodiscard]] bool CanDelete() const;
    void ClearSelection();
    [[nodiscard]] bool CanSelectAll() const;
    void SelectAll();

    // The system class the control is made of: "RICHEDIT50W", or "RichEdit20W" where the
    // newer library is missing (its library is loaded on the first call and freed at exit).
    static std::wstring SystemClassName();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void CreateHandle() override;
    void WndProc(TMessage& message) override;
    void ColorChanged() override;
    void FontChanged() override;

private:
    class TLines;
    [[nodiscard]] std::wstring WideText() const;
    void SetWideText(const std::wstring& text);
    void ApplyTextColor();
    void RecreateWindow();
    [[nodiscard]] bool HasSelection() const;
    // Characters of the text, a line break counting one.
    [[nodiscard]] int TextLength() const;
    [[nodiscard]] CHARRANGE Selection() const;

    std::unique_ptr<TLines> lines_;
    std::wstring text_; // the text while there is no window
    bool readOnly_ = false;
    bool wordWrap_ = true;
    bool border_ = true;
    TScrollStyle scrollBars_ = TScrollStyle::ssNone;
};

} // namespace forms
