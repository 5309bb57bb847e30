#include "forms/win/ApplicationEvents.h"

namespace forms {

namespace {
// What the application holds while a TApplicationEvents lives: calls into it, of types of their
// own, so that the component can tell its own handlers from ones set after it.
struct ActivationForward {
    TApplicationEvents* events;
    bool activate;
    void operator()(TComponent* sender) const {
        const TNotifyEvent& event = activate ? events->OnActivate : events->OnDeactivate;
        if (event) {
            const TNotifyEvent handler = event;
            handler(sender);
        }
    }
};
struct MessageForward {
    TApplicationEvents* events;
    void operator()(MSG& msg, bool& handled) const {
        if (events->OnMessage) {
            const TMessageEvent handler = events->OnMessage; // it may detach itself
            handler(msg, handled);
        }
    }
};
struct ShowHintForward {
    TApplicationEvents* events;
    void operator()(std::string& text, bool& canShow, THintInfo& info) const {
        if (events->OnShowHint) {
            const TShowHintEvent handler = events->OnShowHint;
            handler(text, canShow, info);
        }
    }
};

template <typename Forward, typename Event>
void TakeBack(Event& event, const TApplicationEvents* events) {
    const Forward* forward = event.template target<Forward>();
    if (forward && forward->events == events)
        event = nullptr;
}
} // namespace

TApplicationEvents::TApplicationEvents(TComponent* owner) : TComponent(owner) {
    Application.OnActivate = ActivationForward{this, true};
    Application.OnDeactivate = ActivationForward{this, false};
    Application.OnMessage = MessageForward{this};
    Application.OnShowHint = ShowHintForward{this};
}

TApplicationEvents::~TApplicationEvents() {
    TakeBack<ActivationForward>(Application.OnActivate, this);
    TakeBack<ActivationForward>(Application.OnDeactivate, this);
    TakeBack<MessageForward>(Application.OnMessage, this);
    TakeBack<ShowHintForward>(Application.OnShowHint, this);
}

} // namespace forms
