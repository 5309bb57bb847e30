#include "support/WinTest.h"

#include "forms/base/Exceptions.h"
#include "forms/win/Label.h"
#include "forms/win/Panel.h"
#include "forms/win/PaintBox.h"

using namespace forms;
using kbtest::PumpUntil;

namespace {
class TProbeBox : public TCustomControl {
public:
    explicit TProbeBox(TComponent* owner) : TCustomControl(owner) { SetBounds(10, 10, 60, 40); }
    std::vector<std::string> log;

protected:
    void CaptureLost() override { log.push_back("capture lost"); }
};
} // namespace

using ControlTest = WinTest;

TEST_F(ControlTest, ChildIsARealWindowOfItsClassName) {
    auto f = ShownForm();
    auto* box = MakeOwned<TProbeBox>(f.get());
    box->SetParent(f.get());
    ASSERT_TRUE(box->HandleAllocated());
    EXPECT_EQ(kbtest::ClassNameOf(box->Handle()), L"TProbeBox");
    EXPECT_EQ(GetParent(box->Handle()), f->Handle());
    EXPECT_EQ(kbtest::FindChildWindow(f->Handle(), L"TProbeBox"), box->Handle());
}

TEST_F(ControlTest, LabelCaptionIsTheWindowText) {
    auto f = ShownForm();
    auto* label = MakeOwned<TLabel>(f.get());
    label->SetParent(f.get());
    label->SetCaption("表示ラベル");
    EXPECT_EQ(kbtest::WindowText(label->Handle()), "表示ラベル");
    EXPECT_EQ(kbtest::ClassNameOf(label->Handle()), L"TLabel");
}

namespace {
// A label that shows a text of its own in its window and keeps its caption.
class TOwnTextLabel : public TLabel {
public:
    explicit TOwnTextLabel(TComponent* owner) : TLabel(owner) {}
    void ShowText(std::string_view text) { SetWindowTextOnly(text); }
};
} // namespace

TEST_F(ControlTest, WindowTextAloneLeavesTheCaption) {
    auto f = ShownForm();
    auto* label = MakeOwned<TOwnTextLabel>(f.get());
    label->SetCaption("見出し");
    label->SetParent(f.get());
    label->ShowText("時計 12:00");
    EXPECT_EQ(kbtest::WindowText(label->Handle()), "時計 12:00");
    EXPECT_EQ(label->WindowText(), "時計 12:00");
    EXPECT_EQ(label->Caption(), "見出し");
    label->SetCaption("新しい見出し"); // a caption sets both again
    EXPECT_EQ(kbtest::WindowText(label->Handle()), "新しい見出し");
    EXPECT_EQ(label->WindowText(), "新しい見出し");
}

TEST_F(ControlTest, WindowTextSetBeforeTheWindowIsWhatTheWindowGets) {
    auto f = ShownForm();
    auto* label = MakeOwned<TOwnTextLabel>(f.get());
    label->ShowText("スクロール");
    EXPECT_FALSE(label->HandleAllocated());
    label->SetParent(f.get());
    EXPECT_EQ(kbtest::WindowText(label->Handle()), "スクロール");
    EXPECT_EQ(label->Caption(), "");
    label->DestroyHandle(); // a window made again keeps the text
    label->HandleNeeded();
    EXPECT_EQ(kbtest::WindowText(label->Handle()), "スクロール");
}

TEST_F(ControlTest, BoundsFollowTheWindow) {
    auto f = ShownForm();
    auto* box = MakeOwned<TProbeBox>(f.get());
    box->SetParent(f.get());
    box->SetBounds(5, 6, 70, 30);
    RECT r = kbtest::ScreenRectOf(box->Handle());
    MapWindowPoints(nullptr, f->Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.top, 6);
    EXPECT_EQ(r.right - r.left, 70);
    MoveWindow(box->Handle(), 1, 2, 20, 10, TRUE);
    EXPECT_EQ(box->BoundsRect(), Rect(1, 2, 21, 12));
}

