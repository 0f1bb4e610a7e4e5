// The pictures of menus and form backgrounds that are not image roles of a style.
#pragma once

#include <QImage>

namespace art {

// MacOS menu bar: light at the top (the bar keeps only its top rows) to a grey bottom line.
QImage PaintMacMenuBar(QSize size);
// MacOS selection: the aqua blue of a pressed MacOS button.
QImage PaintMacMenuSelect(QSize size);
// Black check mark on white, which the menus draw as transparent: no grey edge pixels.
QImage PaintMenuChecked(QSize size);
// 8 x 8 tiles: MacOS pinstripes, Protein's faint lattice.
QImage PaintMacFormBackground(QSize size);
QImage PaintProteinFormBackground(QSize size);

} // namespace art
