// The title bar's pictures (left, middle, right) and its strip of eighteen button frames.
#pragma once

#include "Look.h"

#include <QImage>

namespace art {

// The colour of row y of a title bar `height` rows high; every title picture of the style
// carries exactly this column where it meets another, so the three join without a seam.
QColor TitleRow(const Look& look, int y, int height);

// Light at the left end, fading out towards the column where the middle picture joins.
QImage PaintTitleLeft(const Look& look, QSize size);
// The middle and the right picture: every column the same, so stretching never shows, and the
// buttons over the right end sit on exactly the rows their frames were painted on.
QImage PaintTitlePlain(const Look& look, QSize size);

// Control box, help, maximise, restore, minimise, close; each normal, mouse on, pressed.
QImage PaintTitleButtons(const Look& look, QSize size);

} // namespace art
