// The launch-button grid as a window under real input: selection, presses, keys and the wheel,
// the order of its events, and the pixels of bevels, marks, outlines, icons and skin faces.
#include "components/ButtonGridControls.h"

#include "support/BitmapTesting.h"
#include "support/PixelTesting.h"
#include "support/WinTest.h"
#include "support/WinTesting.h"

#include "forms/win/PaintBox.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <string>
#include <vector>

using namespace forms;
using kbtest::PumpUntil;
using kbtest::ReadPixel;
using Log = std::vector<std::string>;

namespace {

constexpr TColor kFace = clSilver, kLight = clWhite, kDark = clGray, kMark = clRed;
const TColor kIconColors[] = {clBlue, clGreen, clNavy, clPurple, clTeal, clMaroon};
constexpr int kIcons = 6;
constexpr int kCell = 40;

COLORREF Rgb(TColor c) {
    return static_cast<COLORREF>(ColorToRGB(c));
}

// A square of colour with a transparent border of 4 pixels, as most icons have one.
std::unique_ptr<TIcon> MakeIcon(TColor color, int size = 32) {
    auto picture = bitmaptesting::Plain(size, size, clBlack);
    picture->Canvas().Brush().SetColor(color);
    picture->Canvas().FillRect(Rect(4, 4, size - 4, size - 4));
    // The mask is 1 where the screen shows through; rows are padded to whole words.
    const int stride = (size + 15) / 16 * 2;
    std::vector<uint8_t> bits(static_cast<size_t>(stride * size), 0);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (x < 4 || y < 4 || x >= size - 4 || y >= size - 4)
                bits[static_cast<size_t>(y * stride + x / 8)] |=
                    static_cast<uint8_t>(0x80 >> x % 8);
    HBITMAP mask = CreateBitmap(size, size, 1, 1, bits.data());
    ICONINFO info{TRUE, 0, 0, mask, picture->Handle()};
    auto icon = std::make_unique<TIcon>();
    icon->SetHandle(CreateIconIndirect(&info));
    DeleteObject(mask);
    return icon;
}

// A skin strip of four frames, each one colour.
std::unique_ptr<TBitmap> Strip(TColor normal, TColor pressed, TColor selected, TColor empty) {
    return bitmaptesting::Of(pixeltesting::Bands({normal, pressed, selected, empty}, 40, 40));
}

struct GridFixture : WinTest {
    void SetUp() override {
        WinTest::SetUp();
        wintest::PointAt(700, 500); // off the grid, whose selection follows the pointer
        form = ShownForm(260, 140);
        form->SetDialogKeys(false); // as the launcher's form: Enter and the arrows reach the grid
        grid = MakeOwned<TQvtGrpBtns>(form.get());
        grid->SetLeft(10);
        grid->SetTop(10);
        grid->SetColCount(4);
        grid->SetRowCount(2);
        grid->SetBaseColor(kFace);
        grid->SetTopLineColor(kLight);
        grid->SetBtmLineColor(kDark);
        grid->SetMarkColor(kMark);
        for (TColor c : kIconColors)
            grid->IconList()->Add(MakeIcon(c));
        Record();
        grid->SetParent(form.get());
        ASSERT_TRUE(PumpUntil([&] { return Pixel(1, 20, 20) == Rgb(kIconColors[1]); }));
        log.clear();
    }
    void TearDown() override {
        form.reset();
        WinTest::TearDown();
    }

