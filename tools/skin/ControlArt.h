// Push-button strips and the pictures of the smaller skinned controls.
#pragma once

#include "Look.h"

#include <QImage>

namespace art {

// Normal, mouse on, pressed. Transparent styles leave fuchsia in the corners outside the
// rounded shape; opaque ones paint those corners in the form colour, because the corners of
// an opaque button are drawn as they are.
QImage PaintButtons(const Look& look, QSize size);

// Four frames each: unchecked, checked, disabled unchecked, disabled checked.
QImage PaintCheckBoxes(const Look& look, QSize size);
QImage PaintRadioButtons(const Look& look, QSize size);
QImage PaintCheckList(const Look& look, QSize size);

// One pixel wide: a gradient; narrow: a chunk and its gap; wider: diagonal stripes.
QImage PaintProgressBar(const Look& look, QSize size);
QImage PaintTrackBarBar(const Look& look, QSize size);
QImage PaintTrackBarSlider(const Look& look, QSize size);  // points down
QImage PaintTrackBarSliderV(const Look& look, QSize size); // points right
// Up arrow normal, mouse on, pressed; then the down arrow the same.
QImage PaintScrollBarButtons(const Look& look, QSize size);
QImage PaintScrollBarThumb(const Look& look, QSize size);
// Left arrow normal, pressed; right arrow normal, pressed.
QImage PaintScrollButtons(const Look& look, QSize size);
QImage PaintTab(const Look& look, QSize size);
QImage PaintTabLine(const Look& look, QSize size);
QImage PaintSideChannelHandle(const Look& look, QSize size);
QImage PaintSideChannelBar(const Look& look, QSize size);

} // namespace art
