#pragma once
// Binds an event to a member function, so a binding does not restate the handler's signature in
// a lambda that only forwards: `button->OnClick = forms::Method(this, &TfmMain::ButtonClick);`.
#include <utility>

namespace forms {

template <typename T, typename R, typename... Args>
auto Method(T* object, R (T::*handler)(Args...)) {
    return [object, handler](Args... args) -> R {
        return (object->*handler)(std::forward<Args>(args)...);
    };
}

template <typename T, typename R, typename... Args>
auto Method(const T* object, R (T::*handler)(Args...) const) {
    return [object, handler](Args... args) -> R {
        return (object->*handler)(std::forward<Args>(args)...);
    };
}

} // namespace forms
