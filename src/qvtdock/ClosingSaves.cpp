#include "qvtdock/ClosingSaves.h"

std::vector<TCloseAction> CloseActions(bool formVisible, bool settingsLoaded, bool dataLoaded) {
    std::vector<TCloseAction> actions;
    if (formVisible)
        actions.push_back(TCloseAction::HideForm);
    if (settingsLoaded) {
        actions.push_back(TCloseAction::StoreSettings);
        actions.push_back(TCloseAction::SaveGeometry);
    }
    if (dataLoaded)
        actions.push_back(TCloseAction::SaveDataFile);
    return actions;
}

int RunEachReporting(const std::vector<std::function<void()>>& steps,
                     const std::function<void(std::exception_ptr)>& report) {
    int failed = 0;
    for (const auto& step : steps) {
        try {
            step();
        } catch (...) {
            ++failed;
            report(std::current_exception());
        }
    }
    return failed;
}
