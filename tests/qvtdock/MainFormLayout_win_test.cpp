// The main form's layout, title bar and page view in this process, with the data and settings
// prepared in a temporary program folder: the window's and its children's rectangles, the
// counters and the title as window texts, the painted title bar and empty cells, the page list
// and the tabs, and the settings the layout takes and gives back.
#include "qvtdock/MainFormTesting.h"

#include "forms/base/Codepage.h"
#include "forms/base/Files.h"
#include "forms/gfx/Bitmap.h"
#include "forms/gfx/Icon.h"
#include "shared/LaunchItems.h"
#include "shared/LaunchShell.h"

#include <gmock/gmock.h>

#include <numeric>

using namespace qvttest;

namespace {
constexpr COLORREF kFace = 0xCCE1E6, kLight = 0xEEFFFF, kDark = 0x99A8AC;

// A rectangle as left, top, width and height.
struct Box {
    long left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const Box& a, const Box& b) {
        return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
    }
    friend void PrintTo(const Box& b, std::ostream* os) {
        *os << "(" << b.left << ", " << b.top << ") " << b.width << " x " << b.height;
    }
};

Box Rc(long left, long top, long width, long height) {
    return {left, top, width, height};
}

// The child's rectangle in its parent's client area.
RECT RawRectIn(HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

Box RectIn(HWND child) {
    const RECT r = RawRectIn(child);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

Box ClientOf(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// The visible pop-up menu windows of this process other than the one given.
HWND OtherMenuWindow(HWND known) {
    HWND found = nullptr;
    kbtest::WaitUntil([&] {
        for (HWND h = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); h;
             h = FindWindowExW(nullptr, h, L"#32768", nullptr))
            if (h != known && IsWindowVisible(h)) {
                found = h;
                return true;
            }
        return false;
    });
    return found;
}

// Opens entry 'entry' of the open menu (a sub-menu), reads the sub-menu and chooses its item
// 'choose' (-1 closes everything); the sub-menu's items.
std::vector<kbtest::MenuItemView> ChooseInSubmenu(HWND menu, int entry, int choose) {
    kbtest::DriveMenu(menu, entry);
    const HWND sub = OtherMenuWindow(menu);
    if (!sub)
        return {};
    std::vector<kbtest::MenuItemView> items;
    kbtest::WaitUntil([&] {
        items = kbtest::ReadMenu(sub);
        return !items.empty();
    });
    if (choose < 0) {
        PostMessageW(sub, WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
        return items;
    }
    // A sub-menu opened by the keyboard may already highlight its first item.
    int at = -1;
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].state & MFS_HILITE)
            at = static_cast<int>(i);
    for (int i = at; i < choose; ++i)
        PostMessageW(sub, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(sub, WM_KEYDOWN, VK_RETURN, 0);
    return items;
}

class LayoutTest : public MainFormTest {
protected:
    // The settings file's [Visible] keys; the data follow with Prepare.
    void Ini(std::initializer_list<std::string_view> visibleKeys) {
        if (!forms::DirectoryExists(UserFolder()))
            kbtest::MakeDir(UserFolder());
        std::vector<std::string_view> lines{"[Visible]"};
        lines.insert(lines.end(), visibleKeys.begin(), visibleKeys.end());
        std::string text;
        for (auto line : lines)
            text += std::string(line) + "\r\n";
        kbtest::WriteBytes(IniFile(), text);
    }
    void Prepare(const std::vector<int>& counts) {
        if (!forms::DirectoryExists(UserFolder()))
            kbtest::MakeDir(UserFolder());
        WriteList(DataFile(), counts);
    }
    // Starts with the pages and shows the window at (100, 100), in front and painted.
    void StartShown(const std::vector<int>& counts) {
        Prepare(counts);
        Start();
        ASSERT_FALSE(EndedEarly());
        form->SetBounds(100, 100, form->Width(), form->Height());
        form->Show();
        kbtest::BringToFront(form->Handle());
        ASSERT_TRUE(kbtest::PumpUntil([&] { return kbtest::Painted(form->Handle()); }));
    }
    std::string Text(forms::TControl* control) { return kbtest::WindowText(control->Handle()); }
    COLORREF Pixel(forms::TControl* control, int x, int y) {
        return kbtest::ReadPixel(control->Handle(), x, y);
    }
};
} // namespace

// ---- The window and its bands ------------------------------------------------------------------

TEST_F(LayoutTest, Defaults_400By94WithTitleButtonsAndTabs) {
    Prepare({10});
    Start();
    EXPECT_EQ(ClientOf(form->Handle()), Rc(0, 0, 400, 94));
    EXPECT_EQ(RectIn(form->TitleBox->Handle()), Rc(0, 0, 400, 28));
    EXPECT_EQ(RectIn(form->Base->Handle()), Rc(0, 28, 400, 40));
    EXPECT_EQ(RectIn(form->BtnBar->Handle()), Rc(0, 0, 400, 40));
    EXPECT_EQ(RectIn(form->PageTab->Handle()), Rc(0, 70, 400, 24));
    EXPECT_EQ(form->BtnBar->ColCount(), 10);
    EXPECT_EQ(form->BtnBar->RowCount(), 1);
}

TEST_F(LayoutTest, Size48Columns12ThreeRowsTabs30_576By204) {
    Ini({"BtnSize=48", "FormSize=12", "RowMax=3", "TabHeight=30"});
    Prepare({20});
    Start();
    EXPECT_EQ(ClientOf(form->Handle()), Rc(0, 0, 576, 204));
    EXPECT_EQ(RectIn(form->Base->Handle()), Rc(0, 28, 576, 144));
    EXPECT_EQ(RectIn(form->BtnBar->Handle()), Rc(0, 0, 576, 96));
    EXPECT_EQ(RectIn(form->PageTab->Handle()), Rc(0, 174, 576, 30));
    EXPECT_EQ(form->BtnBar->ColCount(), 12);
    EXPECT_EQ(form->BtnBar->RowCount(), 2);
    EXPECT_EQ(form->BtnBar->BtnSize(), 48);
}

TEST_F(LayoutTest, TabsHidden_24ShorterAndTheStripHidden) {
    Ini({"VisTab=0"});
    StartShown({10});
    EXPECT_EQ(ClientOf(form->Handle()), Rc(0, 0, 400, 70));
    EXPECT_FALSE(form->PageTab->Visible());
    EXPECT_FALSE(IsWindowVisible(form->PageTab->Handle()));
    EXPECT_TRUE(IsWindowVisible(form->Base->Handle()));
}

TEST_F(LayoutTest, OneRowOf25In10Wide_BarHolds25WindowStays10) {
    Prepare({25});
    Start();
    EXPECT_EQ(ClientOf(form->Handle()), Rc(0, 0, 400, 94));
    EXPECT_EQ(RectIn(form->BtnBar->Handle()), Rc(0, 0, 1000, 40));
    EXPECT_EQ(form->BtnBar->ColCount(), 25);
    EXPECT_EQ(form->BtnBar->ButtonCount(), 25);
}

TEST_F(LayoutTest, FormSizeZeroRowMaxTwo_Starts400Wide) {
    Ini({"FormSize=0", "RowMax=2"});
    Prepare({15});
    Start();
    EXPECT_EQ(ClientOf(form->Handle()), Rc(0, 0, 400, 28 + 80 + 24 + 2));
    EXPECT_EQ(form->BtnBar->ColCount(), 10);
    EXPECT_EQ(form->BtnBar->RowCount(), 2);
    EXPECT_EQ(form->Cfg().FormSize, 10);
    EXPECT_TRUE(errors.empty());
}

TEST_F(LayoutTest, SizesBelowOne_TheDefaultsAndSoTheyAreWrittenBack) {
    Ini({"BtnSize=-3", "FormSize=0", "RowMax=0"});
    Prepare({10});
    Start();
    EXPECT_EQ(ClientOf(form->Handle()), Rc(0, 0, 400, 94));
    SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
    const std::string ini = kbtest::ReadBytes(IniFile());
    EXPECT_NE(ini.find("BtnSize=40\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("FormSize=10\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("RowMax=1\r\n"), std::string::npos) << ini;
}

// ---- The title bar -----------------------------------------------------------------------------

TEST_F(LayoutTest, TitleBar_ButtonsCountersAndTitleInPlace) {
    Ini({"BtnSize=48", "FormSize=12"});
    Prepare({5});
    Start();
    EXPECT_EQ(RectIn(form->CloseBtn->Handle()), Rc(552, 4, 20, 20));
    EXPECT_EQ(RectIn(form->WizBtn->Handle()), Rc(530, 4, 20, 20));
    EXPECT_EQ(RectIn(form->LockBtn->Handle()), Rc(12, 4, 20, 20));
    EXPECT_EQ(RectIn(form->LbTitle->Handle()), Rc(40, 6, 456, 16));
    const RECT count = RawRectIn(form->LbCount->Handle()), btn = RawRectIn(form->LbBtn->Handle());
    EXPECT_EQ(count.right, 530 - 4);
    EXPECT_EQ(btn.bottom, count.top);
    EXPECT_EQ(btn.left, count.left);
    // Centred: as much room above the pair as below it (within the truncated half).
    EXPECT_LE(std::abs(btn.top - (28 - count.bottom)), 1);
}

TEST_F(LayoutTest, Counters_Button7Of120) {
    Prepare({120});
    Start();
    form->BtnBar->SetBtnIndex(6);
    form->UpdateTitleInfo();
    EXPECT_EQ(Text(form->LbBtn), "007");
    EXPECT_EQ(Text(form->LbCount), "120");
}

TEST_F(LayoutTest, Counters_Button1000KeepsFourDigitsAndItsRightEdge) {
    Prepare({1000});
    Start();
    const RECT before = RawRectIn(form->LbBtn->Handle());
    form->BtnBar->SetBtnIndex(999);
    form->UpdateTitleInfo();
    EXPECT_EQ(Text(form->LbBtn), "1000");
    EXPECT_EQ(Text(form->LbCount), "1000");
    const RECT now = RawRectIn(form->LbBtn->Handle());
    EXPECT_EQ(now.right, before.right);
    EXPECT_GT(now.right - now.left, before.right - before.left);
}

TEST_F(LayoutTest, Counters_OffHidesBoth) {
    Ini({"BtnCounter=0"});
    StartShown({5});
    EXPECT_FALSE(IsWindowVisible(form->LbBtn->Handle()));
    EXPECT_FALSE(IsWindowVisible(form->LbCount->Handle()));
}

TEST_F(LayoutTest, Title_PageLineAndTitle_TheLineBreakKeptButNotShown) {
    Prepare({5});
    Start();
    EXPECT_EQ(form->LbTitle->TelopMessage(), "[P1] \r\n1.1");
    EXPECT_EQ(Text(form->LbTitle), "[P1] 1.1");
    form->BtnBar->SetBtnIndex(3);
    form->UpdateTitleInfo();
    EXPECT_EQ(form->LbTitle->TelopMessage(), "[P1] \r\n1.4");
    EXPECT_EQ(Text(form->LbTitle), "[P1] 1.4");
}

TEST_F(LayoutTest, Title_WithoutPage_TheTitleAloneAndTheLabelAsWideAsIt) {
    Ini({"TitleInPage=0"});
    Prepare({5});
    Start();
    form->BtnBar->SetBtnIndex(1);
    form->UpdateTitleInfo();
    EXPECT_EQ(Text(form->LbTitle), "1.2");
    const Box r = RectIn(form->LbTitle->Handle());
    EXPECT_GT(r.width, 0);
    EXPECT_LT(r.width, 280);
}

TEST_F(LayoutTest, StaleIndex_NoSlotSelectedEmptyTitleAndNoError) {
    Prepare({20, 5});
    Start();
    form->BtnBar->SetBtnIndex(15);
    // The page changes without the selection going back to the first button.
    form->PageTab->SetTabIndex(1);
    form->ShowPageButtons();
    form->UpdateTitleInfo();
    EXPECT_FALSE(form->SelectedSlot());
    EXPECT_EQ(Text(form->LbTitle), "");
    EXPECT_EQ(Text(form->LbBtn), "016");
    EXPECT_EQ(Text(form->LbCount), "005");
    EXPECT_TRUE(errors.empty());
}

// ---- Painting ----------------------------------------------------------------------------------

TEST_F(LayoutTest, TitleBarPixels_LightAndDarkEdgesAroundTheFace) {
    StartShown({5});
    EXPECT_EQ(Pixel(form->TitleBox, 0, 0), kLight);
    EXPECT_EQ(Pixel(form->TitleBox, 200, 0), kLight);
    EXPECT_EQ(Pixel(form->TitleBox, 0, 14), kLight);
    EXPECT_EQ(Pixel(form->TitleBox, 399, 14), kDark);
    EXPECT_EQ(Pixel(form->TitleBox, 200, 27), kDark);
    // No style in the program folder: the built-in style's black face.
    EXPECT_EQ(Pixel(form->TitleBox, 36, 14), 0x000000u);
}

TEST_F(LayoutTest, TitleBarPixels_TheSkinWhenTheStyleHasOne) {
    StartShown({5});
    TTitleBarStyle& style = form->TitleBarStyle();
    style.Glyph->SetSize(200, 28);
    style.Glyph->Canvas().Brush().SetColor(forms::clRed);
    style.Glyph->Canvas().FillRect(forms::Bounds(0, 0, 200, 28));
    style.UseGlyph = true;
    form->TitleBox->Invalidate();
    ASSERT_TRUE(kbtest::PumpUntil([&] { return Pixel(form->TitleBox, 36, 14) == 0x0000FF; }));
    EXPECT_EQ(Pixel(form->TitleBox, 0, 0), 0x0000FFu);
}

TEST_F(LayoutTest, EmptyCells_RowsOfOutlinedCellsBelowAShortPage) {
    Ini({"RowMax=3"});
    StartShown({5});
    ASSERT_EQ(RectIn(form->BtnBar->Handle()), Rc(0, 0, 400, 40));
    ASSERT_EQ(RectIn(form->Base->Handle()), Rc(0, 28, 400, 120));
    for (const int top : {40, 80}) {
        EXPECT_EQ(Pixel(form->Base, 0, top), kFace) << top;
        EXPECT_EQ(Pixel(form->Base, 1, top + 1), kDark) << top;
        EXPECT_EQ(Pixel(form->Base, 20, top + 1), kDark) << top;
        EXPECT_EQ(Pixel(form->Base, 38, top + 20), kDark) << top;
        EXPECT_EQ(Pixel(form->Base, 20, top + 20), kFace) << top;
        // The next cell of the row.
        EXPECT_EQ(Pixel(form->Base, 41, top + 20), kDark) << top;
        EXPECT_EQ(Pixel(form->Base, 398, top + 20), kDark) << top;
    }
}

TEST_F(LayoutTest, EmptyCellsOff_TheBarsFaceColour) {
    Ini({"RowMax=3", "DummyBtn=0"});
    StartShown({5});
    form->BtnBar->SetBaseColor(0x00306090);
    form->Base->Invalidate();
    ASSERT_TRUE(kbtest::PumpUntil([&] { return Pixel(form->Base, 1, 41) == 0x306090; }));
    EXPECT_EQ(Pixel(form->Base, 20, 100), 0x306090u);
    EXPECT_EQ(Pixel(form->Base, 398, 118), 0x306090u);
}

TEST_F(LayoutTest, EmptyCells_TheFourthFrameOfTheBarsSkin) {
    Ini({"RowMax=2"});
    StartShown({5});
    forms::TBitmap strip;
    strip.SetSize(160, 40);
    const forms::TColor colours[] = {forms::clRed, forms::clLime, forms::clBlue, 0x00008080};
    for (int i = 0; i < 4; ++i) {
        strip.Canvas().Brush().SetColor(colours[i]);
        strip.Canvas().FillRect(forms::Bounds(i * 40, 0, 40, 40));
    }
    form->BtnBar->SetGlyph(strip);
    form->BtnBar->SetGlyphTransparent(false);
    form->BtnBar->SetUseGlyph(true);
    form->Base->Invalidate();
    ASSERT_TRUE(kbtest::PumpUntil([&] { return Pixel(form->Base, 20, 60) == 0x008080; }));
    EXPECT_EQ(Pixel(form->Base, 0, 40), 0x008080u);
    EXPECT_EQ(Pixel(form->Base, 399, 79), 0x008080u);
}

// ---- Pages -------------------------------------------------------------------------------------

TEST_F(LayoutTest, PageMenu_OneRadioItemPerPageTheCurrentChecked) {
    Prepare({3, 7, 2});
    Start();
    ASSERT_EQ(form->mnPage->Count(), 3);
    EXPECT_EQ(form->mnPage->Caption(), "ページリスト(&P)");
    EXPECT_EQ(form->PopupMenu1->Items().Items(0), form->mnPage);
    for (int i = 0; i < 3; ++i) {
        const forms::TMenuItem* item = form->mnPage->Items(i);
        EXPECT_EQ(item->Caption(), "P" + std::to_string(i + 1));
        EXPECT_TRUE(item->RadioItem());
        EXPECT_EQ(item->GroupIndex(), 1);
        EXPECT_EQ(item->Checked(), i == 0);
    }
}

TEST_F(LayoutTest, PageMenu_ChoosingAPageShowsItFromTheStart) {
    StartShown({12, 7, 2});
    form->BtnBar->SetBtnIndex(11);
    form->UpdateTitleInfo();
    // The single row scrolled sideways.
    form->BtnBar->SetLeft(-80);
    ASSERT_EQ(Text(form->LbBtn), "012");

    std::vector<kbtest::MenuItemView> top, pages;
    {
        kbtest::WindowDriver driver(L"#32768", [&](HWND menu) {
            top = kbtest::ReadMenu(menu);
            pages = ChooseInSubmenu(menu, 0, 1);
        });
        form->PopupMenu1->Popup(150, 150);
        ASSERT_TRUE(kbtest::PumpUntil([&] { return form->PageTab->TabIndex() == 1; }));
    }
    ASSERT_FALSE(top.empty());
    EXPECT_EQ(top[0].text, cp932::Wide("ページリスト(&P)"));
    EXPECT_TRUE(top[0].submenu);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[1].text, L"P2");
    EXPECT_TRUE(pages[0].type & MFT_RADIOCHECK);
    EXPECT_TRUE(pages[0].state & MFS_CHECKED);
    EXPECT_FALSE(pages[1].state & MFS_CHECKED);

    EXPECT_EQ(form->BtnBar->Left(), 0);
    EXPECT_EQ(RectIn(form->BtnBar->Handle()).left, 0);
    EXPECT_EQ(form->FirstVisibleBtn(), 0);
    EXPECT_EQ(form->BtnBar->BtnIndex(), 0);
    EXPECT_EQ(Text(form->LbBtn), "001");
    EXPECT_EQ(Text(form->LbCount), "007");
    EXPECT_EQ(Text(form->LbTitle), "[P2] 2.1");
    EXPECT_EQ(form->BtnBar->ColCount(), 7);
    EXPECT_TRUE(form->mnPage->Items(1)->Checked());
    EXPECT_FALSE(form->mnPage->Items(0)->Checked());
    EXPECT_TRUE(errors.empty());
}

TEST_F(LayoutTest, PageTab_AClickOnATabShowsItsPage) {
    StartShown({3, 7});
    const forms::TRect cell = form->PageTab->CellRect(1, 0);
    kbtest::ClickAt(form->PageTab->Handle(), (cell.Left + cell.Right) / 2,
                    (cell.Top + cell.Bottom) / 2);
    ASSERT_TRUE(kbtest::PumpUntil([&] { return Text(form->LbCount) == "007"; }));
    EXPECT_EQ(form->PageTab->TabIndex(), 1);
    EXPECT_EQ(Text(form->LbBtn), "001");
    EXPECT_EQ(form->BtnBar->ButtonCount(), 7);
    EXPECT_TRUE(form->mnPage->Items(1)->Checked());
}

TEST_F(LayoutTest, ShowPageButtons_TheBarTakesThePagesIconsOnly) {
    StartShown({3, 4, 2});
    form->PageTab->SetTabIndex(1);
    form->ShowPageButtons();
    ASSERT_EQ(form->BtnBar->ButtonCount(), 4);
    EXPECT_EQ(IconBits(form->BtnBar->ButtonIcon(0)->Handle()),
              IconBits(form->IconList().Items(3)->Handle()));
    EXPECT_EQ(IconBits(form->BtnBar->ButtonIcon(3)->Handle()),
              IconBits(form->IconList().Items(6)->Handle()));
}

TEST_F(LayoutTest, ShowPageButtons_IconsOutOfStep_RaisesAndStillResetsTheView) {
    StartShown({3, 4});
    form->IconList().Delete(6);
    form->BtnBar->SetLeft(-40);
    form->PageTab->SetTabIndex(1);
    EXPECT_THROW(form->ShowPageButtons(), forms::EListIndexError);
    EXPECT_EQ(form->BtnBar->Left(), 0);
    EXPECT_TRUE(form->mnPage->Items(1)->Checked());
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    // Drawing is on again: a change shows.
    form->BtnBar->SetBaseColor(0x00306090);
    EXPECT_TRUE(kbtest::PumpUntil([&] { return kbtest::Painted(form->Handle()); }));
}

TEST_F(LayoutTest, ShowPageButtons_OnAHiddenWindowLeavesItHidden) {
    Prepare({3, 4});
    Start();
    form->PageTab->SetTabIndex(1);
    form->ShowPageButtons();
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_FALSE(GetWindowLongW(form->Handle(), GWL_STYLE) & WS_VISIBLE);
}

// ---- Settings ----------------------------------------------------------------------------------

TEST_F(LayoutTest, Settings_EachReachesItsControl) {
    Ini({"BtnBevel=3", "BtnTrans=1", "BtnMarkStyle=0", "IconStretch=0", "DummyBtn=0",
         "TabCounter=0", "TabHeight=32", "VisTitle=0", "TitleScroll=1", "VisDateTime=1",
         "DateTimeFmt=hh:nn"});
    kbtest::WriteBytes(IniFile(), kbtest::ReadBytes(IniFile()) + "[Mouse]\r\nTabClickChg=0\r\n");
    Prepare({5});
    Start();
    EXPECT_EQ(form->BtnBar->BevelWidth(), 3);
    EXPECT_TRUE(form->BtnBar->BtnTranslucent());
    EXPECT_EQ(form->BtnBar->MarkStyle(), msFill);
    EXPECT_FALSE(form->BtnBar->Stretch());
    EXPECT_FALSE(form->mnIconStretch->Checked());
    EXPECT_FALSE(form->BtnBar->NoneMarked());
    EXPECT_TRUE(form->PageTab->NoneClick());
    EXPECT_FALSE(form->PageTab->VisibleCounter());
    EXPECT_EQ(form->PageTab->TabBtnHeight(), 32);
    EXPECT_EQ(RectIn(form->PageTab->Handle()), Rc(0, 28 + 40 + 2, 400, 32));
    EXPECT_FALSE(form->LbTitle->Visible());
    EXPECT_TRUE(form->LbTitle->Telop());
    EXPECT_TRUE(form->LbTitle->ShowTime());
    EXPECT_EQ(form->LbTitle->DateTimeFormat(), "hh:nn");
}

TEST_F(LayoutTest, Settings_ClockOn_TheTitleIsNotTheButtons) {
    Ini({"VisDateTime=1"});
    Prepare({5});
    Start();
    EXPECT_EQ(form->LbTitle->TelopMessage(), "スクロール");
    EXPECT_EQ(Text(form->LbBtn), "000");
}

TEST_F(LayoutTest, StoreSettings_TheControlsValuesGoBackIntoTheRecord) {
    Prepare({5});
    Start();
    form->BtnBar->SetBtnSize(56);
    form->BtnBar->SetBevelWidth(2);
    form->BtnBar->SetBtnTranslucent(true);
    form->BtnBar->SetMarkStyle(msFill);
    form->BtnBar->SetStretch(false);
    form->PageTab->SetNoneClick(true);
    form->PageTab->SetVisibleCounter(false);
    form->StoreSettings();
    const TAppCfg& cfg = form->Cfg();
    EXPECT_EQ(cfg.BtnSize, 56);
    EXPECT_EQ(cfg.BtnBevel, 2);
    EXPECT_TRUE(cfg.BtnTrans);
    EXPECT_FALSE(cfg.BtnMarkStyle);
    EXPECT_FALSE(cfg.IconStretch);
    EXPECT_FALSE(cfg.TabClickChg);
    EXPECT_FALSE(cfg.TabCounter);
}

// ---- Icons made as pages are shown -------------------------------------------------------------

namespace {
constexpr int kIconPages = 100, kIconSlots = 29; // 2,900 slots: more than the launcher holds

class IconPagesTest : public LayoutTest {
protected:
    // Slot s of page p shows icon (p + s + shift) % 4 of this program, a plain colour each; every
    // fifth slot is empty.
    void WriteIconPages(int shift) {
        wchar_t self[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        TLaunchList list;
        ClearPages(list);
        for (int p = 0; p < kIconPages; ++p) {
            list.AddPage("P" + std::to_string(p + 1), kIconSlots, 0);
            for (int s = 0; s < kIconSlots; ++s) {
                if (s % 5 == 4)
                    continue;
                TLaunchDataItem& item = *list.Items(p, s);
                item.Kind = ikUrl;
                item.Title = "U" + std::to_string(s);
                item.Path = "http://example.com/";
                item.IconFile = cp932::Narrow(self);
                item.IconIndex = (p + s + shift) % 4;
            }
        }
        list.SetFileName(DataFile());
        list.SaveToFile();
    }
    // The flat indexes whose entries hold an icon.
    std::vector<int> Held() const {
        std::vector<int> held;
        for (int i = 0; i < form->IconList().Count(); ++i)
            if (form->IconList().Items(i))
                held.push_back(i);
        return held;
    }
    static std::vector<int> Range(int first, int count) {
        std::vector<int> r(static_cast<size_t>(count));
        std::iota(r.begin(), r.end(), first);
        return r;
    }
    // Shows the page as a click on its tab would.
    void ShowPage(int page) {
        form->PageTab->SetTabIndex(page);
        form->ResetPageView();
        ASSERT_TRUE(kbtest::PumpUntil([&] { return kbtest::Painted(form->Handle()); }));
    }
    // The middle of cell s on the screen is the middle of the slot's icon drawn alone.
    void ExpectCellShowsItsIcon(int page, int s) {
        forms::TIcon alone;
        TakeIcon(ItemIcon(*form->LaunchList().Items(page, s)), alone);
        const uint32_t rgb = IconMiddle(alone.Handle());
        const int size = form->BtnBar->BtnSize();
        const COLORREF shown =
            Pixel(form->BtnBar, s % 10 * size + size / 2, s / 10 * size + size / 2);
        EXPECT_EQ(shown, RGB(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF))
            << "page " << page << " slot " << s;
    }
    void StartWithIconPages() {
        Ini({"RowMax=3"});
        WriteIconPages(0);
        Start();
        ASSERT_FALSE(EndedEarly());
        heldWhileHidden = Held();
        form->SetBounds(100, 100, form->Width(), form->Height());
        form->Show();
        kbtest::BringToFront(form->Handle());
        ASSERT_TRUE(kbtest::PumpUntil([&] { return kbtest::Painted(form->Handle()); }));
    }
    std::vector<int> heldWhileHidden;
};
} // namespace

TEST_F(IconPagesTest, NoIconWhileHidden_ThenEveryPageInTurnShowsItsIconsWithinTheBound) {
    StartWithIconPages();
    EXPECT_TRUE(heldWhileHidden.empty());
    EXPECT_EQ(form->IconList().Count(), kIconPages * kIconSlots);
    EXPECT_EQ(Held(), Range(0, kIconSlots)); // the shown page's alone
    for (int p = 0; p < kIconPages; ++p) {
        ShowPage(p);
        for (const int s : {0, 4, 13, 28})
            ExpectCellShowsItsIcon(p, s);
        const std::vector<int> held = Held();
        EXPECT_LE(held.size(), static_cast<size_t>(TPageIcons::kMaxSlots));
        EXPECT_EQ(static_cast<int>(held.size()), form->Icons().MadeCount());
        if (HasFailure())
            FAIL() << "page " << p;
    }
    // The first pages gave theirs back; shown again, they are made anew.
    EXPECT_EQ(form->IconList().Items(0), nullptr);
    ShowPage(0);
    ExpectCellShowsItsIcon(0, 1);
}

TEST_F(IconPagesTest, ReloadAfterTheDataEditor_UnchangedSlotsKeepTheirIconsChangedOnesShowNew) {
    StartWithIconPages();
    ShowPage(7);
    const forms::TIcon* kept = form->IconList().Items(7 * kIconSlots);
    form->ReloadLaunchData(); // the editor changed nothing
    EXPECT_EQ(form->IconList().Items(7 * kIconSlots), kept);
    WriteIconPages(1);
    form->ReloadLaunchData();
    ASSERT_TRUE(kbtest::PumpUntil([&] { return kbtest::Painted(form->Handle()); }));
    EXPECT_EQ(form->IconList().Items(7 * kIconSlots), nullptr);
    EXPECT_EQ(form->Icons().MadeCount(), kIconSlots + kIconSlots / 5); // page 1; page 8's empties
    for (const int s : {0, 1, 2, 3, 4})
        ExpectCellShowsItsIcon(0, s);
    ShowPage(7);
    for (const int s : {0, 1, 2, 3})
        ExpectCellShowsItsIcon(7, s);
}
