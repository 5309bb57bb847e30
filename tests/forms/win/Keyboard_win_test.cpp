// The key pipeline: form preview, the focused control, translation, dialog keys, tab order.
#include "support/WinTest.h"

#include "forms/win/Button.h"
#include "forms/win/Label.h"

using namespace forms;
using kbtest::PumpPosted;

namespace {
class TKeyBox : public TCustomControl {
public:
    explicit TKeyBox(TComponent* owner) : TCustomControl(owner) {
        SetTabStop(true);
        SetBounds(10, 10, 50, 30);
    }
    UINT dlgCode = 0;
    UINT DlgCode() override { return dlgCode; }
};

struct Fixture : WinTest {
    void SetUp() override {
        WinTest::SetUp();
        form = ShownForm(240, 160);
        a = MakeOwned<TKeyBox>(form.get());
        a->SetParent(form.get());
        b = MakeOwned<TKeyBox>(form.get());
        b->SetLeft(80);
        b->SetParent(form.get());
        c = MakeOwned<TKeyBox>(form.get());
        c->SetLeft(150);
        c->SetParent(form.get());
        a->SetFocus();
        ASSERT_TRUE(kbtest::PumpUntil([this] { return a->Focused(); }));
    }
    void TearDown() override {
        form.reset();
        WinTest::TearDown();
    }
    // A key to the focused window, and everything it leads to (its character, dialog keys).
    void Key(WORD vk) {
        kbtest::PostKey(GetFocus(), vk);
        PumpPosted();
    }
    Scoped<TForm> form;
    TKeyBox *a = nullptr, *b = nullptr, *c = nullptr;
};
} // namespace

using KeyboardTest = Fixture;

TEST_F(KeyboardTest, FocusedControlGetsKeyDownUpAndChar) {
    std::vector<std::string> events;
    a->OnKeyDown = [&](TComponent*, uint16_t& k, TShiftState) {
        events.push_back("down " + std::to_string(k));
    };
    a->OnKeyPress = [&](TComponent*, uint16_t& k) {
        events.push_back("press " + std::to_string(k));
    };
    a->OnKeyUp = [&](TComponent*, uint16_t& k, TShiftState) {
        events.push_back("up " + std::to_string(k));
    };
    // Down, then up once the down is handled, as typing does.
    const UINT scan = MapVirtualKeyW('A', MAPVK_VK_TO_VSC);
    PostMessageW(a->Handle(), WM_KEYDOWN, 'A', 1 | (scan << 16));
    PumpPosted();
    PostMessageW(a->Handle(), WM_KEYUP, 'A', 1 | (scan << 16) | (3u << 30));
    PumpPosted();
    EXPECT_EQ(events, (std::vector<std::string>{"down 65", "press 97", "up 65"}));
}

TEST_F(KeyboardTest, KeyPreviewLetsTheFormSeeKeysFirst) {
    std::vector<std::string> events;
    form->SetKeyPreview(true);
    form->OnKeyDown = [&](TComponent*, uint16_t&, TShiftState) { events.push_back("form"); };
    a->OnKeyDown = [&](TComponent*, uint16_t&, TShiftState) { events.push_back("control"); };
    Key('B');
    EXPECT_EQ(events, (std::vector<std::string>{"form", "control"}));
}

TEST_F(KeyboardTest, ConsumedKeyStopsButItsCharacterStillComes) {
    std::vector<std::string> events;
    form->SetKeyPreview(true);
    form->OnKeyDown = [&](TComponent*, uint16_t& k, TShiftState) { k = 0; };
    a->OnKeyDown = [&](TComponent*, uint16_t&, TShiftState) { events.push_back("down"); };
    a->OnKeyPress = [&](TComponent*, uint16_t&) { events.push_back("press"); };
    Key('C');
    EXPECT_EQ(events, (std::vector<std::string>{"press"}));
}

TEST_F(KeyboardTest, KeysSentDirectlyFireOnce) {
    int downs = 0;
    a->OnKeyDown = [&](TComponent*, uint16_t&, TShiftState) { ++downs; };
    SendMessageW(a->Handle(), WM_KEYDOWN, 'D', 1);
    Key('D');
    EXPECT_EQ(downs, 2);
}

