#pragma once
// Mouse buttons and key state: the buttons of the launch combination as a set, the mouse events
// of the action assignment, and which keys and buttons are held now.
#include <cstdint>
#include <initializer_list>

// The buttons of the launch combination.
enum TLaunchMouseBtn : uint8_t { lmNone, lmLeft, lmRight, lmMiddle, lmMos4, lmMos5 };

// A set of TLaunchMouseBtn: bit n for ordinal n.
class TLaunchMouseBtns {
public:
    constexpr TLaunchMouseBtns() = default;
    constexpr TLaunchMouseBtns(std::initializer_list<TLaunchMouseBtn> btns) {
        for (TLaunchMouseBtn b : btns)
            Include(b);
    }
    // Bits above lmMos5 are dropped.
    static constexpr TLaunchMouseBtns FromBits(uint8_t bits) {
        TLaunchMouseBtns s;
        s.bits_ = static_cast<uint8_t>(bits & kAll);
        return s;
    }

    [[nodiscard]] constexpr uint8_t Bits() const { return bits_; }
    [[nodiscard]] constexpr bool Contains(TLaunchMouseBtn b) const { return (bits_ & Bit(b)) != 0; }
    [[nodiscard]] constexpr bool Empty() const { return bits_ == 0; }
    constexpr void Include(TLaunchMouseBtn b) { bits_ = static_cast<uint8_t>(bits_ | Bit(b)); }
    constexpr void Exclude(TLaunchMouseBtn b) { bits_ = static_cast<uint8_t>(bits_ & ~Bit(b)); }

    friend constexpr bool operator==(TLaunchMouseBtns a, TLaunchMouseBtns b) {
        return a.bits_ == b.bits_;
    }
    friend constexpr bool operator!=(TLaunchMouseBtns a, TLaunchMouseBtns b) { return !(a == b); }

private:
    static constexpr uint8_t kAll = 0x3F;
    static constexpr uint8_t Bit(TLaunchMouseBtn b) {
        return b <= lmMos5 ? static_cast<uint8_t>(1u << b) : 0;
    }
    uint8_t bits_ = 0;
};

// The mouse events of the action assignment: buttons, wheel directions, and wheel directions
// with the left, right or middle button held.
enum TMouseBtnType : uint8_t {
    mbtNone,
    mbtLeft,
    mbtRight,
    mbtMiddle,
    mbt4,
    mbt5,
    mbtWhlup,
    mbtWhldn,
    mbtLWhlup,
    mbtLWhldn,
    mbtRWhlup,
    mbtRWhldn,
    mbtMWhlup,
    mbtMWhldn
};

#ifdef _WIN32
// The key or mouse button (virtual-key code) is held now, by its asynchronous state. (Not
// KeyDown/KeyUp: controls have members of those names.)
[[nodiscard]] bool IsKeyDown(int vk);
[[nodiscard]] bool IsKeyUp(int vk);
// The mouse buttons held now; never lmNone.
[[nodiscard]] TLaunchMouseBtns GetMouseButtons();
#endif