TEST_F(ControlTest, ResizeEventFiresOnSizeChangeOnly) {
    auto f = ShownForm();
    auto* box = MakeOwned<TProbeBox>(f.get());
    box->SetParent(f.get());
    int resizes = 0;
    box->OnResize = [&](TComponent*) { ++resizes; };
    box->SetBounds(20, 20, 60, 40); // moved, same size
    EXPECT_EQ(resizes, 0);
    box->SetWidth(61);
    EXPECT_EQ(resizes, 1);
}

TEST_F(ControlTest, AlignedChildrenShareTheClientArea) {
    auto f = ShownForm(200, 150);
    auto* top = MakeOwned<TPanel>(f.get());
    top->SetHeight(20);
    top->SetAlign(TAlign::alTop);
    top->SetParent(f.get());
    auto* bottom = MakeOwned<TPanel>(f.get());
    bottom->SetHeight(24);
    bottom->SetAlign(TAlign::alBottom);
    bottom->SetParent(f.get());
    auto* client = MakeOwned<TPanel>(f.get());
    client->SetAlign(TAlign::alClient);
    client->SetParent(f.get());
    EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 200, 20));
    EXPECT_EQ(bottom->BoundsRect(), Rect(0, 126, 200, 150));
    EXPECT_EQ(client->BoundsRect(), Rect(0, 20, 200, 126));
    f->SetClientSize(300, 100);
    EXPECT_TRUE(PumpUntil([&] { return bottom->BoundsRect() == Rect(0, 76, 300, 100); }));
    bottom->Hide();
    EXPECT_EQ(client->BoundsRect(), Rect(0, 20, 300, 100));
}

TEST_F(ControlTest, ColourAndFontComeFromTheParentUntilSet) {
    auto f = MakeScoped<TForm>();
    f->SetColor(clTeal);
    f->Font().SetName("Arial");
    auto* label = MakeOwned<TLabel>(f.get());
    label->SetParent(f.get());
    EXPECT_EQ(label->Color(), clTeal);
    EXPECT_EQ(label->Font().Name(), "Arial");
    f->SetColor(clNavy);
    f->Font().SetHeight(-20);
    EXPECT_EQ(label->Color(), clNavy);
    EXPECT_EQ(label->Font().Height(), -20);
    label->SetColor(clRed);
    label->Font().SetColor(clLime);
    f->SetColor(clWhite);
    f->Font().SetHeight(-9);
    EXPECT_EQ(label->Color(), clRed);
    EXPECT_FALSE(label->ParentFont());
    EXPECT_EQ(label->Font().Height(), -20);
}

TEST_F(ControlTest, ClickComesOnReleaseOverThePressedControl) {
    auto f = ShownForm();
    auto* box = MakeOwned<TProbeBox>(f.get());
    box->SetParent(f.get());
    std::vector<std::string> events;
    box->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState s, int x, int y) {
        events.push_back("down " + std::to_string(x) + "," + std::to_string(y) +
                         ((s & ssLeft) ? " left" : ""));
    };
    box->OnClick = [&](TComponent*) { events.push_back("click"); };
    box->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int, int) {
        events.push_back("up");
    };
    kbtest::PostClick(box->Handle(), 5, 7);
    EXPECT_TRUE(PumpUntil([&] { return events.size() >= 3; }));
    EXPECT_EQ(events, (std::vector<std::string>{"down 5,7 left", "click", "up"}));
}

