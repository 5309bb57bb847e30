#pragma once
// The system's common dialogs: choosing a file to open and choosing a colour. Each is shown
// inside a ModalBracket over the form that asks. Execute() returns true only when the user
// confirmed a usable result. A dialog that cannot be shown (a malformed filter, a system error)
// says so in an error message and returns false; an open dialog refuses, with a message, a file
// name that code page 932 cannot hold, since that name would name another file.
#include "forms/base/Color.h"
#include "forms/base/Component.h"
#include "forms/base/Strings.h"

#include <windows.h>

#include <commdlg.h>

#include <string>
#include <string_view>

namespace forms {

class TOpenDialog : public TComponent {
public:
    explicit TOpenDialog(TComponent* owner) : TComponent(owner) {}

    // "description|pattern|..."; see ParseFileFilter. Empty: every file.
    [[nodiscard]] const std::string& Filter() const { return filter_; }
    void SetFilter(std::string_view filter) { filter_ = std::string(filter); }
    // The filter entry chosen, from 1; the dialog reports the user's choice back here.
    [[nodiscard]] int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int index) { filterIndex_ = index; }
    // The dialog's caption; empty for the system's own.
    [[nodiscard]] const std::string& Title() const { return title_; }
    void SetTitle(std::string_view title) { title_ = std::string(title); }
    // The folder the dialog opens in; empty for the system's choice.
    [[nodiscard]] const std::string& InitialDir() const { return initialDir_; }
    void SetInitialDir(std::string_view dir) { initialDir_ = std::string(dir); }
    // The proposed name before, the chosen file's full path after a confirmed dialog.
    [[nodiscard]] const std::string& FileName() const { return fileName_; }
    void SetFileName(std::string_view name) { fileName_ = std::string(name); }

    // Shows the dialog; true when the user chose an existing file with a usable name.
    bool Execute();

protected:
    // The system's dialog: true when the user confirmed; else error is the system's reason, 0
    // for a cancel.
    virtual bool RunSystemDialog(OPENFILENAMEW& ofn, DWORD& error);

private:
    std::string filter_, title_, initialDir_, fileName_;
    int filterIndex_ = 1;
};

class TColorDialog : public TComponent {
public:
    explicit TColorDialog(TComponent* owner) : TComponent(owner) {}

    // The colour shown first, and the one chosen after a confirmed dialog (a plain colour then).
    [[nodiscard]] TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }
    // Opens with the custom-colour pane expanded.
    [[nodiscard]] bool FullOpen() const { return fullOpen_; }
    void SetFullOpen(bool value) { fullOpen_ = value; }
    // The sixteen custom colours as lines "ColorA=BBGGRR" .. "ColorP=BBGGRR" (see
    // ReadCustomColors); a confirmed dialog writes all sixteen back.
    TStrings& CustomColors() { return customColors_; }

    // Shows the dialog; true when the user confirmed a colour.
    bool Execute();

protected:
    // The system's dialog, as for the open dialog.
    virtual bool RunSystemDialog(CHOOSECOLORW& cc, DWORD& error);

private:
    TColor color_ = clBlack;
    bool fullOpen_ = false;
    TStringList customColors_;
};

} // namespace forms
