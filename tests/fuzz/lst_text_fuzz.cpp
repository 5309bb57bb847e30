// The data file in its text form: reading never fails other than as documented, and whatever
// loads saves and loads again alike (DataFileCheck.h).
#include "DataFileCheck.h"

#include "forms/base/Exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fuzz::ScratchFile file(".lst");
    TLaunchList list;
    try {
        if (!LoadListFromText(list, file.Write(fuzz::Bytes(data, size))))
            return 0;
    } catch (const forms::EConversionError&) { // a Kind that is no integer
        return 0;
    }
    fuzz::CheckSavedFileLoadsAlike(list);
    return 0;
}
