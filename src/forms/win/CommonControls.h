#pragma once
// The common controls (up-down, tab control and the others of comctl32) registered once, before
// the first control that superclasses one of them is made.
namespace forms {

void EnsureCommonControls();

} // namespace forms
