#pragma once
// What closing the launcher does, in order: the window goes out of sight first, then the settings
// that the window holds are stored, the geometry keys written and the data file saved. Each step
// runs on its own, so a settings file that cannot be written never costs the user the data
// file; each failure is reported once and the close goes ahead. The settings are written only
// when start-up read them, and the data file is saved only when the launcher holds data read from
// it: never defaults over the user's settings, never an empty or partial list over the user's
// data file.
#include <exception>
#include <functional>
#include <vector>

enum class TCloseAction { HideForm, StoreSettings, SaveGeometry, SaveDataFile };

// The steps of a close: HideForm only for a visible form, StoreSettings and SaveGeometry only for
// loaded settings, SaveDataFile only for loaded data.
[[nodiscard]] std::vector<TCloseAction> CloseActions(bool formVisible, bool settingsLoaded,
                                                     bool dataLoaded);

// Runs every step; one that raises is reported (report gets its error) and the next runs anyway.
// Returns the number of steps that failed.
int RunEachReporting(const std::vector<std::function<void()>>& steps,
                     const std::function<void(std::exception_ptr)>& report);
