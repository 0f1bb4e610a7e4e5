#include "framework/menus/TShortCut.h"
#include "framework/core/Messages.h"

#include <gtest/gtest.h>

TEST(TShortCutTest, TextFormRoundTrips) {
    const struct {
        std::uint16_t key;
        TShiftState shift;
        const char* text;
    } cases[] = {
        {'S', TShiftFlag::ssCtrl, "Ctrl+S"},
        {VK_F1 + 11, TShiftFlag::ssShift | TShiftFlag::ssCtrl, "Shift+Ctrl+F12"},
        {VK_DELETE, TShiftFlag::ssAlt, "Alt+Del"},
        {VK_NEXT, TShiftFlag::ssShift | TShiftFlag::ssAlt, "Shift+Alt+PgDn"},
        {VK_ESCAPE, {}, "Esc"},
        {'7', TShiftFlag::ssCtrl | TShiftFlag::ssAlt, "Ctrl+Alt+7"},
    };
    for (const auto& c : cases) {
        const TShortCut shortCut = ShortCut(c.key, c.shift);
        EXPECT_EQ(ShortCutToText(shortCut), QLatin1String(c.text));
        EXPECT_EQ(TextToShortCut(QLatin1String(c.text)), shortCut) << c.text;
        EXPECT_EQ(ShortCutKey(shortCut), c.key);
        EXPECT_EQ(ShortCutShift(shortCut), c.shift);
    }
}

TEST(TShortCutTest, ReadingIgnoresCaseAndSpacesButNotNonsense) {
    EXPECT_EQ(TextToShortCut(QStringLiteral("ctrl + s")), ShortCut('S', TShiftFlag::ssCtrl));
    EXPECT_EQ(TextToShortCut(QStringLiteral("alt+f4")), ShortCut(VK_F4, TShiftFlag::ssAlt));
    for (const char* bad : {"", "Ctrl+", "Hyper+S", "Ctrl+F25", "Ctrl+SS", "+S"})
        EXPECT_EQ(TextToShortCut(QLatin1String(bad)), scNone) << bad;
}

TEST(TShortCutTest, KeysWithoutNameOrBeyondTheLowByteGiveNoShortCut) {
    EXPECT_EQ(ShortCut(0, TShiftFlag::ssCtrl), scNone);
    EXPECT_EQ(ShortCut(0x141, {}), scNone);
    EXPECT_EQ(ShortCutToText(ShortCut(0xBB, TShiftFlag::ssCtrl)), QString());
    EXPECT_EQ(ShortCutToText(scNone), QString());
    // Mouse buttons held with the key are no part of it.
    EXPECT_EQ(ShortCut('S', TShiftFlag::ssCtrl | TShiftFlag::ssLeft),
              ShortCut('S', TShiftFlag::ssCtrl));
}
