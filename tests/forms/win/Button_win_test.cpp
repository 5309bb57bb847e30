// Push buttons: Default and Cancel take effect whenever they are set, before or after the
// button lies on a form and before or after its window exists.
#include "support/WinTest.h"

#include "forms/win/Button.h"
#include "forms/win/Panel.h"

using namespace forms;

namespace {
// The push-button type of the window's style.
DWORD ButtonType(HWND h) {
    return static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE)) & BS_TYPEMASK;
}
} // namespace

using ButtonTest = WinTest;

TEST_F(ButtonTest, DefaultSetBeforeTheButtonHasAParentRegistersWhenItGetsOne) {
    auto f = ShownForm();
    auto* ok = MakeOwned<TButton>(f.get());
    ok->SetDefault(true);
    EXPECT_EQ(f->DefaultButton(), nullptr); // not on the form yet
    ok->SetParent(f.get());
    EXPECT_EQ(f->DefaultButton(), ok);
    ASSERT_TRUE(ok->HandleAllocated());
    EXPECT_EQ(ButtonType(ok->Handle()), static_cast<DWORD>(BS_DEFPUSHBUTTON));
}

TEST_F(ButtonTest, CancelOnAPanelWithoutAFormRegistersWhenThePanelIsPlaced) {
    auto f = ShownForm();
    auto* panel = MakeOwned<TPanel>(f.get());
    auto* cancel = MakeOwned<TButton>(f.get());
    cancel->SetParent(panel);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    EXPECT_EQ(f->CancelButton(), nullptr);
    panel->SetParent(f.get());
    EXPECT_EQ(f->CancelButton(), cancel);
    int clicks = 0;
    cancel->OnClick = [&](TComponent*) { ++clicks; };
    kbtest::PostKey(cancel->Handle(), VK_ESCAPE);
    EXPECT_TRUE(kbtest::PumpUntil([&] { return clicks == 1; }));
}

TEST_F(ButtonTest, DefaultSetBeforeTheWindowExistsIsCreatedAsDefault) {
    auto f = MakeScoped<TForm>(); // no window yet
    auto* ok = MakeOwned<TButton>(f.get());
    ok->SetParent(f.get());
    ok->SetDefault(true);
    EXPECT_EQ(f->DefaultButton(), ok);
    EXPECT_FALSE(ok->HandleAllocated());
    EXPECT_EQ(ButtonType(ok->Handle()), static_cast<DWORD>(BS_DEFPUSHBUTTON));
}

TEST_F(ButtonTest, DefaultSwitchedOnTheLiveWindowChangesItsStyle) {
    auto f = ShownForm();
    auto* ok = MakeOwned<TButton>(f.get());
    ok->SetParent(f.get());
    ASSERT_TRUE(ok->HandleAllocated());
    EXPECT_EQ(ButtonType(ok->Handle()), static_cast<DWORD>(BS_PUSHBUTTON));
    ok->SetDefault(true);
    EXPECT_EQ(f->DefaultButton(), ok);
    EXPECT_EQ(ButtonType(ok->Handle()), static_cast<DWORD>(BS_DEFPUSHBUTTON));
    ok->SetDefault(false);
    EXPECT_EQ(f->DefaultButton(), nullptr);
    EXPECT_EQ(ButtonType(ok->Handle()), static_cast<DWORD>(BS_PUSHBUTTON));
    ok->SetCancel(true);
    EXPECT_EQ(f->CancelButton(), ok);
    ok->SetCancel(false);
    EXPECT_EQ(f->CancelButton(), nullptr);
}

TEST_F(ButtonTest, ButtonMovedToAnotherFormGoesWithItsRoles) {
    auto first = ShownForm();
    auto second = ShownForm();
    auto* b = MakeOwned<TButton>(first.get());
    b->SetParent(first.get());
    b->SetDefault(true);
    b->SetCancel(true);
    b->SetParent(second.get());
    EXPECT_EQ(first->DefaultButton(), nullptr);
    EXPECT_EQ(first->CancelButton(), nullptr);
    EXPECT_EQ(second->DefaultButton(), b);
    EXPECT_EQ(second->CancelButton(), b);
    b->SetParent(nullptr);
    EXPECT_EQ(second->DefaultButton(), nullptr);
    EXPECT_TRUE(b->Default()); // it comes back with the button
    b->SetParent(first.get());
    EXPECT_EQ(first->DefaultButton(), b);
}

TEST_F(ButtonTest, ButtonOutlivingItsFormForgetsIt) {
    auto* f = new TForm(nullptr);
    Scoped<TButton> b = MakeScoped<TButton>();
    b->SetDefault(true);
    b->SetParent(f);
    EXPECT_EQ(f->DefaultButton(), b.get());
    b->SetParent(nullptr);
    ComponentDelete()(f);
    b->SetDefault(false); // must not reach the freed form
    EXPECT_FALSE(b->Default());
}

TEST_F(ButtonTest, ButtonLeftOnAGoneFormWithoutBeingMovedForgetsIt) {
    auto* f = new TForm(nullptr);
    f->AfterConstruction();
    Scoped<TButton> b = MakeScoped<TButton>();
    b->SetParent(f);
    b->SetCancel(true);
    ComponentDelete()(f); // lets its children go without moving them
    EXPECT_EQ(b->Parent(), nullptr);
    b->SetCancel(false); // must not reach the freed form
    EXPECT_FALSE(b->Cancel());
}
