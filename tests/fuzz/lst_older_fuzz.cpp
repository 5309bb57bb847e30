// The data file in its older binary form, as the launcher reads any file: reading never fails
// other than as documented, and whatever loads is saved in the text form and loads again alike
// (DataFileCheck.h).
#include "DataFileCheck.h"

#include "forms/base/Exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fuzz::ScratchFile file(".lst");
    TLaunchList list;
    list.SetFileName(file.Write(fuzz::Bytes(data, size)));
    try {
        list.LoadFromFile();
    } catch (const forms::EStreamReadError&) { // a value of a wrong type, a section cut short
        return 0;
    } catch (const forms::EConversionError&) { // the text form's Kind that is no integer
        return 0;
    }
    if (list.Loaded())
        fuzz::CheckSavedFileLoadsAlike(list);
    return 0;
}
