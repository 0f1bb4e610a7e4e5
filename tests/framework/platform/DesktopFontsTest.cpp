#include "framework/platform/DesktopFonts.h"

#include <QApplication>
#include <gtest/gtest.h>

// The menus' font is the desktop's own, which may differ from the general one.
TEST(DesktopFonts, TheMenuFontIsTheOneTheDesktopSetsForMenus) {
    const QFont general = QApplication::font();
    const QFont savedMenu = QApplication::font("QMenu");
    QFont menu(QStringLiteral("Menu Test Family"));
    menu.setPixelSize(general.pixelSize() > 0 ? general.pixelSize() + 7 : 23);
    menu.setItalic(!general.italic());
    QApplication::setFont(menu, "QMenu");
    const QFont answered = DesktopFonts::Menu();
    QApplication::setFont(savedMenu, "QMenu");
    EXPECT_EQ(answered.family(), menu.family());
    EXPECT_EQ(answered.pixelSize(), menu.pixelSize());
    EXPECT_EQ(answered.italic(), menu.italic());
    EXPECT_EQ(QApplication::font().family(), general.family());
}
