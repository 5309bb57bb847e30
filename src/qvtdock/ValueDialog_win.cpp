#include "qvtdock/ValueDialog.h"

#include "forms/base/Method.h"
#include "forms/win/Screen.h"
#include "qvtdock/ValueDialogForm.h"
#include "qvtdock/ValueDialogPlacement.h"

using forms::Bounds;
using forms::MakeChild;

TResIconBox::TResIconBox(forms::TComponent* owner) : forms::TForm(owner) {
    SetBorderStyle(forms::TFormBorderStyle::bsDialog);
    SetStayOnTop(true);
    SetClientSize(286, 80);

    LbMes = MakeChild<forms::TLabel>(this, Bounds(8, 6, 0, 0));
    SpinIconSize = MakeChild<forms::TSpinEdit>(this, Bounds(160, 24, 80, 21));
    OKButton = MakeChild<forms::TButton>(this, Bounds(110, 56, 82, 21));
    OKButton->SetCaption("OK");
    OKButton->SetModalResult(forms::mrOk);
    // Enter confirms, but only while OK itself can be pressed (not with an empty text).
    OKButton->SetDefault(true);
    BtnCansel = MakeChild<forms::TButton>(this, Bounds(198, 56, 82, 21));
    BtnCansel->SetCaption("キャンセル");
    BtnCansel->SetModalResult(forms::mrCancel);
    BtnCansel->SetCancel(true);
    EdMes = MakeChild<forms::TEdit>(this, Bounds(8, 24, 273, 21));
    EdMes->SetVisible(false);
    EdMes->OnChange = forms::Method(this, &TResIconBox::EdMesChange);
    DefButton = MakeChild<forms::TButton>(this, Bounds(6, 56, 82, 21));
    DefButton->SetCaption("デフォルト");
    DefButton->SetVisible(false);
    DefButton->OnClick = forms::Method(this, &TResIconBox::DefButtonClick);
    SComboBox = MakeChild<forms::TComboBox>(this, Bounds(8, 24, 273, 21));
    SComboBox->SetStyle(forms::TComboBoxStyle::csDropDownList);
    SComboBox->SetVisible(false);

    OnShow = forms::Method(this, &TResIconBox::FormShow);
}

void TResIconBox::Prepare(int x, int y, const std::string& caption, const std::string& message) {
    requestedLeft_ = x;
    requestedTop_ = y;
    SetCaption(caption);
    LbMes->SetCaption(message);
    SpinIconSize->SetVisible(false);
    EdMes->SetVisible(false);
    SComboBox->SetVisible(false);
    DefButton->SetVisible(false);
}

void TResIconBox::ShowInput(forms::TWinControl* input) {
    input->SetVisible(true);
    SetActiveControl(input);
}

void TResIconBox::FormShow(forms::TComponent*) {
    const forms::TPoint p = ValueDialogPosition(requestedLeft_, requestedTop_, {Width(), Height()},
                                                forms::Screen.WorkArea());
    SetBounds(p.X, p.Y, Width(), Height());
}

void TResIconBox::EdMesChange(forms::TComponent*) {
    OKButton->SetEnabled(!EdMes->Text().empty());
}

void TResIconBox::DefButtonClick(forms::TComponent*) {
    if (DefButton->Visible())
        SpinIconSize->SetValue(defaultValue_);
}

bool InputNumber(int x, int y, int min, int max, const std::string& caption,
                 const std::string& message, int& value, int defaultValue) {
    auto form = forms::MakeScoped<TResIconBox>();
    form->Prepare(x, y, caption, message);
    form->SpinIconSize->SetMinValue(min);
    form->SpinIconSize->SetMaxValue(max);
    form->SpinIconSize->SetValue(value);
    form->defaultValue_ = defaultValue;
    form->DefButton->SetVisible(defaultValue != -1);
    form->ShowInput(form->SpinIconSize);
    if (form->ShowModal() != forms::mrOk)
        return false;
    value = form->SpinIconSize->Value();
    return true;
}

bool InputText(int x, int y, const std::string& caption, const std::string& message,
               std::string& text) {
    auto form = forms::MakeScoped<TResIconBox>();
    form->Prepare(x, y, caption, message);
    form->EdMes->SetText(text);
    form->EdMesChange(form->EdMes); // an empty start text changes nothing, yet disables OK
    form->ShowInput(form->EdMes);
    if (form->ShowModal() != forms::mrOk)
        return false;
    text = form->EdMes->Text();
    return true;
}

bool InputChoice(int x, int y, const std::string& caption, const std::string& message,
                 const std::vector<std::string>& items, int& index, int startIndex) {
    auto form = forms::MakeScoped<TResIconBox>();
    form->Prepare(x, y, caption, message);
    {
        forms::TStringsUpdate update(form->SComboBox->Items());
        for (const std::string& item : items)
            form->SComboBox->Items().Add(item);
    }
    form->SComboBox->SetItemIndex(startIndex);
    form->ShowInput(form->SComboBox);
    if (form->ShowModal() != forms::mrOk)
        return false;
    index = form->SComboBox->ItemIndex();
    return true;
}
