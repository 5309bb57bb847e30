#include "forms/win/MessageDialog.h"

#include "forms/base/Codepage.h"
#include "forms/base/StrUtils.h"
#include "forms/win/Application.h"
#include "forms/win/Button.h"
#include "forms/win/Label.h"
#include "forms/win/Screen.h"

#include <algorithm>
#include <vector>

namespace forms {

namespace {

struct ButtonSpec {
    TMsgDlgBtn button;
    const char* caption;
    int result;
};
const ButtonSpec kButtons[] = {
    {TMsgDlgBtn::mbYes, "はい(&Y)", mrYes},
    {TMsgDlgBtn::mbNo, "いいえ(&N)", mrNo},
    {TMsgDlgBtn::mbOK, "OK", mrOk},
    {TMsgDlgBtn::mbCancel, "キャンセル", mrCancel},
    {TMsgDlgBtn::mbAbort, "中止(&A)", mrAbort},
    {TMsgDlgBtn::mbRetry, "再試行(&R)", mrRetry},
    {TMsgDlgBtn::mbIgnore, "無視(&I)", mrIgnore},
    {TMsgDlgBtn::mbAll, "すべて(&A)", mrAll},
    {TMsgDlgBtn::mbNoToAll, "すべていいえ(&O)", mrNoToAll},
    {TMsgDlgBtn::mbYesToAll, "すべてはい(&A)", mrYesToAll},
    {TMsgDlgBtn::mbHelp, "ヘルプ(&H)", mrNone},
};

struct TypeSpec {
    const char* caption; // nullptr: the application title
    LPCWSTR icon;
};
const TypeSpec kTypes[] = {
    {"警告", IDI_WARNING},  {"エラー", IDI_ERROR}, {"情報", IDI_INFORMATION},
    {"確認", IDI_QUESTION}, {nullptr, nullptr},
};

// A lone CR breaks the line as CR LF does.
std::string NormaliseBreaks(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))
            out += '\n';
    }
    return out;
}

class TMessageForm : public TForm {
public:
    TMessageForm(TComponent* owner, LPCWSTR icon) : TForm(owner), icon_(icon) {}
    TRect IconRect;

protected:
    void Paint() override {
        TForm::Paint();
        if (!icon_)
            return;
        if (HICON h = LoadIconW(nullptr, icon_)) // a shared system icon: never destroyed
            DrawIconEx(Canvas().Handle(), IconRect.Left, IconRect.Top, h, 32, 32, 0, nullptr,
                       DI_NORMAL);
    }

private:
    LPCWSTR icon_;
};

int Scale(int units, int base, int divisor) {
    return MulDiv(units, base, divisor);
}

} // namespace

