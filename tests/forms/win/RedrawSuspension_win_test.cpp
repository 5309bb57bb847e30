// Drawing held off over many changes: visible windows come back, hidden ones stay hidden.
#include "support/WinTest.h"

#include "forms/win/Panel.h"
#include "forms/win/RedrawSuspension.h"

using namespace forms;

namespace {
bool StyleVisible(TControl& control) {
    return (GetWindowLongW(control.Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
}
using RedrawSuspensionTest = WinTest;
} // namespace

TEST_F(RedrawSuspensionTest, VisibleWindowsComeBackHiddenOnesStayHidden) {
    auto f = ShownForm();
    auto* shown = MakeChild<TPanel>(f.get(), Bounds(8, 8, 60, 40));
    auto* hidden = MakeChild<TPanel>(f.get(), Bounds(80, 8, 60, 40));
    hidden->Hide();
    auto* hiddenMeanwhile = MakeChild<TPanel>(f.get(), Bounds(8, 60, 60, 40));
    auto hiddenForm = MakeScoped<TForm>();
    hiddenForm->HandleNeeded();
    {
        const TRedrawSuspension a(*shown), b(*hidden), c(*hiddenMeanwhile), d(*hiddenForm);
        EXPECT_FALSE(StyleVisible(*shown)); // how the system holds its drawing off
        hiddenMeanwhile->Hide();
    }
    EXPECT_TRUE(StyleVisible(*shown));
    EXPECT_FALSE(StyleVisible(*hidden));
    EXPECT_FALSE(StyleVisible(*hiddenMeanwhile));
    EXPECT_FALSE(StyleVisible(*hiddenForm));
}
