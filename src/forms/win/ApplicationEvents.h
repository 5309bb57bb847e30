#pragma once
// TApplicationEvents: a component that puts a form's handlers on the application's events
// (activation, the message filter, ordinary hints) while it lives, so a form built in code lists
// them among its components. Its events fire only when assigned; clearing one (the message
// filter while a child program runs, say) detaches the form without touching the application.
// When it goes, it takes back only the application events that are still its own.
#include "forms/win/Application.h"

namespace forms {

class TApplicationEvents : public TComponent {
public:
    explicit TApplicationEvents(TComponent* owner);
    ~TApplicationEvents() override;

    TNotifyEvent OnActivate, OnDeactivate;
    TMessageEvent OnMessage;
    TShowHintEvent OnShowHint;
};

} // namespace forms