TEST_F(ControlTest, ReleaseOutsideGivesNoClickAndEndsTheCapture) {
    auto f = ShownForm();
    auto* box = MakeOwned<TProbeBox>(f.get());
    box->SetParent(f.get());
    int clicks = 0;
    box->OnClick = [&](TComponent*) { ++clicks; };
    SendMessageW(box->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(GetCapture(), box->Handle());
    SendMessageW(box->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(500, 5));
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(box->log, (std::vector<std::string>{"capture lost"}));
}

TEST_F(ControlTest, DoubleClickNeedsTheDoubleClickStyle) {
    auto f = ShownForm();
    auto* label = MakeOwned<TLabel>(f.get());
    label->SetCaption("ダブル");
    label->SetParent(f.get());
    int doubles = 0;
    TShiftState shift = 0;
    label->OnDblClick = [&](TComponent*) { ++doubles; };
    label->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState s, int, int) { shift = s; };
    EXPECT_TRUE(GetClassLongW(label->Handle(), GCL_STYLE) & CS_DBLCLKS);
    SendMessageW(label->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(doubles, 1);
    EXPECT_TRUE(shift & ssDouble);
    auto* box = MakeOwned<TProbeBox>(f.get());
    box->SetParent(f.get());
    EXPECT_FALSE(GetClassLongW(box->Handle(), GCL_STYLE) & CS_DBLCLKS);
}

TEST_F(ControlTest, MouseEnterAndLeaveFollowThePointer) {
    auto f = ShownForm();
    auto* box = MakeOwned<TProbeBox>(f.get());
    box->SetParent(f.get());
    std::vector<std::string> events;
    box->OnMouseEnter = [&](TComponent*) { events.push_back("enter"); };
    box->OnMouseLeave = [&](TComponent*) { events.push_back("leave"); };
    kbtest::MoveMouseTo(box->Handle(), 10, 10);
    EXPECT_TRUE(kbtest::PumpUntil([&] { return !events.empty(); }));
    kbtest::MoveMouseTo(f->Handle(), 150, 120);
    ASSERT_TRUE(kbtest::PumpUntil([&] { return events.size() >= 2; }));
    // Wine may still deliver a late synthetic move to the old window; only the order counts.
    EXPECT_EQ(events[0], "enter");
    EXPECT_EQ(events[1], "leave");
}

TEST_F(ControlTest, UnhandledWheelReachesTheParent) {
    auto f = ShownForm();
    auto* panel = MakeOwned<TPanel>(f.get());
    panel->SetParent(f.get());
    auto* box = MakeOwned<TProbeBox>(f.get());
    box->SetParent(panel);
    int parentDelta = 0;
    panel->OnMouseWheel = [&](TComponent*, TShiftState, int delta, TPoint, bool& handled) {
        parentDelta = delta;
        handled = true;
    };
    const TPoint p = box->ClientToScreen({5, 5});
    SendMessageW(box->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -120), MAKELPARAM(p.X, p.Y));
    EXPECT_EQ(parentDelta, -120);
}

TEST_F(ControlTest, ErrorInAHandlerIsCaughtAtTheWindowProcedure) {
    auto f = ShownForm();
    auto* box = MakeOwned<TProbeBox>(f.get());
    box->SetParent(f.get());
    box->OnClick = [](TComponent*) { throw Exception("クリック失敗"); };
    kbtest::PostClick(box->Handle(), 3, 3);
    EXPECT_TRUE(PumpUntil([&] { return !errors.empty(); }));
    kbtest::PumpPosted();
    EXPECT_EQ(errors, (std::vector<std::string>{"クリック失敗"}));
}

TEST_F(ControlTest, FailingPaintIsReportedOnce) {
    auto f = ShownForm();
    auto* pb = MakeOwned<TPaintBox>(f.get());
    pb->SetParent(f.get());
    pb->OnPaint = [](TComponent*) { throw std::runtime_error("paint failed"); };
    pb->Invalidate();
    ASSERT_TRUE(PumpUntil([&] { return !errors.empty(); }));
    // The failing paint validated its window: no paint is pending, so none fails again.
    EXPECT_FALSE(GetUpdateRect(pb->Handle(), nullptr, FALSE));
    UpdateWindow(pb->Handle());
    EXPECT_EQ(errors, (std::vector<std::string>{"paint failed"}));
}

TEST_F(ControlTest, HandlerMayFreeItsSender) {
    auto f = ShownForm();
    auto* box = MakeOwned<TProbeBox>(f.get());
    box->SetParent(f.get());
    bool freed = false;
    box->OnClick = [&](TComponent* sender) {
        delete sender;
        freed = true;
    };
    kbtest::PostClick(box->Handle(), 3, 3);
    EXPECT_TRUE(PumpUntil([&] { return freed; }));
    kbtest::PumpPosted(); // what follows the click finds the object gone
    EXPECT_EQ(f->ControlCount(), 0);
    EXPECT_TRUE(errors.empty());
}

