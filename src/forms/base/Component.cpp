#include "forms/base/Component.h"

#include "forms/base/Exceptions.h"

#include <algorithm>
#include <cstdlib>
#include <cxxabi.h>
#include <typeinfo>

namespace forms {

void ComponentDelete::operator()(TComponent* component) const {
    if (!component)
        return;
    if (!component->Destroying())
        component->BeforeDestruction();
    delete component;
}

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_)
        owner_->components_.emplace_back(this);
}

TComponent::~TComponent() {
    destroying_ = true;
    DestroyComponents();
    NotifyRemoval();
    if (owner_) {
        // The owner lets go without deleting: this object is being deleted already.
        auto& list = owner_->components_;
        for (auto it = list.begin(); it != list.end(); ++it)
            if (it->get() == this) {
                (void)it->release();
                list.erase(it);
                break;
            }
        owner_->Notification(this, TOperation::opRemove);
    }
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount())
        throw EListIndexError(index);
    return components_[static_cast<size_t>(index)].get();
}

std::string TComponent::ClassName() const {
    const char* mangled = typeid(*this).name();
    int status = 0;
    char* demangled = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    std::string name = status == 0 && demangled ? demangled : mangled;
    std::free(demangled);
    const size_t colon = name.rfind("::");
    return colon == std::string::npos ? name : name.substr(colon + 2);
}

void TComponent::BeforeDestruction() {
    destroying_ = true;
    DestroyComponents();
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        // Taken out first, so that the owner's list never holds a component being destroyed.
        std::unique_ptr<TComponent, ComponentDelete> last = std::move(components_.back());
        components_.pop_back();
        last->owner_ = nullptr;
        Notification(last.get(), TOperation::opRemove);
        last.reset();
    }
}

Scoped<TComponent> TComponent::RemoveComponent(TComponent* component) {
    for (auto it = components_.begin(); it != components_.end(); ++it)
        if (it->get() == component) {
            Scoped<TComponent> out(it->release());
            components_.erase(it);
            out->owner_ = nullptr;
            Notification(component, TOperation::opRemove);
            return out;
        }
    return nullptr;
}

void TComponent::InsertComponent(Scoped<TComponent> component) {
    if (!component || component->owner_)
        return;
    component->owner_ = this;
    TComponent* raw = component.get();
    components_.push_back(std::move(component));
    Notification(raw, TOperation::opInsert);
}

void TComponent::FreeNotification(TComponent* other) {
    if (!other || other == this)
        return;
    if (std::find(watchers_.begin(), watchers_.end(), other) == watchers_.end())
        watchers_.push_back(other);
    if (std::find(other->watched_.begin(), other->watched_.end(), this) == other->watched_.end())
        other->watched_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* other) {
    if (!other)
        return;
    watchers_.erase(std::remove(watchers_.begin(), watchers_.end(), other), watchers_.end());
    other->watched_.erase(std::remove(other->watched_.begin(), other->watched_.end(), this),
                          other->watched_.end());
}

void TComponent::NotifyRemoval() {
    life_.reset();
    // Those this one watched forget it; those watching this one hear of its end.
    for (TComponent* w : watched_)
        w->watchers_.erase(std::remove(w->watchers_.begin(), w->watchers_.end(), this),
                           w->watchers_.end());
    watched_.clear();
    const std::vector<TComponent*> watchers = std::move(watchers_);
    watchers_.clear();
    for (TComponent* w : watchers) {
        w->watched_.erase(std::remove(w->watched_.begin(), w->watched_.end(), this),
                          w->watched_.end());
        w->Notification(this, TOperation::opRemove);
    }
}

} // namespace forms
