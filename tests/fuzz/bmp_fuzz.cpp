// The bitmap decoder, for .bmp files and bitmap resources: any bytes decode or raise EBitmapError,
// and a decoded picture encodes to a file that decodes to the same picture.
#include "FuzzTarget.h"

#include "forms/base/Exceptions.h"
#include "forms/gfx/BmpFormat.h"

using namespace forms;

namespace {

bool SamePicture(const PixelBuffer& a, const PixelBuffer& b) {
    return a.Width() == b.Width() && a.Height() == b.Height() && a.BitCount() == b.BitCount() &&
           a.Palette() == b.Palette() && a.Bits() == b.Bits();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes = fuzz::Bytes(data, size);
    try {
        // A resource is a file without its 14-byte file header.
        DecodePackedDib(std::string_view(bytes).substr(std::min<size_t>(14, size)));
    } catch (const EBitmapError&) {
    }
    PixelBuffer picture;
    try {
        picture = DecodeBmp(bytes);
    } catch (const EBitmapError&) {
        return 0;
    }
    FUZZ_CHECK(SamePicture(DecodeBmp(EncodeBmp(picture.View())), picture));
    return 0;
}
