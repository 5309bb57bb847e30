// The value dialog: its form as designed, and the three questions answered from a driver thread
// with real messages (typed characters, keys, button clicks, the close box) while the dialog is
// modal.
#include "qvtdock/ValueDialog.h"
#include "qvtdock/ValueDialogForm.h"
#include "support/WinTest.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// ---- what the driver thread does to the open dialog ----

HWND Child(HWND dialog, const wchar_t* className, const std::string& text = "") {
    return kbtest::FindChildWindow(dialog, className, text);
}
HWND Spin(HWND dialog) {
    return Child(dialog, L"TSpinEdit");
}
HWND Edit(HWND dialog) {
    return Child(dialog, L"TEdit");
}
HWND Combo(HWND dialog) {
    return Child(dialog, L"TComboBox");
}
HWND Ok(HWND dialog) {
    return Child(dialog, L"TButton", "OK");
}
HWND CancelButton(HWND dialog) {
    return Child(dialog, L"TButton", "キャンセル");
}
HWND DefaultButton(HWND dialog) {
    return Child(dialog, L"TButton", "デフォルト");
}
void Press(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}
// Selects everything in the edit, then types the characters over it.
void TypeOver(HWND edit, const std::wstring& chars) {
    SendMessageW(edit, EM_SETSEL, 0, -1);
    for (wchar_t ch : chars)
        PostMessageW(edit, WM_CHAR, ch, 1);
}
bool Shown(HWND window) {
    return window && IsWindowVisible(window);
}

// What the driver saw of the dialog before it answered.
struct Seen {
    bool found = false;
    std::string caption, message;
    bool spin = false, edit = false, combo = false, defaultButton = false;
    std::string inputText; // the shown input's text
    RECT client{}, window{};
    bool topmost = false;
    bool okEnabled = false;
};

