#include "framework/graphics/Colors.h"

#include <QApplication>
#include <QPalette>
#include <gtest/gtest.h>

namespace {

// Gives every palette role its own colour for the test's lifetime.
class PaletteScope {
public:
    PaletteScope() : saved_(QApplication::palette()) {
        QPalette palette;
        int shade = 1;
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto r = static_cast<QPalette::ColorRole>(role);
            palette.setColor(QPalette::Active, r, QColor(shade, 2 * shade, 3 * shade));
            palette.setColor(QPalette::Disabled, r, QColor(3 * shade, shade, 2 * shade));
            ++shade;
        }
        QApplication::setPalette(palette);
    }
    ~PaletteScope() { QApplication::setPalette(saved_); }

private:
    QPalette saved_;
};

TColor Role(QPalette::ColorRole role, QPalette::ColorGroup group = QPalette::Active) {
    return FromQColor(QApplication::palette().color(group, role));
}

} // namespace

TEST(Colors, FixedColoursPassThroughWithRedInTheLowByte) {
    EXPECT_EQ(ColorToRGB(0x123456), 0x123456);
    EXPECT_EQ(ToQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(0x00332211), QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(FromQColor(QColor(1, 2, 3, 4)), 0x030201);
    EXPECT_EQ(ToQRgb(clBlue), qRgb(0, 0, 255));
}

TEST(Colors, SystemColoursResolveThroughThePalette) {
    PaletteScope scope;
    EXPECT_EQ(ColorToRGB(clBtnFace), Role(QPalette::Button));
    EXPECT_EQ(ColorToRGB(clWindow), Role(QPalette::Base));
    EXPECT_EQ(ColorToRGB(clBtnShadow), Role(QPalette::Dark));
    EXPECT_EQ(ColorToRGB(clGrayText), Role(QPalette::Text, QPalette::Disabled));
    EXPECT_EQ(ColorToRGB(clMenuText), Role(QPalette::WindowText));
    EXPECT_EQ(ToQColor(clBtnFace), QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(ColorToRGB(static_cast<TColor>(0xFF0000FE)), clBlack);
}