    void Record() {
        auto mouse = [this](const char* name) {
            return [this, name](TComponent*, TMouseButton, TShiftState, int, int) {
                log.push_back(name);
            };
        };
        auto move = [this](const char* name) {
            return [this, name](TComponent*, TShiftState, int, int) { log.push_back(name); };
        };
        auto key = [this](const char* name) {
            return [this, name](TComponent*, uint16_t&, TShiftState) { log.push_back(name); };
        };
        grid->OnNoneBtnMouseDown = mouse("none down");
        grid->OnNoneBtnMouseUp = mouse("none up");
        grid->OnNoneBtnMouseMove = move("none move");
        grid->OnMouseDown = mouse("down");
        grid->OnMouseUp = mouse("up");
        grid->OnMouseMove = move("move");
        grid->OnKeyDown = key("key down");
        grid->OnKeyUp = key("key up");
        grid->OnClick = [this](TComponent*) { log.push_back("click"); };
        grid->OnChange = [this](TComponent*) { log.push_back("change"); };
        grid->OnBtnMouseWheel = [this](TComponent*, int delta) {
            log.push_back("wheel " + std::to_string(delta));
        };
    }
    // The log without moves (the pointer's way there makes them).
    Log Clicks() const {
        Log out;
        for (const std::string& e : log)
            if (e != "move" && e != "none move")
                out.push_back(e);
        return out;
    }
    bool Logged(const std::string& event) const {
        return std::find(log.begin(), log.end(), event) != log.end();
    }

    HWND Window() { return grid->Handle(); }
    // A pixel at (x, y) of cell index.
    COLORREF Pixel(int index, int x, int y) {
        return ReadPixel(Window(), index % 4 * kCell + x, index / 4 * kCell + y);
    }
    void Focus() {
        grid->SetFocus();
        ASSERT_TRUE(PumpUntil([&] { return grid->Focused(); }));
    }
    // Puts the pointer over a cell, which selects it, and waits until it did.
    void PointAtCell(int index) {
        kbtest::MoveMouseTo(Window(), index % 4 * kCell + 20, index / 4 * kCell + 20);
        ASSERT_TRUE(PumpUntil([&] { return grid->BtnIndex() == index; }));
        log.clear();
    }

    Scoped<TForm> form;
    TQvtGrpBtns* grid = nullptr;
    Log log;
};

} // namespace

using ButtonGridWin = GridFixture;

// ---- the window ----

TEST_F(ButtonGridWin, IsAnOpaqueTabStopWithDoubleClicksThatWantsArrowsAndCharacters) {
    EXPECT_EQ(kbtest::ClassNameOf(Window()), L"TQvtGrpBtns");
    EXPECT_TRUE(grid->ControlStyle() & csOpaque);
    EXPECT_TRUE(GetClassLongW(Window(), GCL_STYLE) & CS_DBLCLKS);
    EXPECT_TRUE(GetWindowLongW(Window(), GWL_STYLE) & WS_CLIPSIBLINGS);
    EXPECT_TRUE(grid->TabStop());
    EXPECT_EQ(SendMessageW(Window(), WM_GETDLGCODE, 0, 0), 0x81);
    const RECT r = kbtest::ClientRectOnScreen(Window());
    EXPECT_EQ(r.right - r.left, 160);
    EXPECT_EQ(r.bottom - r.top, 80);
}

TEST_F(ButtonGridWin, ConstructionValues) {
    auto* plain = MakeOwned<TQvtGrpBtns>(form.get());
    EXPECT_EQ(plain->Width(), 400);
    EXPECT_EQ(plain->Height(), 40);
    EXPECT_EQ(plain->Count(), 10);
    EXPECT_EQ(plain->DownKeyCode(), VK_RETURN);
    EXPECT_EQ(plain->BaseColor(), clBtnFace);
    EXPECT_EQ(plain->BtmLineColor(), clBtnShadow);
    EXPECT_EQ(plain->TopLineColor(), clBtnHighlight);
    EXPECT_EQ(plain->MarkColor(), clRed);
    EXPECT_EQ(plain->MarkStyle(), msFrame);
    EXPECT_EQ(plain->BevelWidth(), 2);
    EXPECT_EQ(plain->Space(), 4);
    EXPECT_TRUE(plain->Stretch());
    EXPECT_FALSE(plain->BtnTranslucent());
    EXPECT_TRUE(plain->ScrollWrap());
    EXPECT_TRUE(plain->NoneMarked());
    EXPECT_FALSE(plain->AllBtnClicked());
    EXPECT_EQ(plain->IconList()->Count(), 0);
    EXPECT_FALSE(plain->UseGlyph());
    EXPECT_TRUE(plain->GlyphTransparent());
    EXPECT_EQ(plain->Glyph()->Width(), 40);
    EXPECT_EQ(plain->Glyph()->Height(), 10);
}

