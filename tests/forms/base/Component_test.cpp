#include "forms/base/Component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace forms;

namespace {
std::vector<std::string> events;

class TProbe : public TComponent {
public:
    TProbe(TComponent* owner, std::string id) : TComponent(owner), id_(std::move(id)) {}
    ~TProbe() override { events.push_back("~" + id_); }
    void AfterConstruction() override { events.push_back("built " + id_); }
    void BeforeDestruction() override {
        events.push_back("before " + id_);
        TComponent::BeforeDestruction();
    }
    void Watch(TComponent* other) { other->FreeNotification(this); }
    TComponent* seen = nullptr;

protected:
    void Notification(TComponent* c, TOperation op) override {
        if (op == TOperation::opRemove)
            seen = c;
    }

private:
    std::string id_;
};
} // namespace

TEST(Component, OwnerFreesItsComponentsNewestFirst) {
    events.clear();
    {
        Scoped<TProbe> owner = MakeScoped<TProbe>("owner");
        MakeOwned<TProbe>(owner.get(), "a");
        MakeOwned<TProbe>(owner.get(), "b");
        EXPECT_EQ(owner->ComponentCount(), 2);
    }
    const std::vector<std::string> expected{"built owner",  "built a",  "built b",
                                            "before owner", "before b", "~b",
                                            "before a",     "~a",       "~owner"};
    EXPECT_EQ(events, expected);
}

TEST(Component, DeletedComponentLeavesItsOwner) {
    Scoped<TProbe> owner = MakeScoped<TProbe>("owner");
    TProbe* a = MakeOwned<TProbe>(owner.get(), "a");
    delete a;
    EXPECT_EQ(owner->ComponentCount(), 0);
    EXPECT_EQ(owner->seen, a);
}

TEST(Component, RemovedComponentBelongsToTheCaller) {
    Scoped<TProbe> owner = MakeScoped<TProbe>("owner");
    TProbe* a = MakeOwned<TProbe>(owner.get(), "a");
    Scoped<TComponent> taken = owner->RemoveComponent(a);
    EXPECT_EQ(taken.get(), a);
    EXPECT_EQ(a->Owner(), nullptr);
    EXPECT_EQ(owner->ComponentCount(), 0);
    Scoped<TProbe> other = MakeScoped<TProbe>("other");
    other->InsertComponent(std::move(taken));
    EXPECT_EQ(a->Owner(), other.get());
}

TEST(Component, FreeNotificationReachesWatchers) {
    Scoped<TProbe> watcher = MakeScoped<TProbe>("w");
    auto watched = MakeScoped<TProbe>("x");
    TComponent* raw = watched.get();
    watcher->Watch(watched.get());
    watched.reset();
    EXPECT_EQ(watcher->seen, raw);
}

TEST(Component, WatcherGoingFirstIsForgotten) {
    auto watched = MakeScoped<TProbe>("x");
    {
        Scoped<TProbe> watcher = MakeScoped<TProbe>("w");
        watcher->Watch(watched.get());
    }
    watched.reset(); // must not reach the freed watcher
    SUCCEED();
}

TEST(Component, LifeTokenExpiresWithTheComponent) {
    auto c = MakeScoped<TProbe>("x");
    std::weak_ptr<void> token = c->LifeToken();
    EXPECT_FALSE(token.expired());
    c.reset();
    EXPECT_TRUE(token.expired());
}

TEST(Component, ClassNameIsTheUnqualifiedName) {
    auto c = MakeScoped<TProbe>("x");
    EXPECT_EQ(c->ClassName(), "TProbe");
    TComponent plain(nullptr);
    EXPECT_EQ(plain.ClassName(), "TComponent");
}
