#pragma once
// The launcher's run-time menu items (the page list, the command list): made one by one under a
// parent item, and all freed again before the list is built anew.
#include "forms/win/Menus.h"

#include <functional>
#include <string_view>

// A new item under parent, appended: caption and click handler; a radio item takes number as its
// group, any other item as its tag; the hint when one is given.
forms::TMenuItem* AddMenuItem(forms::TMenuItem& parent, std::string_view caption,
                              std::string_view hint, bool radioItem, int number,
                              std::function<void(forms::TComponent*)> onClick);

// The same, put at index under parent.
forms::TMenuItem* InsertMenuItem(forms::TMenuItem& parent, int index, std::string_view hint,
                                 bool radioItem, int number,
                                 std::function<void(forms::TComponent*)> onClick,
                                 std::string_view caption);

// Frees every item under parent, the last first.
void ClearMenuItems(forms::TMenuItem& parent);
