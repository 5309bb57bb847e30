// The title clock's date-time format ([Visible] DateTimeFmt) over any text, at a fixed moment and
// at the moment the input's first eight bytes hold as a date (any double: NaN, infinities and
// dates outside the calendar too). A format without a bracketed token formats as the class
// library's picture alone.
#include "FuzzTarget.h"

#include "shared/DateFormat.h"

#include <cstring>

namespace {
void Format(const std::string& format, forms::TDateTime dt) {
    static const forms::TFormatSettings locale = forms::JapaneseFormatSettings();
    const std::string text = FormatDateTimeEx(format, dt, locale);
    if (format.find('[') == std::string::npos)
        FUZZ_CHECK(text == forms::FormatDateTime(format, dt, locale));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string format = fuzz::Bytes(data, size);
    Format(format, forms::EncodeDate(2026, 12, 9) + forms::EncodeTime(21, 5, 9, 500));
    if (size >= sizeof(double)) {
        double dt = 0;
        std::memcpy(&dt, data, sizeof dt);
        Format(format, dt);
    }
    return 0;
}