Seen Read(HWND dialog) {
    Seen s;
    s.found = true;
    s.caption = kbtest::WindowText(dialog);
    s.message = kbtest::WindowText(Child(dialog, L"TLabel"));
    s.spin = Shown(Spin(dialog));
    s.edit = Shown(Edit(dialog));
    s.combo = Shown(Combo(dialog));
    s.defaultButton = Shown(DefaultButton(dialog));
    HWND input = s.spin ? Spin(dialog) : s.edit ? Edit(dialog) : Combo(dialog);
    s.inputText = kbtest::WindowText(input);
    GetClientRect(dialog, &s.client);
    s.window = kbtest::ScreenRectOf(dialog);
    s.topmost = (GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    s.okEnabled = IsWindowEnabled(Ok(dialog)) != FALSE;
    return s;
}

RECT WorkArea() {
    RECT r{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return r;
}

class ValueDialogTest : public WinTest {
protected:
    // Asks with ask() while answer handles the dialog on the driver's thread; what the dialog
    // showed is in seen. The answer itself must end the dialog (not the driver's fallback), and
    // the dialog is gone afterwards.
    bool Ask(const std::function<bool()>& ask, const std::function<void(HWND)>& answer) {
        bool result = false, answered = false;
        {
            kbtest::WindowDriver driver(L"TResIconBox", [&](HWND dialog) {
                seen = Read(dialog);
                answer(dialog);
                answered = kbtest::WaitUntil([dialog] { return !IsWindowVisible(dialog); });
            });
            result = ask();
        } // the driver's thread has ended here
        EXPECT_TRUE(answered);
        EXPECT_EQ(kbtest::FindTopWindow(L"TResIconBox"), nullptr);
        return result;
    }
    bool Number(int min, int max, int& value, int defaultValue,
                const std::function<void(HWND)>& answer, int x = 100, int y = 100) {
        return Ask(
            [&] {
                return InputNumber(x, y, min, max, "ボタンサイズ", "サイズ", value, defaultValue);
            },
            answer);
    }
    bool Text(std::string& text, const std::function<void(HWND)>& answer) {
        return Ask([&] { return InputText(100, 100, "ページ名", "新しいページの名前", text); },
                   answer);
    }
    bool Choice(const std::vector<std::string>& items, int& index, int start,
                const std::function<void(HWND)>& answer) {
        return Ask([&] { return InputChoice(100, 100, "並べ替え", "順序", items, index, start); },
                   answer);
    }

    Seen seen;
};

} // namespace

// ---- the form ----

TEST_F(ValueDialogTest, Form_ComponentsStandAtTheirPlaces) {
    auto form = forms::MakeScoped<TResIconBox>();
    EXPECT_EQ(form->LbMes->Left(), 8);
    EXPECT_EQ(form->LbMes->Top(), 6);
    EXPECT_EQ(form->SpinIconSize->BoundsRect(), forms::Bounds(160, 24, 80, 21));
    EXPECT_EQ(form->OKButton->BoundsRect(), forms::Bounds(110, 56, 82, 21));
    EXPECT_EQ(form->BtnCansel->BoundsRect(), forms::Bounds(198, 56, 82, 21));
    EXPECT_EQ(form->EdMes->BoundsRect(), forms::Bounds(8, 24, 273, 21));
    EXPECT_EQ(form->DefButton->BoundsRect(), forms::Bounds(6, 56, 82, 21));
    EXPECT_EQ(form->SComboBox->Left(), 8);
    EXPECT_EQ(form->SComboBox->Top(), 24);
    EXPECT_EQ(form->SComboBox->Width(), 273);
}

TEST_F(ValueDialogTest, Form_OnlyTheSpinEditShowsUntilAQuestionChoosesItsInput) {
    auto form = forms::MakeScoped<TResIconBox>();
    EXPECT_TRUE(form->SpinIconSize->Visible());
    EXPECT_FALSE(form->EdMes->Visible());
    EXPECT_FALSE(form->DefButton->Visible());
    EXPECT_FALSE(form->SComboBox->Visible());
}

TEST_F(ValueDialogTest, Form_ButtonsAnswerOkAndCancelAndTheListTakesNoFreeText) {
    auto form = forms::MakeScoped<TResIconBox>();
    EXPECT_EQ(form->OKButton->Caption(), "OK");
    EXPECT_EQ(form->OKButton->ModalResult(), forms::mrOk);
    EXPECT_EQ(form->BtnCansel->Caption(), "キャンセル");
    EXPECT_EQ(form->BtnCansel->ModalResult(), forms::mrCancel);
    EXPECT_EQ(form->CancelButton(), form->BtnCansel);
    EXPECT_EQ(form->DefaultButton(), form->OKButton);
    EXPECT_EQ(form->DefButton->Caption(), "デフォルト");
    EXPECT_EQ(form->DefButton->ModalResult(), forms::mrNone);
    EXPECT_EQ(form->SComboBox->Style(), forms::TComboBoxStyle::csDropDownList);
}

TEST_F(ValueDialogTest, Form_IsATopmostDialogInTheDefaultFont) {
    auto form = forms::MakeScoped<TResIconBox>();
    EXPECT_EQ(form->BorderStyle(), forms::TFormBorderStyle::bsDialog);
    EXPECT_TRUE(form->StayOnTop());
    EXPECT_EQ(form->ClientWidth(), 286);
    EXPECT_EQ(form->ClientHeight(), 80);
    EXPECT_EQ(form->Font().Name(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(form->Font().Height(), -12);
}

TEST_F(ValueDialogTest, Form_DefaultButtonClickWhileHidden_ChangesNothing) {
    auto form = forms::MakeScoped<TResIconBox>();
    form->SpinIconSize->SetMaxValue(100);
    form->SpinIconSize->SetValue(30);
    form->defaultValue_ = 50;
    form->DefButtonClick(form->DefButton);
    EXPECT_EQ(form->SpinIconSize->Value(), 30);
    form->DefButton->SetVisible(true);
    form->DefButtonClick(form->DefButton);
    EXPECT_EQ(form->SpinIconSize->Value(), 50);
}

// ---- numbers ----

TEST_F(ValueDialogTest, InputNumber_ShowsItsTextsAndOnlyTheSpinEditAt286x80OnTop) {
    int value = 48;
    EXPECT_TRUE(Number(24, 72, value, 40, [](HWND d) { Press(Ok(d)); }));
    EXPECT_EQ(value, 48);
    EXPECT_EQ(seen.caption, "ボタンサイズ");
    EXPECT_EQ(seen.message, "サイズ");
    EXPECT_TRUE(seen.spin);
    EXPECT_FALSE(seen.edit);
    EXPECT_FALSE(seen.combo);
    EXPECT_TRUE(seen.defaultButton);
    EXPECT_EQ(seen.inputText, "48"); // the current value, not the default
    EXPECT_EQ(seen.client.right - seen.client.left, 286);
    EXPECT_EQ(seen.client.bottom - seen.client.top, 80);
    EXPECT_TRUE(seen.topmost);
}

TEST_F(ValueDialogTest, InputNumber_Typing99InA24To72Dialog_Gives72) {
    int value = 32;
    EXPECT_TRUE(Number(24, 72, value, -1, [](HWND d) {
        TypeOver(Spin(d), L"99");
        Press(Ok(d));
    }));
    EXPECT_EQ(value, 72);
}

TEST_F(ValueDialogTest, InputNumber_TypedNumberWithinTheRange_IsTheAnswer) {
    int value = 32;
    EXPECT_TRUE(Number(24, 72, value, -1, [](HWND d) {
        TypeOver(Spin(d), L"56");
        Press(Ok(d));
    }));
    EXPECT_EQ(value, 56);
}

TEST_F(ValueDialogTest, InputNumber_TypedLetters_AreRefusedAndTheValueStays) {
    int value = 32;
    EXPECT_TRUE(Number(24, 72, value, -1, [](HWND d) {
        TypeOver(Spin(d), L"abc");
        Press(Ok(d));
    }));
    EXPECT_EQ(value, 32);
}

TEST_F(ValueDialogTest, InputNumber_TextThatIsNoNumber_GivesTheMinimum) {
    int value = 32;
    EXPECT_TRUE(Number(24, 72, value, -1, [](HWND d) {
        // As a paste would put it there: typing refuses letters.
        SendMessageW(Spin(d), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"abc"));
        Press(Ok(d));
    }));
    EXPECT_EQ(value, 24);
}

TEST_F(ValueDialogTest, InputNumber_Enter_PressesOk) {
    int value = 32;
    EXPECT_TRUE(Number(24, 72, value, -1, [](HWND d) {
        TypeOver(Spin(d), L"50");
        kbtest::PostKey(Spin(d), VK_RETURN);
    }));
    EXPECT_EQ(value, 50);
}

TEST_F(ValueDialogTest, InputNumber_CancelEscAndTheCloseBox_LeaveTheValue) {
    const std::vector<std::pair<const char*, std::function<void(HWND)>>> ways{
        {"Cancel", [](HWND d) { Press(CancelButton(d)); }},
        {"Esc", [](HWND d) { kbtest::PostKey(Spin(d), VK_ESCAPE); }},
        {"close box", [](HWND d) { PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& [name, cancel] : ways) {
        int value = 32;
        EXPECT_FALSE(Number(24, 72, value, 40, [&cancel](HWND d) {
            TypeOver(Spin(d), L"60");
            cancel(d);
        })) << name;
        EXPECT_EQ(value, 32) << name;
    }
}

TEST_F(ValueDialogTest, InputNumber_DefaultButton_RestoresTheDefaultAndLeavesTheDialogOpen) {
    int value = 60;
    bool restored = false, stillOpen = false;
    EXPECT_TRUE(Number(24, 72, value, 40, [&](HWND d) {
        Press(DefaultButton(d));
        restored = kbtest::WaitUntil([d] { return kbtest::WindowText(Spin(d)) == "40"; });
        stillOpen = IsWindowVisible(d) != FALSE;
        Press(Ok(d));
    }));
    EXPECT_TRUE(restored);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(value, 40);
}

TEST_F(ValueDialogTest, InputNumber_DefaultMinusOne_HasNoDefaultButton) {
    int value = 60;
    EXPECT_TRUE(Number(24, 72, value, -1, [](HWND d) { Press(Ok(d)); }));
    EXPECT_FALSE(seen.defaultButton);
    EXPECT_EQ(value, 60);
}

TEST_F(ValueDialogTest, InputNumber_StartValueOutsideTheRange_ShowsTheNearestBound) {
    int value = 100;
    EXPECT_TRUE(Number(24, 72, value, -1, [](HWND d) { Press(Ok(d)); }));
    EXPECT_EQ(seen.inputText, "72");
    EXPECT_EQ(value, 72);
}

TEST_F(ValueDialogTest, InputNumber_MinimumAboveMaximum_LeavesOnlyTheMaximum) {
    int value = 30;
    EXPECT_TRUE(Number(50, 10, value, -1, [](HWND d) {
        TypeOver(Spin(d), L"30");
        Press(Ok(d));
    }));
    EXPECT_EQ(value, 10);
}

TEST_F(ValueDialogTest, InputNumber_NearTheBottomRightCorner_EndsOnTheWorkAreasCorner) {
    const RECT work = WorkArea();
    int value = 30;
    EXPECT_TRUE(Number(
        24, 72, value, -1, [](HWND d) { Press(Ok(d)); }, work.right - 10, work.bottom - 10));
    EXPECT_EQ(seen.window.right, work.right);
    EXPECT_EQ(seen.window.bottom, work.bottom);
}

TEST_F(ValueDialogTest, InputNumber_AboveAndLeftOfTheScreen_StandsAtTheWorkAreasTopLeft) {
    const RECT work = WorkArea();
    int value = 30;
    EXPECT_TRUE(Number(
        24, 72, value, -1, [](HWND d) { Press(Ok(d)); }, -400, -300));
    EXPECT_EQ(seen.window.left, work.left);
    EXPECT_EQ(seen.window.top, work.top);
}

TEST_F(ValueDialogTest, InputNumber_InsideTheWorkArea_StandsWhereAsked) {
    int value = 30;
    EXPECT_TRUE(Number(
        24, 72, value, -1, [](HWND d) { Press(Ok(d)); }, 123, 234));
    EXPECT_EQ(seen.window.left, 123);
    EXPECT_EQ(seen.window.top, 234);
}

// ---- texts ----

TEST_F(ValueDialogTest, InputText_ShowsOnlyTheEditWithTheStartTextAndGivesTheEditedText) {
    std::string text = "ページ";
    EXPECT_TRUE(Text(text, [](HWND d) {
        SendMessageW(Edit(d), EM_SETSEL, 3, 3);
        PostMessageW(Edit(d), WM_CHAR, L'表', 1);
        PostMessageW(Edit(d), WM_CHAR, L'2', 1);
        Press(Ok(d));
    }));
    EXPECT_EQ(seen.caption, "ページ名");
    EXPECT_EQ(seen.message, "新しいページの名前");
    EXPECT_FALSE(seen.spin);
    EXPECT_TRUE(seen.edit);
    EXPECT_FALSE(seen.combo);
    EXPECT_FALSE(seen.defaultButton);
    EXPECT_EQ(seen.inputText, "ページ");
    EXPECT_TRUE(seen.okEnabled);
    EXPECT_EQ(text, "ページ表2");
}

TEST_F(ValueDialogTest, InputText_ClearingDisablesOkAndOneCharacterEnablesIt) {
    std::string text = "Page";
    bool disabled = false, enabledAgain = false;
    EXPECT_TRUE(Text(text, [&](HWND d) {
        TypeOver(Edit(d), L"");
        disabled = kbtest::WaitUntil([d] { return !IsWindowEnabled(Ok(d)); });
        TypeOver(Edit(d), L"x");
        enabledAgain = kbtest::WaitUntil([d] { return IsWindowEnabled(Ok(d)) != FALSE; });
        Press(Ok(d));
    }));
    EXPECT_TRUE(disabled);
    EXPECT_TRUE(enabledAgain);
    EXPECT_EQ(text, "x");
}

TEST_F(ValueDialogTest, InputText_EmptyText_CannotBeConfirmedByEnter) {
    std::string text;
    EXPECT_FALSE(Text(text, [](HWND d) {
        kbtest::PostKey(Edit(d), VK_RETURN);
        Press(CancelButton(d)); // handled after Enter: only reached while the dialog stays
    }));
    EXPECT_FALSE(seen.okEnabled);
    EXPECT_EQ(text, "");
}

TEST_F(ValueDialogTest, InputText_Enter_PressesOk) {
    std::string text = "a";
    EXPECT_TRUE(Text(text, [](HWND d) {
        TypeOver(Edit(d), L"b");
        kbtest::PostKey(Edit(d), VK_RETURN);
    }));
    EXPECT_EQ(text, "b");
}

TEST_F(ValueDialogTest, InputText_CancelAndEsc_LeaveTheText) {
    std::string text = "Page";
    EXPECT_FALSE(Text(text, [](HWND d) {
        TypeOver(Edit(d), L"x");
        Press(CancelButton(d));
    }));
    EXPECT_EQ(text, "Page");
    EXPECT_FALSE(Text(text, [](HWND d) {
        TypeOver(Edit(d), L"x");
        kbtest::PostKey(Edit(d), VK_ESCAPE);
    }));
    EXPECT_EQ(text, "Page");
}

// ---- choices ----

TEST_F(ValueDialogTest, InputChoice_ShowsOnlyTheListWithTheItemsAndTheStartIndex) {
    int index = 7;
    int count = 0;
    std::string second;
    EXPECT_TRUE(Choice({"タイトル", "日付", "種類"}, index, 1, [&](HWND d) {
        count = static_cast<int>(SendMessageW(Combo(d), CB_GETCOUNT, 0, 0));
        second = kbtest::WindowText(Combo(d));
        Press(Ok(d));
    }));
    EXPECT_EQ(seen.caption, "並べ替え");
    EXPECT_EQ(seen.message, "順序");
    EXPECT_FALSE(seen.spin);
    EXPECT_FALSE(seen.edit);
    EXPECT_TRUE(seen.combo);
    EXPECT_FALSE(seen.defaultButton);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(second, "日付");
    EXPECT_EQ(index, 1);
}

TEST_F(ValueDialogTest, InputChoice_AnotherEntryChosen_GivesItsIndex) {
    int index = 0;
    EXPECT_TRUE(Choice({"a", "b", "c"}, index, 0, [](HWND d) {
        kbtest::PostKey(Combo(d), VK_DOWN);
        kbtest::PostKey(Combo(d), VK_DOWN);
        Press(Ok(d));
    }));
    EXPECT_EQ(index, 2);
}

TEST_F(ValueDialogTest, InputChoice_CancelAndTheCloseBox_LeaveTheIndex) {
    int index = 5;
    EXPECT_FALSE(Choice({"a", "b", "c"}, index, 0, [](HWND d) {
        kbtest::PostKey(Combo(d), VK_DOWN);
        Press(CancelButton(d));
    }));
    EXPECT_EQ(index, 5);
    EXPECT_FALSE(Choice({"a", "b", "c"}, index, 0,
                        [](HWND d) { PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); }));
    EXPECT_EQ(index, 5);
}

TEST_F(ValueDialogTest, InputChoice_StartIndexOutsideTheItems_SelectsNothing) {
    int index = 5;
    EXPECT_TRUE(Choice({"a", "b"}, index, 2, [](HWND d) { Press(Ok(d)); }));
    EXPECT_EQ(seen.inputText, "");
    EXPECT_EQ(index, -1);
    index = 5;
    EXPECT_TRUE(Choice({}, index, 0, [](HWND d) { Press(Ok(d)); }));
    EXPECT_EQ(index, -1);
}
