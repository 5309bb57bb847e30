#pragma once
// The icon list kept beside the launch slots, one icon per slot. Windows only.
#include "forms/base/ObjectList.h"

namespace forms {
class TIcon;
} // namespace forms

#ifdef _WIN32
// One entry per launch slot, in the flat slot order; the owner keeps it parallel to the slots. An
// entry may be null, a slot whose icon is not made (yet). The list owns its icons: Delete frees
// the one that leaves, Insert (0 <= index <= Count) frees nothing, and a bad index raises
// forms::EListIndexError, changes nothing and leaves the icon with the caller. Use with
// forms/gfx/Icon.h.
class TIconList : public forms::TObjectList<forms::TIcon> {
public:
    TIconList();
    ~TIconList() override;

    [[nodiscard]] forms::TIcon* GetItem(int index) const { return Items(index); }
};
#endif
