// The INI text inside a style file. Any text reads; what follows its first NUL does not count;
// names match without regard to the case of ASCII letters; a number reads as its text does; and
// a section added after any text without a NUL reads as written, unless the text already has one
// of its name.
#include "FuzzTarget.h"

#include "forms/base/IntText.h"
#include "forms/base/StrUtils.h"
#include "forms/base/StyleText.h"

#include <optional>
#include <utility>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes = fuzz::Bytes(data, size);
    const forms::TStyleText text(bytes);
    const forms::TStyleText cut(bytes + std::string("\0[Glyph]\r\nTab=1\r\n", 17));
    for (const auto& [section, key] : {std::pair{"Style", "Format"}, std::pair{"Glyph", "Tab"},
                                       std::pair{"SubForm", "DrawMode"}}) {
        const std::string value = text.ReadString(section, key, "\x01");
        FUZZ_CHECK(cut.ReadString(section, key, "\x01") == value);
        FUZZ_CHECK(text.ReadString(forms::UpperCase(section), forms::LowerCase(key), "\x01") ==
                   value);
        const std::optional<int32_t> number = forms::ParseIntText(value);
        FUZZ_CHECK(text.ReadInteger(section, key, -7) == number.value_or(-7));
        FUZZ_CHECK(text.ReadBool(section, key, false) == (number.value_or(0) != 0));
    }
    if (bytes.find('\0') == std::string::npos && !text.SectionExists("Added")) {
        const forms::TStyleText more(bytes + "\r\n[ Added ]\r\n Key = a value \r\n");
        FUZZ_CHECK(more.ReadString("added", "KEY", "") == "a value");
    }
    return 0;
}
