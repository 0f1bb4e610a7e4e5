#include "MenuArt.h"

#include "Look.h"
#include "Paint.h"

#include <array>

namespace art {
namespace {

const QColor kMenuBarTop{0xFF, 0xFF, 0xFF};
const QColor kMenuBarBottom{0xDA, 0xDA, 0xDA};
const QColor kMenuBarLine{0xA2, 0xA2, 0xA2};
const QColor kPinstripeLight{0xEC, 0xEC, 0xEC};
const QColor kPinstripeDark{0xE2, 0xE2, 0xE2};
const QColor kLatticeDot{0xF0, 0xF0, 0xF0};
// Protein's lattice repeats every this many pixels, twice per 8 x 8 tile.
constexpr int kLatticeStep = 4;

// The tick of MENU_CHECKED: one column each, its top pixel; every column is two pixels deep.
struct TickColumn {
    int x;
    int y;
};
constexpr std::array<TickColumn, 10> kTick{{
    {3, 7},
    {4, 8},
    {5, 9},
    {6, 10},
    {7, 9},
    {8, 8},
    {9, 7},
    {10, 6},
    {11, 5},
    {12, 4},
}};

QImage Column(QSize size, const Fill& fill) {
    QImage image = NewImage(size, Qt::black);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y, FillAt(fill, static_cast<double>(y) / (size.height() - 1)));
    return image;
}

} // namespace

QImage PaintMacMenuBar(QSize size) {
    QImage image = Column(size, {kMenuBarTop, kMenuBarTop, kMenuBarBottom, kMenuBarBottom, 0.0});
    for (int x = 0; x < size.width(); ++x)
        image.setPixelColor(x, size.height() - 1, kMenuBarLine);
    return image;
}

QImage PaintMacMenuSelect(QSize size) {
    return Column(size, LookOf(Style::MacOS).button[static_cast<int>(State::Pressed)].fill);
}

QImage PaintMenuChecked(QSize size) {
    QImage image = NewImage(size, Qt::white);
    for (const TickColumn& column : kTick) {
        image.setPixelColor(column.x, column.y, Qt::black);
        image.setPixelColor(column.x, column.y + 1, Qt::black);
    }
    return image;
}

QImage PaintMacFormBackground(QSize size) {
    QImage image = NewImage(size, Qt::black);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y, y % 2 == 0 ? kPinstripeLight : kPinstripeDark);
    return image;
}

QImage PaintProteinFormBackground(QSize size) {
    QImage image = NewImage(size, LookOf(Style::Protein).form);
    for (int y = 0; y < size.height(); y += kLatticeStep)
        for (int x = 0; x < size.width(); x += kLatticeStep) {
            image.setPixelColor(x, y, kLatticeDot);
            image.setPixelColor(x + kLatticeStep / 2, y + kLatticeStep / 2, kLatticeDot);
        }
    return image;
}

} // namespace art
