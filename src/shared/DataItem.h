#pragma once
// The common base of the data file's records (slot, status, page): each record writes and reads
// its own fields.
namespace forms {
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
