#pragma once
// TBasePanel: a panel without bevels that can leave its whole face to OnPaint. Translucent
// panels paint nothing of their own: the panel is opaque, so what the screen showed there stays
// and OnPaint draws over it on the panel's Canvas().
#include "forms/win/Panel.h"

class TBasePanel : public forms::TCustomPanel {
public:
    explicit TBasePanel(forms::TComponent* owner);

    [[nodiscard]] bool Translucent() const { return translucent_; }
    // Stores and repaints, also when the value is unchanged.
    void SetTranslucent(bool value);

    // Fires after every paint, own face or none.
    forms::TNotifyEvent OnPaint;

protected:
    void Paint() override;

private:
    bool translucent_ = false;
};
