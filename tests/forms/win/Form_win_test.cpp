#include "support/WinTest.h"

#include "forms/base/Exceptions.h"
#include "forms/win/Timer.h"

using namespace forms;

namespace {
class TfmSample : public TForm {
public:
    explicit TfmSample(TComponent* owner) : TForm(owner) {}
};

class TPinnedForm : public TForm {
public:
    explicit TPinnedForm(TComponent* owner) : TForm(owner) {}

protected:
    void CreateParams(TCreateParams& p) override {
        TForm::CreateParams(p);
        p.Style = 0x80010000;
        p.ExStyle = 0x90;
    }
};
} // namespace

using FormTest = WinTest;

TEST_F(FormTest, WindowClassIsTheClassName) {
    auto f = MakeScoped<TfmSample>();
    EXPECT_EQ(kbtest::ClassNameOf(f->Handle()), L"TfmSample");
}

TEST_F(FormTest, FormIsCreatedHidden) {
    auto f = MakeScoped<TForm>();
    EXPECT_FALSE(f->Visible());
    EXPECT_FALSE(IsWindowVisible(f->Handle()));
}

TEST_F(FormTest, OnShowFiresBeforeTheWindowIsVisible) {
    auto f = MakeScoped<TForm>();
    bool visibleInHandler = true;
    f->OnShow = [&](TComponent*) { visibleInHandler = IsWindowVisible(f->Handle()) != FALSE; };
    f->Show();
    EXPECT_FALSE(visibleInHandler);
    EXPECT_TRUE(IsWindowVisible(f->Handle()));
}

TEST_F(FormTest, OnHideFiresAfterTheWindowIsHidden) {
    auto f = ShownForm();
    bool visibleInHandler = true;
    f->OnHide = [&](TComponent*) { visibleInHandler = IsWindowVisible(f->Handle()) != FALSE; };
    f->Hide();
    EXPECT_FALSE(visibleInHandler);
}

TEST_F(FormTest, ErrorInOnShowReachesTheCaller) {
    auto f = MakeScoped<TForm>();
    f->OnShow = [](TComponent*) { throw Exception("表示できません"); };
    EXPECT_THROW(f->Show(), Exception);
}

