// TApplicationEvents: a component's handlers on the application's events while it lives.
#include "support/WinTest.h"

#include "forms/win/ApplicationEvents.h"

#include <string>
#include <vector>

using namespace forms;

using ApplicationEventsTest = WinTest;

TEST_F(ApplicationEventsTest, MessagesReachTheComponentsFilter) {
    auto owner = MakeScoped<TComponent>();
    auto* events = MakeOwned<TApplicationEvents>(owner.get());
    std::vector<UINT> seen;
    events->OnMessage = [&](MSG& m, bool& handled) {
        if (m.message == WM_APP || m.message == WM_APP + 1) {
            seen.push_back(m.message);
            handled = m.message == WM_APP + 1;
        }
    };
    PostThreadMessageW(GetCurrentThreadId(), WM_APP, 0, 0);
    PostThreadMessageW(GetCurrentThreadId(), WM_APP + 1, 0, 0);
    kbtest::PumpPosted();
    EXPECT_EQ(seen, (std::vector<UINT>{WM_APP, WM_APP + 1}));
}

TEST_F(ApplicationEventsTest, ClearedFilter_MessagesPassUntouched) {
    auto owner = MakeScoped<TComponent>();
    auto* events = MakeOwned<TApplicationEvents>(owner.get());
    int calls = 0;
    events->OnMessage = [&](MSG&, bool&) { ++calls; };
    events->OnMessage = nullptr;
    PostThreadMessageW(GetCurrentThreadId(), WM_APP, 0, 0);
    kbtest::PumpPosted();
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(Application.OnMessage); // still the component's, which passes everything
}

TEST_F(ApplicationEventsTest, ActivationAndHintEventsReachTheComponent) {
    auto owner = MakeScoped<TComponent>();
    auto* events = MakeOwned<TApplicationEvents>(owner.get());
    std::vector<std::string> seen;
    events->OnActivate = [&](TComponent*) { seen.push_back("activate"); };
    events->OnDeactivate = [&](TComponent*) { seen.push_back("deactivate"); };
    events->OnShowHint = [&](std::string& text, bool& canShow, THintInfo&) {
        seen.push_back("hint " + text);
        canShow = false;
    };
    Application.OnActivate(&Application);
    Application.OnDeactivate(&Application);
    std::string text = "x";
    bool canShow = true;
    THintInfo info;
    Application.OnShowHint(text, canShow, info);
    EXPECT_EQ(seen, (std::vector<std::string>{"activate", "deactivate", "hint x"}));
    EXPECT_FALSE(canShow);
}

TEST_F(ApplicationEventsTest, Destroyed_TheApplicationsEventsAreFreeAgain) {
    auto owner = MakeScoped<TComponent>();
    auto* events = MakeOwned<TApplicationEvents>(owner.get());
    events->OnActivate = [](TComponent*) {};
    owner.reset();
    EXPECT_FALSE(Application.OnActivate);
    EXPECT_FALSE(Application.OnDeactivate);
    EXPECT_FALSE(Application.OnMessage);
    EXPECT_FALSE(Application.OnShowHint);
}

TEST_F(ApplicationEventsTest, Destroyed_AHandlerSetAfterItStays) {
    auto owner = MakeScoped<TComponent>();
    MakeOwned<TApplicationEvents>(owner.get());
    int calls = 0;
    Application.OnActivate = [&](TComponent*) { ++calls; };
    owner.reset();
    ASSERT_TRUE(Application.OnActivate);
    Application.OnActivate(&Application);
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(Application.OnMessage);
}

TEST_F(ApplicationEventsTest, TwoComponents_TheOlderOneGoingLeavesTheNewerAttached) {
    auto first = MakeScoped<TComponent>();
    MakeOwned<TApplicationEvents>(first.get());
    auto second = MakeScoped<TComponent>();
    auto* newer = MakeOwned<TApplicationEvents>(second.get());
    int calls = 0;
    newer->OnDeactivate = [&](TComponent*) { ++calls; };
    first.reset();
    ASSERT_TRUE(Application.OnDeactivate);
    Application.OnDeactivate(&Application);
    EXPECT_EQ(calls, 1);
}

TEST_F(ApplicationEventsTest, AFilterThatFreesItsComponent_EndsCleanly) {
    auto owner = MakeScoped<TComponent>();
    auto* events = MakeOwned<TApplicationEvents>(owner.get());
    int calls = 0;
    events->OnMessage = [&](MSG& m, bool&) {
        if (m.message == WM_APP) {
            ++calls;
            owner.reset();
        }
    };
    PostThreadMessageW(GetCurrentThreadId(), WM_APP, 0, 0);
    PostThreadMessageW(GetCurrentThreadId(), WM_APP, 0, 0);
    kbtest::PumpPosted();
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(Application.OnMessage);
}
