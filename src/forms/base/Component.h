#pragma once
// Components and owners. A component created with an owner belongs to it: the owner frees what
// it owns, newest first, when it goes. Components are deleted through ComponentDelete, which
// first runs BeforeDestruction while the whole object still exists (forms fire OnDestroy and
// free their children there); a component deleted plainly still cleans up in its destructors.
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace forms {

class TComponent;

struct ComponentDelete {
    void operator()(TComponent* component) const;
};
// A component owned by a scope (a modal form, say).
template <typename T> using Scoped = std::unique_ptr<T, ComponentDelete>;

enum class TOperation { opInsert, opRemove };

class TComponent {
public:
    explicit TComponent(TComponent* owner);
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;
    virtual ~TComponent();

    [[nodiscard]] TComponent* Owner() const { return owner_; }
    [[nodiscard]] int ComponentCount() const { return static_cast<int>(components_.size()); }
    [[nodiscard]] TComponent* Components(int index) const;
    [[nodiscard]] intptr_t Tag() const { return tag_; }
    void SetTag(intptr_t tag) { tag_ = tag; }
    [[nodiscard]] const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    // The class's own name without namespace ("TLabel", "TfmMain"); window classes use it.
    [[nodiscard]] virtual std::string ClassName() const;

    // Runs once the most derived constructor is done (MakeOwned, MakeScoped, CreateForm).
    virtual void AfterConstruction() {}
    // Called by forms for what they own once they are built, in creation order.
    virtual void Loaded() {}
    // Runs before the destructors; frees the owned components, newest first.
    virtual void BeforeDestruction();
    [[nodiscard]] bool Destroying() const { return destroying_; }

    // Takes a component away from this owner; the caller owns it then.
    Scoped<TComponent> RemoveComponent(TComponent* component);
    // Makes this the owner of a component that has none.
    void InsertComponent(Scoped<TComponent> component);
    // other->Notification(this, opRemove) runs when this component goes.
    void FreeNotification(TComponent* other);
    void RemoveFreeNotification(TComponent* other);

    // A token that expires when the component is destroyed, for code that fires an event which
    // may free its sender and must not touch it afterwards.
    [[nodiscard]] std::weak_ptr<void> LifeToken() const { return life_; }

protected:
    // An owned component or a watched one is going (opRemove) or was added (opInsert).
    virtual void Notification(TComponent* /*component*/, TOperation /*operation*/) {}
    void DestroyComponents();

private:
    void NotifyRemoval();

    TComponent* owner_ = nullptr;
    std::vector<std::unique_ptr<TComponent, ComponentDelete>> components_;
    std::vector<TComponent*> watchers_; // notified when this one goes
    std::vector<TComponent*> watched_;  // this one is notified when they go
    std::string name_;
    intptr_t tag_ = 0;
    bool destroying_ = false;
    std::shared_ptr<int> life_ = std::make_shared<int>(0);
};

// Makes a component owned by owner and returns a plain pointer to it.
template <typename T, typename... Args> T* MakeOwned(TComponent* owner, Args&&... args) {
    T* p = new T(owner, std::forward<Args>(args)...);
    p->AfterConstruction();
    return p;
}

// Makes a component without owner that the returned pointer frees.
template <typename T, typename... Args> Scoped<T> MakeScoped(Args&&... args) {
    Scoped<T> p(new T(nullptr, std::forward<Args>(args)...));
    p->AfterConstruction();
    return p;
}

} // namespace forms
