#include "shared/IconList.h"

#include "forms/gfx/Icon.h"

// Here, where the icon is a complete type, so that the list's destructor can free its icons.
TIconList::TIconList() = default;
TIconList::~TIconList() = default;