TEST_F(ButtonGridWin, BtnCenterOnScreenIsTheCellsCentre) {
    const RECT r = kbtest::ClientRectOnScreen(Window());
    const TPoint p = grid->BtnCenterOnScreen(5);
    EXPECT_EQ(p.X, r.left + 60);
    EXPECT_EQ(p.Y, r.top + 60);
}

// ---- pixels ----

TEST_F(ButtonGridWin, PaintsBevelsIconsTheMarkAndEmptyOutlines) {
    // Cell 1: a button, raised, its icon in the box inset by Space.
    EXPECT_EQ(Pixel(1, 0, 0), Rgb(kLight));
    EXPECT_EQ(Pixel(1, 0, 38), Rgb(kLight));
    EXPECT_EQ(Pixel(1, 39, 39), Rgb(kDark));
    EXPECT_EQ(Pixel(1, 39, 1), Rgb(kDark));
    EXPECT_EQ(Pixel(1, 2, 2), Rgb(kFace));
    EXPECT_EQ(Pixel(1, 8, 8), Rgb(kIconColors[1]));
    EXPECT_EQ(Pixel(1, 7, 20), Rgb(kFace)); // the icon's own transparent border
    // Cell 0 is selected: the mark ring lies two bevel widths in.
    EXPECT_EQ(Pixel(0, 3, 20), Rgb(kFace));
    EXPECT_EQ(Pixel(0, 4, 20), Rgb(kMark));
    EXPECT_EQ(Pixel(0, 5, 20), Rgb(kMark));
    EXPECT_EQ(Pixel(0, 35, 20), Rgb(kMark));
    EXPECT_EQ(Pixel(0, 36, 20), Rgb(kFace));
    EXPECT_EQ(Pixel(0, 20, 20), Rgb(kIconColors[0]));
    // Cell 6 has no icon: an outline one pixel in, and never a mark.
    EXPECT_EQ(Pixel(6, 0, 0), Rgb(kFace));
    EXPECT_EQ(Pixel(6, 1, 1), Rgb(kDark));
    EXPECT_EQ(Pixel(6, 38, 20), Rgb(kDark));
    EXPECT_EQ(Pixel(6, 20, 20), Rgb(kFace));
    grid->SetBtnIndex(6);
    ASSERT_TRUE(PumpUntil([&] { return Pixel(0, 4, 20) == Rgb(kFace); }));
    EXPECT_EQ(Pixel(6, 4, 20), Rgb(kFace));
}

TEST_F(ButtonGridWin, TranslucentIconsBlendHalfWithTheFaceUnlessMarked) {
    grid->SetBtnTranslucent(true);
    // Each byte: icon - icon div 2 + face div 2 (face C0): navy (00, 00, 80) gives
    // (60, 60, A0), purple (80, 00, 80) gives (A0, 60, A0).
    ASSERT_TRUE(PumpUntil([&] { return Pixel(2, 20, 20) == RGB(0x60, 0x60, 0xA0); }));
    EXPECT_EQ(Pixel(3, 20, 20), RGB(0xA0, 0x60, 0xA0));
    EXPECT_EQ(Pixel(0, 20, 20), Rgb(kIconColors[0])); // marked: drawn straight
    EXPECT_EQ(Pixel(2, 6, 6), Rgb(kFace));
}

