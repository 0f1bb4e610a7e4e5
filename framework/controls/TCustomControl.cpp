#include "framework/controls/TCustomControl.h"

#include "framework/graphics/TCanvas.h"

#include <utility>

TCanvas& TCustomControl::Canvas() {
    return paintCanvas_ ? *paintCanvas_ : measuring_.Canvas();
}

void TCustomControl::PaintWindow(TCanvas& canvas) {
    TCanvas* outer = std::exchange(paintCanvas_, &canvas);
    canvas.Font().Assign(Font());
    Paint();
    paintCanvas_ = outer;
}
