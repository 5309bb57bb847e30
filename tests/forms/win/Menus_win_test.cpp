#include "support/WinTest.h"

#include "forms/base/Exceptions.h"
#include "forms/win/Menus.h"

#include <atomic>

using namespace forms;

using MenuTest = WinTest;

TEST_F(MenuTest, PopupShowsVisibleItemsWithTheirStates) {
    auto f = ShownForm();
    auto* menu = MakeOwned<TPopupMenu>(f.get());
    menu->Items().Add("開く(&O)");
    menu->Items().Add("-");
    TMenuItem* hidden = menu->Items().Add("隠す");
    hidden->SetVisible(false);
    TMenuItem* radio = menu->Items().Add("ラジオ");
    radio->SetRadioItem(true);
    radio->SetChecked(true);
    TMenuItem* off = menu->Items().Add("無効");
    off->SetEnabled(false);
    TMenuItem* sub = menu->Items().Add("サブ");
    sub->Add("子");
    int popups = 0;
    menu->OnPopup = [&](TComponent*) { ++popups; };
    std::vector<kbtest::MenuItemView> items;
    {
        kbtest::WindowDriver d(L"#32768", [&](HWND m) { items = kbtest::DriveMenu(m, -1); });
        menu->Popup(150, 150);
    }
    EXPECT_EQ(popups, 1);
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0].text, L"開く(&O)");
    EXPECT_TRUE(items[1].type & MFT_SEPARATOR);
    EXPECT_EQ(items[2].text, L"ラジオ");
    EXPECT_TRUE(items[2].type & MFT_RADIOCHECK);
    EXPECT_TRUE(items[2].state & MFS_CHECKED);
    EXPECT_TRUE(items[3].state & MFS_DISABLED);
    EXPECT_TRUE(items[4].submenu);
    EXPECT_EQ(menu->NativeMenu(), nullptr);
}

TEST_F(MenuTest, ChosenItemClicksAfterTheMenuIsGone) {
    auto f = ShownForm();
    auto* menu = MakeOwned<TPopupMenu>(f.get());
    std::vector<std::string> clicks;
    menu->Items().Add("一", [&](TComponent*) { clicks.push_back("one"); });
    menu->Items().Add("二", [&](TComponent* sender) {
        clicks.push_back(menu->NativeMenu() ? "open" : "closed");
        delete sender; // a handler may free its item
    });
    {
        kbtest::WindowDriver d(L"#32768", [](HWND m) { kbtest::DriveMenu(m, 1); });
        menu->Popup(150, 150);
    }
    EXPECT_EQ(clicks, (std::vector<std::string>{"closed"}));
    EXPECT_EQ(menu->Items().Count(), 1);
}

TEST_F(MenuTest, RadioItemsOfAGroupExcludeEachOther) {
    TPopupMenu menu(nullptr);
    TMenuItem* a = menu.Items().Add("a");
    TMenuItem* b = menu.Items().Add("b");
    TMenuItem* other = menu.Items().Add("c");
    for (TMenuItem* i : {a, b, other}) {
        i->SetRadioItem(true);
        i->SetAutoCheck(true);
        i->SetGroupIndex(1);
    }
    other->SetGroupIndex(2);
    other->SetChecked(true);
    a->Click();
    b->Click();
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(other->Checked());
}

TEST_F(MenuTest, ItemsOwnTheirChildren) {
    TPopupMenu menu(nullptr);
    TMenuItem* parent = menu.Items().Add("親");
    TMenuItem* child = parent->Add("子");
    EXPECT_EQ(child->Parent(), parent);
    EXPECT_EQ(child->MenuIndex(), 0);
    Scoped<TMenuItem> made = MakeScoped<TMenuItem>();
    TMenuItem* first = made.get();
    parent->Insert(0, std::move(made));
    EXPECT_EQ(made, nullptr);
    EXPECT_EQ(parent->Items(0), first);
    EXPECT_EQ(child->MenuIndex(), 1);
    const std::weak_ptr<void> life = first->LifeToken();
    parent->Clear();
    EXPECT_TRUE(life.expired()); // freed with the list
    EXPECT_EQ(parent->Count(), 0);
}

TEST_F(MenuTest, RefusedItemStaysWithTheCaller) {
    TPopupMenu menu(nullptr);
    TMenuItem* parent = menu.Items().Add("親");
    Scoped<TMenuItem> item = MakeScoped<TMenuItem>();
    item->SetCaption("残る");
    EXPECT_THROW(parent->Insert(2, std::move(item)), EListIndexError);
    EXPECT_THROW(parent->Insert(-1, std::move(item)), EListIndexError);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->Caption(), "残る");
    EXPECT_EQ(item->Parent(), nullptr);
    EXPECT_EQ(parent->Count(), 0);
    EXPECT_THROW(parent->Insert(0, Scoped<TMenuItem>()), Exception);
    EXPECT_THROW(parent->Add(Scoped<TMenuItem>()), Exception);
}

TEST_F(MenuTest, ItemCannotHoldItselfOrItsParents) {
    TPopupMenu menu(nullptr);
    TMenuItem* top = menu.Items().Add("上");
    TMenuItem* middle = top->Add("中");
    // Taken out, the top item cannot go below its own child.
    Scoped<TMenuItem> taken = menu.Items().Remove(top);
    ASSERT_EQ(taken.get(), top);
    EXPECT_THROW(middle->Add(std::move(taken)), Exception);
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(middle->Parent(), top);
    EXPECT_EQ(middle->Count(), 0);
    menu.Items().Add(std::move(taken));
    EXPECT_EQ(menu.Items().Items(0), top);
}

TEST_F(MenuTest, ItemMovesBetweenParentsThroughRemove) {
    TPopupMenu menu(nullptr);
    TMenuItem* a = menu.Items().Add("a");
    TMenuItem* b = menu.Items().Add("b");
    TMenuItem* moving = a->Add("移動");
    b->Add(a->Remove(moving));
    EXPECT_EQ(a->Count(), 0);
    EXPECT_EQ(b->Items(0), moving);
    EXPECT_EQ(moving->Parent(), b);
    EXPECT_EQ(a->Remove(moving), nullptr); // not a's any more
}

TEST_F(MenuTest, ItemHandedOverLeavesItsFormerOwner) {
    TPopupMenu menu(nullptr);
    auto* owned = MakeOwned<TMenuItem>(&menu);
    ASSERT_EQ(menu.ComponentCount(), 1);
    menu.Items().Add(Scoped<TMenuItem>(owned));
    EXPECT_EQ(owned->Owner(), nullptr);
    EXPECT_EQ(menu.ComponentCount(), 0); // freed once, by its parent item
    EXPECT_EQ(owned->Parent(), &menu.Items());
}

TEST_F(MenuTest, RightClickOpensTheControlsMenu) {
    auto f = ShownForm();
    auto* menu = MakeOwned<TPopupMenu>(f.get());
    std::atomic<bool> chosen{false};
    menu->Items().Add("選ぶ", [&](TComponent*) { chosen = true; });
    f->SetPopupMenu(menu);
    kbtest::WindowDriver d(L"#32768", [](HWND m) { kbtest::DriveMenu(m, 0); });
    kbtest::PostClick(f->Handle(), 50, 50, true);
    EXPECT_TRUE(kbtest::PumpUntil([&] { return chosen.load(); }));
    EXPECT_EQ(menu->PopupComponent(), f.get());
}