Scoped<TForm> CreateMessageDialog(std::string_view text, TMsgDlgType type, TMsgDlgButtons buttons) {
    const TypeSpec& spec = kTypes[static_cast<int>(type)];
    Scoped<TMessageForm> form = MakeScoped<TMessageForm>(spec.icon);
    form->SetBorderStyle(TFormBorderStyle::bsDialog);
    form->SetCaption(spec.caption ? std::string(spec.caption) : Application.Title());

    // Dialog units of the form's font, as the system's dialogs measure.
    int avgWidth, charHeight;
    TRect textRect;
    std::vector<int> captionWidths;
    const std::string message = NormaliseBreaks(text);
    {
        const MemoryDC dc;
        TCanvas c(dc.Handle());
        c.Font().Assign(form->Font());
        const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        avgWidth = (c.TextWidth(letters) / 26 + 1) / 2;
        charHeight = c.TextHeight("A");
        textRect = Rect(0, 0, Screen.Width() / 2, 0);
        c.DrawTextIn(message.empty() ? std::string(" ") : message, textRect,
                     DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
        for (const ButtonSpec& b : kButtons)
            if (buttons.Has(b.button)) {
                std::string plain = ReplaceAll(b.caption, "&", "");
                captionWidths.push_back(c.TextWidth(plain));
            }
    }
    const int horzMargin = Scale(8, avgWidth, 4), vertMargin = Scale(8, charHeight, 8);
    const int horzSpacing = Scale(10, avgWidth, 4), vertSpacing = Scale(10, charHeight, 8);
    const int buttonSpacing = Scale(4, avgWidth, 4), buttonHeight = Scale(14, charHeight, 8);
    int buttonWidth = Scale(50, avgWidth, 4);
    for (int w : captionWidths)
        buttonWidth = std::max(buttonWidth, w + 8);

    const bool hasIcon = spec.icon != nullptr;
    const int iconSpace = hasIcon ? 32 + horzSpacing : 0;
    const int iconTextWidth = iconSpace + textRect.Width();
    const int iconTextHeight = std::max(hasIcon ? 32 : 0, textRect.Height());
    const int count = static_cast<int>(captionWidths.size());
    const int groupWidth = count * buttonWidth + std::max(count - 1, 0) * buttonSpacing;
    const int clientWidth = std::max(iconTextWidth, groupWidth) + 2 * horzMargin;
    const int clientHeight = iconTextHeight + vertSpacing + buttonHeight + 2 * vertMargin;
    form->SetClientSize(clientWidth, clientHeight);
    form->IconRect = Bounds(horzMargin, vertMargin, 32, 32);

    TLabel* label = MakeChild<TLabel>(form.get(), Bounds(horzMargin + iconSpace, vertMargin,
                                                         textRect.Width(), textRect.Height()));
    label->SetName("Message");
    label->SetAutoSize(false);
    label->SetWordWrap(true);
    label->SetShowAccelChar(false);
    label->SetCaption(message);

    TButton* first = nullptr;
    TButton* defaultButton = nullptr;
    TButton* cancelButton = nullptr;
    auto find = [&](TMsgDlgBtn which) -> TButton* {
        for (int i = 0; i < form->ControlCount(); ++i)
            if (auto* b = dynamic_cast<TButton*>(form->Controls(i));
                b && b->Tag() == static_cast<intptr_t>(which))
                return b;
        return nullptr;
    };
    int x = (clientWidth - groupWidth) / 2;
    const int y = iconTextHeight + vertMargin + vertSpacing;
    for (const ButtonSpec& spec : kButtons) {
        if (!buttons.Has(spec.button))
            continue;
        TButton* b = MakeChild<TButton>(form.get(), Bounds(x, y, buttonWidth, buttonHeight));
        b->SetTag(static_cast<intptr_t>(spec.button));
        b->SetCaption(spec.caption);
        b->SetModalResult(spec.result);
        x += buttonWidth + buttonSpacing;
        if (!first)
            first = b;
    }
    for (TMsgDlgBtn d : {TMsgDlgBtn::mbOK, TMsgDlgBtn::mbYes, TMsgDlgBtn::mbRetry})
        if ((defaultButton = find(d)) != nullptr)
            break;
    if (!defaultButton)
        defaultButton = first;
    for (TMsgDlgBtn c : {TMsgDlgBtn::mbCancel, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbOK})
        if ((cancelButton = find(c)) != nullptr)
            break;
    if (defaultButton) {
        defaultButton->SetDefault(true);
        form->SetActiveControl(defaultButton);
    }
    if (cancelButton)
        cancelButton->SetCancel(true);
    return Scoped<TForm>(form.release());
}

int ShowMessageDialog(std::string_view text, TMsgDlgType type, TMsgDlgButtons buttons, int x,
                      int y) {
    Scoped<TForm> dialog = CreateMessageDialog(text, type, buttons);
    if (x < 0 && y < 0) {
        x = (Screen.Width() - dialog->Width()) / 2;
        y = (Screen.Height() - dialog->Height()) / 2;
    }
    const TRect work = Screen.WorkArea();
    x = std::max(std::min(x, work.Right - dialog->Width()), work.Left);
    y = std::max(std::min(y, work.Bottom - dialog->Height()), work.Top);
    dialog->SetBounds(x, y, dialog->Width(), dialog->Height());
    return dialog->ShowModal();
}

namespace {
void ShowTitledBox(std::string_view text, UINT icon) {
    ModalBracket bracket;
    HWND owner = nullptr;
    if (TForm* main = Application.MainForm(); main && main->HandleAllocated() && main->Visible())
        owner = main->Handle();
    MessageBoxW(owner, cp932::Wide(text).c_str(), cp932::Wide(Application.Title()).c_str(),
                MB_OK | icon);
}
} // namespace

void ShowMessage(std::string_view text) {
    ShowTitledBox(text, 0);
}

void ShowInformation(std::string_view text) {
    ShowTitledBox(text, MB_ICONINFORMATION);
}

int SystemMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type,
                     WORD languageId) {
    return MessageBoxExW(owner, cp932::Wide(text).c_str(), cp932::Wide(caption).c_str(), type,
                         languageId);
}

} // namespace forms
