#include "forms/win/CommonDialogs.h"

#include "forms/base/Codepage.h"
#include "forms/base/CustomColors.h"
#include "forms/base/FileFilter.h"
#include "forms/win/Application.h"
#include "forms/win/Form.h"
#include "forms/win/MessageDialog.h"

#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace forms {

namespace {

// The window a dialog belongs to: the owning component's form when it is on the screen, else our
// active form, else the main form.
HWND DialogOwner(TComponent* owner) {
    for (TComponent* c = owner; c; c = c->Owner())
        if (auto* form = dynamic_cast<TForm*>(c)) {
            if (form->HandleAllocated() && IsWindowVisible(form->Handle()))
                return form->Handle();
            break;
        }
    if (const HWND active = GetActiveWindow())
        if (dynamic_cast<TForm*>(TControl::FromHandle(active)))
            return active;
    if (TForm* main = Application.MainForm(); main && main->HandleAllocated())
        return main->Handle();
    return nullptr;
}

// What the system said about a dialog that did not open.
std::string DialogErrorText(const char* what, DWORD code) {
    char number[16];
    std::snprintf(number, sizeof number, "%04lX", static_cast<unsigned long>(code));
    return std::string(what) + "\r(エラー " + number + ")";
}

void ReportError(const std::string& text) {
    ShowMessageDialog(text, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
}

// The filter as the system takes it: each text converted by itself, NUL after each, and one
// more NUL at the end.
std::wstring SystemFilter(const std::vector<TFilterEntry>& entries) {
    std::wstring out;
    for (const TFilterEntry& e : entries) {
        out += cp932::Wide(e.Description);
        out += L'\0';
        out += cp932::Wide(e.Pattern);
        out += L'\0';
    }
    out += L'\0';
    return out;
}

} // namespace

bool TOpenDialog::Execute() {
    const auto entries = ParseFileFilter(filter_);
    if (!entries) {
        ReportError("ファイルの種類の指定が正しくありません。\r" + filter_);
        return false;
    }
    const std::wstring filter = SystemFilter(*entries);
    const std::wstring title = cp932::Wide(title_);
    const std::wstring initialDir = cp932::Wide(initialDir_);
    // Room for the longest path the system knows; a longer proposal is cut.
    std::vector<wchar_t> file(32768, L'\0');
    const std::wstring proposed = cp932::Wide(fileName_);
    proposed.copy(file.data(), std::min(proposed.size(), file.size() - 1));

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = DialogOwner(Owner());
    ofn.lpstrFilter = entries->empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(std::max(filterIndex_, 1));
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_FILEMUSTEXIST |
                OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    DWORD error = 0;
    bool chosen = false;
    {
        const ModalBracket bracket;
        chosen = RunSystemDialog(ofn, error);
    }
    if (!chosen) {
        if (error != 0)
            ReportError(DialogErrorText("ファイルを開くダイアログを表示できません。", error));
        return false;
    }
    file.back() = L'\0';
    const std::wstring_view name(file.data());
    if (name.empty()) {
        ReportError("ファイルを開くダイアログからファイル名を受け取れませんでした。");
        return false;
    }
    const std::optional<std::string> exact = cp932::NarrowExact(name);
    if (!exact) {
        ReportError("このファイル名には、このプログラムで扱えない文字が含まれています。\r" +
                    cp932::Narrow(name));
        return false;
    }
    fileName_ = *exact;
    filterIndex_ = static_cast<int>(ofn.nFilterIndex);
    return true;
}

bool TOpenDialog::RunSystemDialog(OPENFILENAMEW& ofn, DWORD& error) {
    const bool chosen = GetOpenFileNameW(&ofn) != FALSE;
    error = chosen ? 0 : CommDlgExtendedError();
    return chosen;
}

bool TColorDialog::RunSystemDialog(CHOOSECOLORW& cc, DWORD& error) {
    const bool chosen = ChooseColorW(&cc) != FALSE;
    error = chosen ? 0 : CommDlgExtendedError();
    return chosen;
}

bool TColorDialog::Execute() {
    const TCustomColors colors = ReadCustomColors(customColors_);
    COLORREF custom[kCustomColorCount];
    for (int i = 0; i < kCustomColorCount; ++i)
        custom[i] = colors[static_cast<size_t>(i)];
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = DialogOwner(Owner());
    cc.rgbResult = ColorToRGB(color_);
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT | (fullOpen_ ? CC_FULLOPEN : 0);
    DWORD error = 0;
    bool chosen = false;
    {
        const ModalBracket bracket;
        chosen = RunSystemDialog(cc, error);
    }
    if (!chosen) {
        if (error != 0)
            ReportError(DialogErrorText("色の設定ダイアログを表示できません。", error));
        return false;
    }
    color_ = static_cast<TColor>(cc.rgbResult & 0xFFFFFF);
    TCustomColors chosenColors{};
    for (int i = 0; i < kCustomColorCount; ++i)
        chosenColors[static_cast<size_t>(i)] = custom[i] & 0xFFFFFF;
    WriteCustomColors(chosenColors, customColors_);
    return true;
}

} // namespace forms