TEST_F(FormTest, CloseMessageRunsTheCloseQueryAndHides) {
    auto f = ShownForm();
    int queries = 0;
    f->OnCloseQuery = [&](TComponent*, bool&) { ++queries; };
    SendMessageW(f->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(queries, 1);
    EXPECT_FALSE(f->Visible());
    EXPECT_TRUE(IsWindow(f->Handle()));
}

TEST_F(FormTest, RefusedCloseKeepsTheForm) {
    auto f = ShownForm();
    f->OnCloseQuery = [](TComponent*, bool& canClose) { canClose = false; };
    SendMessageW(f->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(f->Visible());
}

TEST_F(FormTest, SessionEndAnswersWithTheCloseQueryAndEndsTheApplication) {
    auto f = ShownForm();
    int queries = 0;
    f->OnCloseQuery = [&](TComponent*, bool&) { ++queries; };
    EXPECT_EQ(SendMessageW(f->Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
    SendMessageW(f->Handle(), WM_ENDSESSION, FALSE, 0); // another program refused
    EXPECT_FALSE(Application.Terminated());
    SendMessageW(f->Handle(), WM_ENDSESSION, TRUE, 0); // a forced end, not asked about
    EXPECT_EQ(queries, 2);
    EXPECT_TRUE(Application.Terminated());
    Application.Run(); // spends the end
}

TEST_F(FormTest, ClientSizeAddsTheFrame) {
    auto f = MakeScoped<TForm>();
    f->SetClientSize(300, 200);
    EXPECT_EQ(f->ClientWidth(), 300);
    EXPECT_EQ(f->ClientHeight(), 200);
    RECT r;
    GetClientRect(f->Handle(), &r);
    EXPECT_EQ(r.right, 300);
    EXPECT_EQ(r.bottom, 200);
    EXPECT_GT(f->Width(), 300);
}

TEST_F(FormTest, BorderlessTopmostToolWindowStyles) {
    auto f = MakeScoped<TForm>();
    f->SetBorderStyle(TFormBorderStyle::bsNone);
    f->SetStayOnTop(true);
    f->SetToolWindow(true);
    HWND h = f->Handle();
    EXPECT_TRUE(GetWindowLongW(h, GWL_STYLE) & WS_POPUP);
    EXPECT_FALSE(GetWindowLongW(h, GWL_STYLE) & WS_CAPTION);
    EXPECT_TRUE(GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}

TEST_F(FormTest, CreateParamsAreUsedVerbatim) {
    auto f = MakeScoped<TPinnedForm>();
    // The system adds WS_CLIPSIBLINGS to every top-level window.
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(f->Handle(), GWL_STYLE)) & ~WS_CLIPSIBLINGS,
              0x80010000u);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(f->Handle(), GWL_EXSTYLE)) & 0xFFu, 0x90u);
}

TEST_F(FormTest, AlphaBlendTogglesTheLayeredStyle) {
    auto f = ShownForm();
    f->SetAlphaBlendValue(128);
    f->SetAlphaBlend(true);
    EXPECT_TRUE(GetWindowLongW(f->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(f->Handle(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 128);
    f->SetAlphaBlend(false);
    EXPECT_FALSE(GetWindowLongW(f->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST_F(FormTest, ScreenCentredPositionUsesScreenWidth) {
    auto f = MakeScoped<TForm>();
    f->SetBounds(0, 0, 300, 200);
    f->SetPosition(TPosition::poScreenCenter);
    f->Show();
    EXPECT_EQ(f->Left(), (GetSystemMetrics(SM_CXSCREEN) - 300) / 2);
    EXPECT_EQ(f->Top(), (GetSystemMetrics(SM_CYSCREEN) - 200) / 2);
}

namespace {
std::vector<std::string> order;
class TLoadProbe : public TComponent {
public:
    explicit TLoadProbe(TComponent* owner, std::string id) : TComponent(owner), id_(id) {}
    void Loaded() override {
        auto* form = dynamic_cast<TForm*>(Owner());
        order.push_back("loaded " + id_ + (form && form->Loading() ? " while loading" : ""));
    }
    std::string id_;
};
class TfmOrdered : public TForm {
public:
    explicit TfmOrdered(TComponent* owner) : TForm(owner) {
        new TLoadProbe(this, "a");
        new TLoadProbe(this, "b");
        OnCreate = [this](TComponent*) {
            order.push_back(Loading() ? "create while loading" : "create");
        };
        OnDestroy = [this](TComponent*) {
            order.push_back(IsWindow(Handle()) ? "destroy with window" : "destroy without");
        };
    }
};
} // namespace

TEST_F(FormTest, LoadedRunsInCreationOrderWhileTheFormLoads) {
    order.clear();
    auto f = MakeScoped<TfmOrdered>();
    EXPECT_EQ(order, (std::vector<std::string>{"loaded a while loading", "loaded b while loading",
                                               "create"}));
    EXPECT_FALSE(f->Loading());
}

TEST_F(FormTest, OnDestroyFiresWhileTheWindowExists) {
    order.clear();
    {
        auto f = MakeScoped<TfmOrdered>();
        (void)f->Handle();
    }
    EXPECT_EQ(order.back(), "destroy with window");
}

TEST_F(FormTest, MainFormCloseEndsTheLoop) {
    TfmSample* main = Application.CreateForm<TfmSample>();
    ASSERT_EQ(Application.MainForm(), main);
    TTimer* timer = MakeOwned<TTimer>(main);
    timer->SetInterval(20);
    timer->OnTimer = [&](TComponent*) { main->Close(); };
    Application.Run();
    EXPECT_TRUE(main->Visible());
    delete main; // a plain delete still cleans up
    EXPECT_EQ(Application.MainForm(), nullptr);
}

TEST_F(FormTest, TerminateBeforeRunEndsRunAtOnce) {
    Application.Terminate();
    Application.Run();
    EXPECT_FALSE(Application.Terminated());
}

namespace {
constexpr DWORD kFrameBits = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX |
                             WS_MAXIMIZEBOX | DS_MODALFRAME;
constexpr DWORD kFrameExBits = WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW;

struct FrameView {
    DWORD style, exStyle;
    RECT client, window;
};

FrameView FrameOf(HWND h) {
    FrameView v{static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE)) & kFrameBits,
                static_cast<DWORD>(GetWindowLongW(h, GWL_EXSTYLE)) & kFrameExBits,
                {},
                {}};
    GetClientRect(h, &v.client);
    GetWindowRect(h, &v.window);
    return v;
}

// A form whose frame is set before its window exists, and one whose frame changes after.
Scoped<TForm> FormWithFrame(TFormBorderStyle style, bool toolWindow, bool afterWindow) {
    auto f = MakeScoped<TForm>();
    f->SetBounds(100, 100, 300, 200);
    if (afterWindow)
        (void)f->Handle();
    f->SetBorderStyle(style);
    f->SetToolWindow(toolWindow);
    (void)f->Handle();
    return f;
}
} // namespace

TEST_F(FormTest, FrameSetAfterTheWindowExistsIsTheFrameSetBefore) {
    const TFormBorderStyle styles[] = {TFormBorderStyle::bsNone, TFormBorderStyle::bsSingle,
                                       TFormBorderStyle::bsDialog, TFormBorderStyle::bsToolWindow};
    for (TFormBorderStyle style : styles) {
        for (bool tool : {false, true}) {
            SCOPED_TRACE(static_cast<int>(style) * 10 + tool);
            auto before = FormWithFrame(style, tool, false);
            auto after = FormWithFrame(style, tool, true);
            const FrameView b = FrameOf(before->Handle()), a = FrameOf(after->Handle());
            EXPECT_EQ(a.style, b.style);
            EXPECT_EQ(a.exStyle, b.exStyle);
            EXPECT_EQ(a.client.right, b.client.right);
            EXPECT_EQ(a.client.bottom, b.client.bottom);
            EXPECT_EQ(after->ClientWidth(), before->ClientWidth());
            EXPECT_EQ(after->ClientHeight(), before->ClientHeight());
            // The window keeps its size; the client area follows the frame.
            EXPECT_EQ(a.window.right - a.window.left, 300);
            EXPECT_EQ(after->Width(), 300);
        }
    }
}

TEST_F(FormTest, BorderlessFrameOfAShownFormTakesTheWholeWindow) {
    auto f = ShownForm(200, 150);
    const int width = f->Width();
    EXPECT_LT(f->ClientWidth(), width);
    f->SetBorderStyle(TFormBorderStyle::bsNone);
    EXPECT_TRUE(IsWindowVisible(f->Handle()));
    EXPECT_FALSE(GetWindowLongW(f->Handle(), GWL_STYLE) & WS_CAPTION);
    EXPECT_EQ(f->ClientWidth(), width);
    EXPECT_EQ(f->Width(), width);
    f->SetBorderStyle(TFormBorderStyle::bsSizeable);
    EXPECT_TRUE(GetWindowLongW(f->Handle(), GWL_STYLE) & WS_THICKFRAME);
    EXPECT_EQ(f->ClientWidth(), 200);
}

TEST_F(FormTest, ToolWindowSwitchesOnTheLiveWindow) {
    auto f = ShownForm();
    f->SetToolWindow(true);
    EXPECT_TRUE(GetWindowLongW(f->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    f->SetToolWindow(false);
    EXPECT_FALSE(GetWindowLongW(f->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    // A tool-window border keeps its bit whatever the setting says.
    f->SetBorderStyle(TFormBorderStyle::bsToolWindow);
    EXPECT_TRUE(GetWindowLongW(f->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}