TEST_F(KeyboardTest, TabFollowsTabOrderAndWraps) {
    Key(VK_TAB);
    EXPECT_TRUE(b->Focused());
    Key(VK_TAB);
    EXPECT_TRUE(c->Focused());
    Key(VK_TAB);
    EXPECT_TRUE(a->Focused());
    c->SetTabOrder(0);
    Key(VK_TAB);
    EXPECT_TRUE(b->Focused());
}

TEST_F(KeyboardTest, ControlWantingTabKeepsIt) {
    a->dlgCode = DLGC_WANTTAB;
    int tabs = 0;
    a->OnKeyDown = [&](TComponent*, uint16_t& k, TShiftState) { tabs += k == VK_TAB; };
    Key(VK_TAB);
    EXPECT_TRUE(a->Focused());
    EXPECT_EQ(tabs, 1);
}

TEST_F(KeyboardTest, ArrowsMoveFocusUnlessWanted) {
    Key(VK_RIGHT);
    EXPECT_TRUE(b->Focused());
    b->dlgCode = DLGC_WANTARROWS;
    Key(VK_RIGHT);
    EXPECT_TRUE(b->Focused());
}

TEST_F(KeyboardTest, WithoutDialogKeysTabReachesTheControl) {
    form->SetDialogKeys(false);
    int tabs = 0;
    a->OnKeyDown = [&](TComponent*, uint16_t& k, TShiftState) { tabs += k == VK_TAB; };
    Key(VK_TAB);
    EXPECT_TRUE(a->Focused());
    EXPECT_EQ(tabs, 1);
}

TEST_F(KeyboardTest, NextDialogControlMessageMovesFocus) {
    SendMessageW(form->Handle(), WM_NEXTDLGCTL, 0, 0);
    EXPECT_TRUE(b->Focused());
    SendMessageW(form->Handle(), WM_NEXTDLGCTL, 1, 0);
    SendMessageW(form->Handle(), WM_NEXTDLGCTL, 1, 0);
    EXPECT_TRUE(c->Focused());
    SendMessageW(form->Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(b->Handle()), 1);
    EXPECT_TRUE(b->Focused());
}

TEST_F(KeyboardTest, EnterAndEscapeClickDefaultAndCancelButtons) {
    auto* ok = MakeOwned<TButton>(form.get());
    ok->SetCaption("OK");
    ok->SetBounds(10, 100, 70, 24);
    ok->SetParent(form.get());
    auto* cancel = MakeOwned<TButton>(form.get());
    cancel->SetCaption("キャンセル");
    cancel->SetBounds(90, 100, 70, 24);
    cancel->SetParent(form.get());
    std::vector<std::string> clicks;
    ok->OnClick = [&](TComponent*) { clicks.push_back("ok"); };
    cancel->OnClick = [&](TComponent*) { clicks.push_back("cancel"); };
    ok->SetDefault(true);
    cancel->SetCancel(true);
    a->SetFocus();
    Key(VK_RETURN);
    Key(VK_ESCAPE);
    EXPECT_EQ(clicks, (std::vector<std::string>{"ok", "cancel"}));
    form->SetCancelButton(nullptr);
    Key(VK_ESCAPE);
    EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(KeyboardTest, AltMnemonicOfALabelFocusesItsControl) {
    auto* label = MakeOwned<TLabel>(form.get());
    label->SetCaption("名前(&N)");
    label->SetParent(form.get());
    label->SetFocusControl(c);
    PostMessageW(a->Handle(), WM_SYSCHAR, 'n', 1 << 29);
    EXPECT_TRUE(kbtest::PumpUntil([this] { return c->Focused(); }));
}

TEST_F(KeyboardTest, ActiveControlComesBackOnReactivation) {
    b->SetFocus();
    auto other = ShownForm(100, 80);
    EXPECT_EQ(form->ActiveControl(), b);
    other.reset();
    kbtest::BringToFront(form->Handle());
    EXPECT_TRUE(kbtest::PumpUntil([&] { return b->Focused(); }, 2000));
}

TEST_F(KeyboardTest, PressFocusesATabStop) {
    kbtest::PostClick(c->Handle(), 3, 3);
    EXPECT_TRUE(kbtest::PumpUntil([this] { return c->Focused(); }));
}
