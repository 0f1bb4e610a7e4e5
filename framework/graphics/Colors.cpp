#include "framework/graphics/Colors.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>

namespace {

constexpr TColor kSystemColorFlag = static_cast<TColor>(0xFF000000);
constexpr TColor kSystemIndexMask = 0xFF;

struct PaletteEntry {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr PaletteEntry Active(QPalette::ColorRole role) {
    return {QPalette::Active, role};
}

// Win32 system colour indices (COLOR_SCROLLBAR = 0 ... COLOR_MENUBAR = 30) mapped to the palette
// roles that play the same part on a Qt desktop. Index 25 is unused by Windows as well.
constexpr int kSystemColorCount = 31;
constexpr std::array<PaletteEntry, kSystemColorCount> kSystemColors = {{
    Active(QPalette::Button),                   // 0 scroll bar
    Active(QPalette::Dark),                     // 1 desktop background
    Active(QPalette::Highlight),                // 2 active caption
    Active(QPalette::Mid),                      // 3 inactive caption
    Active(QPalette::Window),                   // 4 menu
    Active(QPalette::Base),                     // 5 window
    Active(QPalette::Shadow),                   // 6 window frame
    Active(QPalette::WindowText),               // 7 menu text
    Active(QPalette::WindowText),               // 8 window text
    Active(QPalette::HighlightedText),          // 9 caption text
    Active(QPalette::Button),                   // 10 active border
    Active(QPalette::Button),                   // 11 inactive border
    Active(QPalette::Mid),                      // 12 application workspace
    Active(QPalette::Highlight),                // 13 highlight
    Active(QPalette::HighlightedText),          // 14 highlight text
    Active(QPalette::Button),                   // 15 button face
    Active(QPalette::Dark),                     // 16 button shadow
    {QPalette::Disabled, QPalette::Text},       // 17 gray text
    Active(QPalette::ButtonText),               // 18 button text
    {QPalette::Disabled, QPalette::WindowText}, // 19 inactive caption text
    Active(QPalette::Light),                    // 20 button highlight
    Active(QPalette::Shadow),                   // 21 3-D dark shadow
    Active(QPalette::Midlight),                 // 22 3-D light
    Active(QPalette::ToolTipText),              // 23 info text
    Active(QPalette::ToolTipBase),              // 24 info background
    Active(QPalette::Window),                   // 25 unused
    Active(QPalette::Link),                     // 26 hot light
    Active(QPalette::Highlight),                // 27 active caption gradient
    Active(QPalette::Mid),                      // 28 inactive caption gradient
    Active(QPalette::Highlight),                // 29 menu highlight
    Active(QPalette::Window),                   // 30 menu bar
}};

bool IsSystemColor(TColor color) {
    return (color & kSystemColorFlag) == kSystemColorFlag;
}

} // namespace

TColor ColorToRGB(TColor color) {
    if (!IsSystemColor(color))
        return color;
    const int index = color & kSystemIndexMask;
    // An index Windows does not know answers black, as GetSysColor does.
    if (index >= kSystemColorCount)
        return clBlack;
    const PaletteEntry entry = kSystemColors[static_cast<std::size_t>(index)];
    return FromQColor(QGuiApplication::palette().color(entry.group, entry.role));
}

QRgb ToQRgb(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return qRgb(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

QColor ToQColor(TColor color) {
    return QColor(ToQRgb(color));
}

TColor FromQRgb(QRgb rgb) {
    return static_cast<TColor>(qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16));
}

TColor FromQColor(const QColor& color) {
    return FromQRgb(color.rgb());
}