TEST_F(ButtonGridWin, MarkStyleFillAndBevelWidthRepaint) {
    grid->SetMarkStyle(msFill);
    ASSERT_TRUE(PumpUntil([&] { return Pixel(0, 6, 6) == Rgb(kMark); }));
    grid->SetBevelWidth(1000); // from a settings file: the face is all bevel, nothing hangs
    ASSERT_TRUE(PumpUntil([&] { return Pixel(1, 19, 5) == Rgb(kLight); }));
    EXPECT_EQ(Pixel(1, 20, 35), Rgb(kDark));
    EXPECT_EQ(Pixel(0, 20, 6), Rgb(kLight)); // no room for the mark
    EXPECT_TRUE(errors.empty());
}

TEST_F(ButtonGridWin, SizesFromTheSettingsThatDoNotFitAreIgnored) {
    grid->SetColCount(0);
    grid->SetBtnSize(INT_MAX / 4 + 1);
    grid->SetRowCount(-1);
    EXPECT_EQ(grid->Width(), 160);
    EXPECT_EQ(grid->Height(), 80);
    grid->SetSpace(20); // the icon box has no area
    grid->SetBtnTranslucent(true);
    ASSERT_TRUE(PumpUntil([&] { return Pixel(1, 20, 20) == Rgb(kFace); }));
    EXPECT_TRUE(errors.empty());
}

// ---- mouse ----

