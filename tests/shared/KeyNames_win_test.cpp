// The keyboard layout's key names as the system gives them.
#include "shared/HotKeyText.h"
#include "shared/KeyNames.h"

#include "forms/base/StrUtils.h"

#include <gtest/gtest.h>

#include <windows.h>

TEST(SystemKeyNames, TheFixedNamesWinOverTheLayouts) {
    const TKeyNames& names = SystemKeyNames();
    EXPECT_EQ(names.KeyName(VK_RETURN), "Enter");
    EXPECT_EQ(names.KeyName(VK_PRIOR), "PgUp");
    EXPECT_EQ(names.KeyName(VK_F12), "F12");
    EXPECT_EQ(names.KeyName('L'), "L");
}

TEST(SystemKeyNames, KeysWithoutAFixedNameAreNamedByTheLayout) {
    const TKeyNames& names = SystemKeyNames();
    // The bracket keys, the default menu and lock keys.
    EXPECT_FALSE(names.KeyName(219).empty());
    EXPECT_FALSE(names.KeyName(221).empty());
    // A code that no key of the layout makes has no name.
    EXPECT_EQ(names.KeyName(0xFF), "");
}

TEST(SystemKeyNames, EveryNameReadsBackToAKeyOfThatName) {
    const TKeyNames& names = SystemKeyNames();
    for (int c = 1; c < 256; ++c) {
        const std::string& name = names.KeyName(static_cast<uint16_t>(c));
        if (name.empty())
            continue;
        const uint8_t back = names.KeyCode(name);
        EXPECT_TRUE(forms::SameText(names.KeyName(back), name)) << c << " " << name;
        EXPECT_LE(back, c) << name;
    }
}

TEST(SystemKeyNames, AHotKeyOfALayoutNamedKeyIsRead) {
    const TKeyNames& names = SystemKeyNames();
    const THotKey k = ReadHotKeyText("Ctrl+Alt+" + names.KeyName(219), names);
    EXPECT_EQ(k.Modifiers, kHotKeyCtrl | kHotKeyAlt);
    EXPECT_EQ(k.Key, 219);
}
