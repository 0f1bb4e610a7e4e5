// The framework's own look of a menu item, used when the item's menu is not owner-drawn or the
// item has no handler of its own: a white face, the selection in the highlight colours, the
// caption with its accelerator underlined, the shortcut text at the right, a check mark or the
// item's picture in a column at the left, an arrow for a sub-menu, grey text when disabled and
// bold for the default item. On a canvas that paints a whole window it also frames the window.
#pragma once

#include "framework/core/Types.h"

class TCanvas;
class TMenuItem;

namespace MenuItemPainter {

// Sets the canvas font as the item is drawn (bold for the default item), then gives the size
// that room for the caption, the shortcut text, the left column and the arrow takes.
void Measure(const TMenuItem& item, TCanvas& canvas, int& width, int& height);
void Draw(const TMenuItem& item, TCanvas& canvas, const TRect& rect, bool selected);

} // namespace MenuItemPainter