TEST_F(ButtonGridWin, PressOnAButtonPressesItAndFiresTheEventsInOrder) {
    grid->SetAllBtnClicked(true);
    PointAtCell(5);
    grid->SelectQuiet(1); // so that the press changes the selection
    wintest::HeldInput input;
    input.Mouse(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(PumpUntil([&] { return Logged("down"); }));
    EXPECT_EQ(Clicks(), (Log{"none down", "change", "down"}));
    EXPECT_TRUE(grid->Down());
    EXPECT_EQ(grid->BtnIndex(), 5);
    // Sunken while pressed, no mark, and every icon one pixel down and right.
    ASSERT_TRUE(PumpUntil([&] { return Pixel(5, 0, 0) == Rgb(kDark); }));
    EXPECT_EQ(Pixel(5, 39, 39), Rgb(kLight));
    EXPECT_EQ(Pixel(5, 4, 20), Rgb(kFace));
    EXPECT_EQ(Pixel(5, 8, 20), Rgb(kFace));
    EXPECT_EQ(Pixel(5, 32, 20), Rgb(kIconColors[5]));
    input.ReleaseAll();
    ASSERT_TRUE(PumpUntil([&] { return Logged("up"); }));
    EXPECT_EQ(Clicks(), (Log{"none down", "change", "down", "click", "none up", "up"}));
    EXPECT_FALSE(grid->Down());
    ASSERT_TRUE(PumpUntil([&] { return Pixel(5, 4, 20) == Rgb(kMark); }));
    EXPECT_EQ(Pixel(5, 8, 20), Rgb(kIconColors[5]));
}

TEST_F(ButtonGridWin, PressOnAnEmptyCellFiresOnlyTheEmptyAreaEvents) {
    grid->SetAllBtnClicked(true);
    PointAtCell(5);
    kbtest::MoveMouseTo(Window(), 140, 60); // cell 7, empty: no selection follows
    ASSERT_TRUE(PumpUntil([&] { return Logged("none move"); }));
    kbtest::ClickAt(Window(), 140, 60);
    ASSERT_TRUE(PumpUntil([&] { return Logged("none up"); }));
    EXPECT_EQ(Clicks(), (Log{"none down", "click", "none up"}));
    EXPECT_EQ(grid->BtnIndex(), 5);
    EXPECT_FALSE(grid->Down());
}

TEST_F(ButtonGridWin, CtrlPressSelectsWithoutPressing) {
    PointAtCell(2);
    wintest::HeldInput input;
    input.Key(VK_CONTROL);
    ASSERT_TRUE(PumpUntil([] { return GetAsyncKeyState(VK_CONTROL) < 0; }));
    grid->SelectQuiet(0);
    input.Mouse(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(PumpUntil([&] { return Logged("down"); }));
    EXPECT_EQ(grid->BtnIndex(), 2);
    EXPECT_FALSE(grid->Down());
}

TEST_F(ButtonGridWin, SecondPressOfADoubleClickDoesNotPress) {
    PointAtCell(3);
    std::vector<bool> downs;
    grid->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) {
        downs.push_back(grid->Down());
    };
    grid->OnDblClick = [&](TComponent*) { log.push_back("double"); };
    kbtest::DoubleClickAt(Window(), 120, 20);
    ASSERT_TRUE(PumpUntil([&] { return downs.size() == 2 && !grid->Down(); }));
    EXPECT_EQ(downs, (std::vector<bool>{true, false}));
    EXPECT_TRUE(Logged("double"));
}

// ---- keys ----

TEST_F(ButtonGridWin, ArrowsMoveAmongTheIconsWithoutEvents) {
    Focus();
    kbtest::PressKey(VK_RIGHT);
    ASSERT_TRUE(PumpUntil([&] { return grid->BtnIndex() == 1; }));
    kbtest::PressKey(VK_DOWN);
    ASSERT_TRUE(PumpUntil([&] { return grid->BtnIndex() == 5; }));
    kbtest::PressKey(VK_DOWN); // 9 is beyond the icons: nothing moves
    kbtest::PressKey(VK_RIGHT);
    ASSERT_TRUE(PumpUntil([&] { return grid->BtnIndex() == 0; })); // 6 wraps to 0
    ASSERT_TRUE(PumpUntil([&] { return Pixel(0, 4, 20) == Rgb(kMark); }));
    EXPECT_EQ(Pixel(5, 4, 20), Rgb(kFace));
    EXPECT_FALSE(Logged("key down"));
    EXPECT_FALSE(Logged("change"));
}

TEST_F(ButtonGridWin, EnterPressesTheSelectedButtonUntilItIsReleased) {
    Focus();
    grid->SetBtnIndex(2);
    log.clear();
    wintest::HeldInput input;
    input.Key(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return grid->Down(); }));
    EXPECT_EQ(Clicks(), (Log{"key down"}));
    ASSERT_TRUE(PumpUntil([&] { return Pixel(2, 0, 0) == Rgb(kDark); }));
    input.ReleaseAll();
    ASSERT_TRUE(PumpUntil([&] { return !grid->Down(); }));
    EXPECT_EQ(Clicks(), (Log{"key down", "key up"}));
    ASSERT_TRUE(PumpUntil([&] { return Pixel(2, 0, 0) == Rgb(kLight); }));
}

// ---- wheel ----

TEST_F(ButtonGridWin, WheelMovesAmongTheIconsAndFiresOnBtnMouseWheel) {
    Focus();
    // Each turn is made over the cell selected then, which the pointer's move keeps selected.
    kbtest::WheelAt(Window(), 20, 20, -120);
    ASSERT_TRUE(PumpUntil([&] { return grid->BtnIndex() == 1; }));
    kbtest::WheelAt(Window(), 60, 20, 120);
    ASSERT_TRUE(PumpUntil([&] { return grid->BtnIndex() == 0; }));
    kbtest::WheelAt(Window(), 20, 20, 120);
    ASSERT_TRUE(PumpUntil([&] { return grid->BtnIndex() == kIcons - 1; })); // wraps
    EXPECT_EQ(Clicks(), (Log{"wheel -120", "wheel 120", "wheel 120"}));
    ASSERT_TRUE(PumpUntil([&] { return Pixel(5, 4, 20) == Rgb(kMark); }));
}

// ---- skin faces ----

