#pragma once
// The common base of the data file's records (slot, status, page), and the icon list kept beside
// the slots.
#include "forms/base/ObjectList.h"

namespace forms {
class TIcon;
class TReader;
class TWriter;
} // namespace forms

// Each record writes and reads its own fields as tagged filer values, in field order: the
// encoding of the file's older form.
class TBaseDataItem {
public:
    virtual ~TBaseDataItem();

    virtual void WriteData(forms::TWriter& writer) const = 0;
    virtual void ReadData(forms::TReader& reader) = 0;
};

#ifdef _WIN32
// One icon per launch slot, in the flat slot order; the owner keeps it parallel to the slots. The
// list owns its icons: Delete frees the one that leaves, Insert (0 <= index <= Count) frees
// nothing, and a bad index raises forms::EListIndexError, changes nothing and leaves the icon
// with the caller. Use with forms/gfx/Icon.h.
class TIconList : public forms::TObjectList<forms::TIcon> {
public:
    TIconList();
    ~TIconList() override;

    [[nodiscard]] forms::TIcon* GetItem(int index) const { return Items(index); }
};
#endif
