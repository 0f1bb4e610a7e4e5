// How the skinned form's menu bar paints: the MacOS bar picture behind the buttons, and a hot or
// pressed button either as the MacOS selection picture or as a box in the style's selection
// colours. The frame decides the style, colours and font; these only draw.
#pragma once

#include "framework/core/Types.h"

#include <QString>

class TCanvas;
class TFont;

namespace MenuBarPainter {

// The style's menu-selection colours (theme roles MenuSelected...).
struct SelectionColors {
    TColor border;
    TColor background;
    TColor font;
};

// The whole MACOS_MENU_BAR picture stretched over `rect`.
void DrawMacBar(TCanvas& canvas, const TRect& rect);
// The whole MACOS_MENU_SELECT picture stretched to `button` (in the bar's coordinates) with the
// caption centred on it in `fontColor`, composed off-screen and copied in one block. The font
// gives only its name, size and character set.
void DrawMacButton(TCanvas& barCanvas, const TRect& button, const QString& caption,
                   const TFont& font, TColor fontColor);
// A box filled and framed in the selection colours with the caption centred in it in the
// canvas's font. A pressed (selected) button's box stops short on the right and its caption
// moves right; every caption sits a little lower.
void DrawButton(TCanvas& barCanvas, const TRect& button, const QString& caption, bool selected,
                const SelectionColors& colors);

} // namespace MenuBarPainter