TEST_F(ButtonGridWin, UseGlyphPaintsTheFacesFromTheStrip) {
    grid->SetGlyphTransparent(false);
    grid->SetGlyph(*Strip(clYellow, clFuchsia, clAqua, clLime));
    grid->SetUseGlyph(true);
    ASSERT_TRUE(PumpUntil([&] { return Pixel(1, 1, 1) == Rgb(clYellow); }));
    EXPECT_EQ(Pixel(0, 1, 1), Rgb(clAqua)); // selected
    EXPECT_EQ(Pixel(6, 1, 1), Rgb(clLime)); // empty
    EXPECT_EQ(Pixel(1, 20, 20), Rgb(kIconColors[1]));
    grid->SetNoneMarked(false);
    grid->Invalidate();
    ASSERT_TRUE(PumpUntil([&] { return Pixel(6, 1, 1) == Rgb(kFace); }));
}

TEST_F(ButtonGridWin, NewGlyphShowsOnlyWhenUseGlyphIsSetAgain) {
    grid->SetGlyphTransparent(false);
    grid->SetGlyph(*Strip(clYellow, clFuchsia, clAqua, clLime));
    grid->SetUseGlyph(true);
    ASSERT_TRUE(PumpUntil([&] { return Pixel(1, 1, 1) == Rgb(clYellow); }));
    grid->SetGlyph(*Strip(clNavy, clFuchsia, clAqua, clLime));
    // Drawn again at once, every cell unmarked.
    ASSERT_TRUE(PumpUntil([&] { return Pixel(0, 1, 1) == Rgb(clYellow); }));
    grid->Invalidate();
    ASSERT_TRUE(PumpUntil([&] { return Pixel(0, 1, 1) == Rgb(clAqua); })); // repainted
    EXPECT_EQ(Pixel(1, 1, 1), Rgb(clYellow));
    grid->SetUseGlyph(true);
    ASSERT_TRUE(PumpUntil([&] { return Pixel(1, 1, 1) == Rgb(clNavy); }));
}

