#include "qvtcfg/EditorStandIn.h"

#include "forms/win/Button.h"
#include "forms/win/Form.h"
#include "forms/win/Label.h"
#include "qvtcfg/Placement.h"

#include <windows.h>

namespace {

class TEditorStandIn : public forms::TForm {
public:
    TEditorStandIn(forms::TComponent* owner, std::string_view caption, int clientWidth,
                   int clientHeight, const std::string& settingsPath)
        : forms::TForm(owner) {
        SetBorderStyle(forms::TFormBorderStyle::bsDialog);
        forms::TFont font;
        font.SetCharset(SHIFTJIS_CHARSET);
        SetFont(font);
        SetCaption(caption);
        SetClientSize(clientWidth, clientHeight);
        // The file it was given, as the window text of a label, where tools can read it.
        auto* file = forms::MakeChild<forms::TLabel>(this, forms::Bounds(8, 8, 0, 0));
        file->SetShowAccelChar(false);
        file->SetCaption(settingsPath);
        const int top = clientHeight - 33;
        auto* ok =
            forms::MakeChild<forms::TButton>(this, forms::Bounds(clientWidth - 168, top, 75, 25));
        ok->SetCaption("OK");
        ok->SetModalResult(forms::mrOk);
        ok->SetDefault(true);
        auto* cancel =
            forms::MakeChild<forms::TButton>(this, forms::Bounds(clientWidth - 85, top, 75, 25));
        cancel->SetCaption("キャンセル");
        cancel->SetModalResult(forms::mrCancel);
        cancel->SetCancel(true);
    }
};

} // namespace

bool ShowEditorStandIn(std::string_view caption, int clientWidth, int clientHeight, int x, int y,
                       bool centre, const std::string& settingsPath) {
    auto form = forms::MakeScoped<TEditorStandIn>(caption, clientWidth, clientHeight, settingsPath);
    PlaceEditorForm(*form, x, y, centre);
    return form->ShowModal() == forms::mrOk;
}
