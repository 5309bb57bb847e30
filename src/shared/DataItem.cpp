#include "shared/DataItem.h"

// Defined here so that the class's virtual table lives in one object file.
TBaseDataItem::~TBaseDataItem() = default;