TEST_F(ButtonGridWin, UseGlyphOnAHiddenGrid_LeavesItHidden) {
    grid->Hide();
    grid->SetUseGlyph(true);
    EXPECT_FALSE(GetWindowLongW(grid->Handle(), GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(grid->Visible());
}

TEST_F(ButtonGridWin, SkinnedPressShowsThePressedFace) {
    grid->SetGlyphTransparent(false);
    grid->SetGlyph(*Strip(clYellow, clFuchsia, clAqua, clLime));
    grid->SetUseGlyph(true);
    PointAtCell(1);
    wintest::HeldInput input;
    input.Mouse(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(PumpUntil([&] { return Pixel(1, 1, 1) == Rgb(clFuchsia); }));
    EXPECT_EQ(Pixel(0, 1, 1), Rgb(clYellow));
    input.ReleaseAll();
    ASSERT_TRUE(PumpUntil([&] { return Pixel(1, 1, 1) == Rgb(clAqua); }));
}

// ---- lifetime ----

TEST_F(ButtonGridWin, PaintingAndFreeingGridsLeaksNoGdiObjects) {
    auto cycle = [&] {
        auto* extra = MakeOwned<TQvtGrpBtns>(form.get());
        extra->SetTop(95);
        extra->SetBtnTranslucent(true);
        extra->IconList()->Add(MakeIcon(clBlue));
        extra->SetParent(form.get());
        extra->SetUseGlyph(true);
        extra->Repaint();
        kbtest::Pump(30);
        ComponentDelete{}(extra);
        kbtest::Pump(30);
    };
    if (!kbtest::ObjectsCounted())
        GTEST_SKIP() << "no GDI or user object counts here";
    cycle();
    const DWORD before = kbtest::GdiObjects();
    for (int i = 0; i < 3; ++i)
        cycle();
    EXPECT_EQ(kbtest::GdiObjects(), before);
}

// ---- the plain grid ----

namespace {
struct PlainGridFixture : WinTest {
    void SetUp() override {
        WinTest::SetUp();
        wintest::PointAt(700, 500);
        form = ShownForm(260, 140);
        form->SetDialogKeys(false);
        grid = MakeOwned<TQvtBtnPanel>(form.get());
        grid->SetBounds(10, 10, 0, 0);
        grid->SetColCount(3);
        grid->SetRowCount(2);
        grid->SetBaseColor(kFace);
        grid->SetBtmLineColor(kDark);
        grid->OnKeyDown = [this](TComponent*, uint16_t&, TShiftState) { log.push_back("key"); };
        grid->OnChange = [this](TComponent*) { log.push_back("change"); };
        grid->OnMouseWheel = [this](TComponent*, TShiftState, int, TPoint, bool&) {
            log.push_back("library wheel");
        };
        grid->OnBtnMouseWheel = [this](TComponent*, int) { log.push_back("wheel"); };
        grid->SetParent(form.get());
        grid->SetFocus();
        ASSERT_TRUE(PumpUntil([&] { return grid->Focused(); }));
        ASSERT_TRUE(PumpUntil([&] { return ReadPixel(grid->Handle(), 81, 41) == Rgb(kDark); }));
    }
    void TearDown() override {
        form.reset();
        WinTest::TearDown();
    }
    Scoped<TForm> form;
    TQvtBtnPanel* grid = nullptr;
    Log log;
};
} // namespace

using PlainButtonGridWin = PlainGridFixture;

TEST_F(PlainButtonGridWin, DrawsEveryCellEmptyAndNeverTheMark) {
    EXPECT_EQ(grid->Width(), 120);
    EXPECT_EQ(ReadPixel(grid->Handle(), 1, 1), Rgb(kDark));
    EXPECT_EQ(ReadPixel(grid->Handle(), 4, 20), Rgb(kFace));
    EXPECT_EQ(ReadPixel(grid->Handle(), 0, 0), Rgb(kFace));
}

TEST_F(PlainButtonGridWin, ArrowsGoThroughOnKeyDownAndWrapAroundTheGrid) {
    grid->SetBtnIndex(1);
    log.clear();
    kbtest::PressKey(VK_UP);
    ASSERT_TRUE(PumpUntil([&] { return grid->BtnIndex() == 4; }));
    kbtest::PressKey(VK_LEFT);
    ASSERT_TRUE(PumpUntil([&] { return grid->BtnIndex() == 3; }));
    EXPECT_EQ(log, (Log{"key", "key"}));
}

TEST_F(PlainButtonGridWin, WheelWithoutScrollWrapStopsAtTheFirstCell) {
    grid->SetScrollWrap(false);
    kbtest::PostWheel(grid->Handle(), 100, 60, 120);
    ASSERT_TRUE(PumpUntil([&] { return !log.empty(); }));
    EXPECT_EQ(grid->BtnIndex(), 0);
    grid->SetScrollWrap(true);
    kbtest::PostWheel(grid->Handle(), 100, 60, 120);
    ASSERT_TRUE(PumpUntil([&] { return grid->BtnIndex() == 5; }));
    EXPECT_EQ(log, (Log{"wheel", "change", "wheel"})); // never the library's OnMouseWheel
}

TEST_F(PlainButtonGridWin, FocusedGridLeavesTheWheelToAGraphicChildUnderThePointer) {
    auto* child = MakeOwned<TPaintBox>(form.get());
    child->SetBounds(80, 40, 40, 40);
    child->SetParent(grid);
    kbtest::PostWheel(grid->Handle(), 100, 60, -120);
    kbtest::PostWheel(grid->Handle(), 20, 20, -120);
    ASSERT_TRUE(PumpUntil([&] { return !log.empty(); }));
    EXPECT_EQ(grid->BtnIndex(), 1); // only the turn beside the child
    child->SetEnabled(false);
    kbtest::PostWheel(grid->Handle(), 100, 60, -120);
    ASSERT_TRUE(PumpUntil([&] { return grid->BtnIndex() == 2; }));
}
