// The demo form driven end to end with real input while the application runs.
#include "DemoForm.h"
#include "support/WinTest.h"

#include "forms/base/StrUtils.h"

#include <atomic>

using namespace forms;

namespace {
COLORREF Rgb(TColor c) {
    return static_cast<COLORREF>(ColorToRGB(c));
}
} // namespace

using DemoFormTest = WinTest;

TEST_F(DemoFormTest, RunsUntilItsMenuClosesIt) {
    TDemoForm* demo = Application.CreateForm<TDemoForm>();
    ASSERT_EQ(Application.MainForm(), demo);
    std::vector<std::string> steps;
    // The script runs on the GUI thread, step by step, from a timer of its own.
    TTimer* script = MakeOwned<TTimer>(demo);
    script->SetInterval(50);
    int step = 0;
    std::atomic<bool> menuOpen{false};
    // A step waits on later ticks until what it checks has happened (a busy machine paints and
    // delivers input late), for about five seconds at most, and then checks it anyway.
    int waits = 0;
    const auto ready = [&](bool happened) {
        if (!happened && ++waits < 100)
            return false;
        waits = 0;
        return true;
    };
    const auto ticking = [&] {
        return demo->Ticks() > 0 &&
               kbtest::WindowText(demo->lbTicks->Handle()) == IntToStr(demo->Ticks()) + " 回";
    };
    const auto faceShows = [&](TColor color) {
        return kbtest::ReadPixel(demo->pbFace->Handle(), 100, 50) == Rgb(color);
    };
    script->OnTimer = [&](TComponent*) {
        switch (step) {
        case 0:
            kbtest::BringToFront(demo->Handle());
            step = 1;
            return;
        case 1: // the timer has ticked into the label
            if (!ready(ticking() && faceShows(clRed)))
                return;
            steps.push_back(ticking() ? "ticking" : "not ticking");
            steps.push_back(faceShows(clRed) ? "red" : "not red");
            kbtest::ClickAt(demo->pbFace->Handle(), 100, 50);
            step = 2;
            return;
        case 2:
            if (!ready(demo->FaceColor() == clBlue && faceShows(clBlue)))
                return;
            step = 3;
            steps.push_back(demo->FaceColor() == clBlue && faceShows(clBlue) ? "clicked blue"
                                                                             : "click missed");
            kbtest::SaveWindowPicture(demo->Handle(), "DemoForm");
            script->SetEnabled(false);
            // The menu blocks this handler: a helper thread chooses "赤", then reopens it and
            // chooses "閉じる". The wait is for the choice itself, not for a colour that a missed
            // click could have left red already.
            {
                kbtest::WindowDriver d(L"#32768", [&](HWND menu) {
                    menuOpen = true;
                    PostMessageW(menu, WM_CHAR, 'r', 0);
                });
                kbtest::ClickAt(demo->pbFace->Handle(), 60, 30, true);
                kbtest::PumpUntil([&] { return d.Acted() && !demo->pmColors->NativeMenu(); },
                                  15000);
            }
            steps.push_back(demo->FaceColor() == clRed ? "menu red" : "menu missed");
            {
                kbtest::WindowDriver d(L"#32768",
                                       [](HWND menu) { PostMessageW(menu, WM_CHAR, 'x', 0); });
                demo->pmColors->Popup(300, 300);
            }
            if (!Application.Terminated()) { // the close item was not chosen: end Run anyway
                steps.push_back("close missed");
                demo->Close();
            }
            return;
        default:
            return;
        }
    };
    Application.Run(); // ends when the menu's close item closes the main form
    EXPECT_TRUE(menuOpen.load());
    EXPECT_EQ(steps, (std::vector<std::string>{"ticking", "red", "clicked blue", "menu red"}));
    delete demo;
}
