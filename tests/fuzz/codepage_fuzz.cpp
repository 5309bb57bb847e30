// Code-page conversion both ways: any bytes decode, and text that decoded from whole characters
// encodes back to the same bytes.
#include "FuzzTarget.h"

#include "forms/base/Codepage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes = fuzz::Bytes(data, size);
    const std::u16string text = cp932::ToUtf16(bytes);
    bool lossy = false;
    const std::string back = cp932::FromUtf16(text, &lossy);
    if (cp932::ToUtf16(back) != text)
        FUZZ_CHECK(lossy);
    cp932::FromUtf8(bytes, &lossy);
    cp932::Utf16ToUtf8(cp932::Utf8ToUtf16(bytes, &lossy));
    return 0;
}