TEST_F(ControlTest, WindowDestroyedBySystemDetachesItsObject) {
    auto f = ShownForm();
    auto* box = MakeOwned<TProbeBox>(f.get());
    box->SetParent(f.get());
    HWND h = box->Handle();
    DestroyWindow(h);
    EXPECT_FALSE(box->HandleAllocated());
    EXPECT_NE(box->Handle(), nullptr); // made anew when needed
}

TEST_F(ControlTest, FormFreesItsChildrenAndTheirWindows) {
    HWND child;
    {
        auto f = ShownForm();
        auto* box = MakeOwned<TProbeBox>(f.get());
        box->SetParent(f.get());
        child = box->Handle();
    }
    EXPECT_FALSE(IsWindow(child));
}

TEST_F(ControlTest, ManyFormsDoNotLeakHandles) {
    auto once = [] {
        auto f = MakeScoped<TForm>();
        auto* label = MakeOwned<TLabel>(f.get());
        label->SetCaption("x");
        label->SetParent(f.get());
        auto* panel = MakeOwned<TPanel>(f.get());
        panel->SetParent(f.get());
        f->Show();
        f->Repaint();
        Application.ProcessMessages();
    };
    once();
    if (!kbtest::ObjectsCounted())
        GTEST_SKIP() << "no GDI or user object counts here";
    const DWORD gdi = kbtest::GdiObjects(), user = kbtest::UserObjects();
    for (int i = 0; i < 20; ++i)
        once();
    EXPECT_LE(kbtest::GdiObjects(), gdi + 4);
    EXPECT_LE(kbtest::UserObjects(), user + 4);
}

namespace {
class TTaggedBox : public TCustomControl {
public:
    TTaggedBox(TComponent* owner, std::string label, int number)
        : TCustomControl(owner), label_(std::move(label)), number_(number) {}
    std::string label_;
    int number_;
};
} // namespace

TEST_F(ControlTest, MakeChildOwnsByTheFormPlacesOnTheParentAndSetsTheBounds) {
    auto f = ShownForm();
    auto* panel = MakeChild<TPanel>(f.get(), Bounds(10, 10, 150, 100));
    auto* box = MakeChild<TProbeBox>(panel, Bounds(5, 6, 30, 20));
    EXPECT_EQ(panel->Owner(), f.get());
    EXPECT_EQ(box->Owner(), f.get()); // the form, not the panel
    EXPECT_EQ(box->Parent(), panel);
    EXPECT_EQ(box->BoundsRect(), Bounds(5, 6, 30, 20));
    ASSERT_TRUE(box->HandleAllocated());
    EXPECT_EQ(GetParent(box->Handle()), panel->Handle());
    RECT r = kbtest::ScreenRectOf(box->Handle());
    MapWindowPoints(nullptr, panel->Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.bottom, 26);
}

TEST_F(ControlTest, MakeChildOfAParentWithoutFormIsOwnedByTheParent) {
    auto panel = MakeScoped<TPanel>();
    auto* box = MakeChild<TTaggedBox>(panel.get(), Bounds(1, 2, 3, 4), "名前", 7);
    EXPECT_EQ(box->Owner(), panel.get());
    EXPECT_EQ(box->label_, "名前");
    EXPECT_EQ(box->number_, 7);
    EXPECT_FALSE(box->HandleAllocated()); // no window until the parent has one
    const std::weak_ptr<void> life = box->LifeToken();
    panel.reset();
    EXPECT_TRUE(life.expired());
}

TEST_F(ControlTest, MakeChildKeepsTheBoundsOfAControlThatSizesItself) {
    auto f = ShownForm();
    f->Font().SetHeight(-30); // a large inherited font would resize an auto-sized label
    auto* label = MakeChild<TLabel>(f.get(), Bounds(20, 30, 40, 12));
    EXPECT_EQ(label->BoundsRect(), Bounds(20, 30, 40, 12));
    label->SetCaption("長めのキャプション");
    EXPECT_EQ(label->Left(), 20); // sizing itself again keeps its place
    EXPECT_EQ(label->Top(), 30);
    EXPECT_GT(label->Width(), 40);
}

TEST_F(ControlTest, MakeChildWithoutAParentMakesNothing) {
    EXPECT_THROW(MakeChild<TProbeBox>(nullptr, Bounds(0, 0, 10, 10)), Exception);
}
