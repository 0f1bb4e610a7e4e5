// The tool bar's own look: etched edges along the chosen sides, and flat buttons that show a
// thin raised frame while hot (always, on a bar that is not flat) and a sunken one while
// pressed, dropped down or Down, with the picture centred above the caption and the caption's
// "&" letter underlined, greyed when disabled.
#pragma once

#include "framework/controls/TToolButton.h"
#include "framework/core/Types.h"

#include <QString>

class TCanvas;
class TImageList;

namespace ToolBarPainter {

constexpr int kEdgeWidth = 2;     // an etched edge: a shadow line, then a highlight line
constexpr int kCaptionMargin = 7; // left and right of a self-sizing button's caption
constexpr int kImageTop = 3;      // above a picture that has a caption under it

struct ButtonLook {
    TRect rect;
    TCustomDrawState state;
    bool flat;
    QString caption; // empty when the bar shows no captions
    const TImageList* images;
    int imageIndex;
};

// Edges is a combination of TToolBar::TEdgeBorder values.
void DrawEdges(TCanvas& canvas, const TRect& rect, int edges);
// Draws in the canvas's font, which the caller sets.
void DrawButton(TCanvas& canvas, const ButtonLook& look);

} // namespace ToolBarPainter
