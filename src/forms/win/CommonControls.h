#pragma once
// The classes of the system's common-controls library (up-down, tab control and the rest that
// the programs use) are registered once per process, before the first such window is made.
namespace forms {

// Registers the common-control classes the first time it is called; false when the system
// refused (the windows of those classes then cannot be made, and their creation says why).
bool EnsureCommonControls();

} // namespace forms
