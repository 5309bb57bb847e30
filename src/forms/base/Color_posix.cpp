// Natively there is no system to ask: system colours resolve to the classic Windows scheme.
#include "forms/base/Color.h"

#include <array>

namespace forms {

uint32_t SystemColorRGB(int index) {
    static constexpr std::array<uint32_t, 31> kClassic{
        0xC8C8C8, 0x000000, 0x6A240A, 0x808080, 0xF0F0F0, 0xFFFFFF, 0x000000, 0x000000,
        0x000000, 0xFFFFFF, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xFF9933, 0xFFFFFF, 0xF0F0F0,
        0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
        0xE1FFFF, 0xB5B5B5, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xFF9933, 0xF0F0F0};
    return index >= 0 && index < static_cast<int>(kClassic.size())
               ? kClassic[static_cast<size_t>(index)]
               : 0;
}

} // namespace forms
