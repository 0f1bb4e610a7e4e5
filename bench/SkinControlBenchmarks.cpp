// One paint of each skinned control as the main window has them: a transparent BlueGlass button
// (its strip loaded and cut afresh, the parent's background drawn under it), also on a screen of
// twice the density, and the keyword box.
#include "framework/core/TForm.h"
#include "skin/SUIButton.h"
#include "skin/SUIEdit.h"

#include <QImage>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

// The main window's client colour, under the buttons.
constexpr TColor kWindowColour = 15198183;

// A frameless form of the main window's size, holding `control` at its place there.
void PlaceOnWindow(TForm& form, TWinControl& control, const TRect& bounds) {
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.SetBounds(0, 0, 500, 453);
    form.SetColor(kWindowColour);
    control.SetParent(&form);
    control.SetBoundsRect(bounds);
}

// Renders the control's window into an image as a paint of the window would, on a screen of
// `ratio` device pixels per logical pixel.
void PaintRepeatedly(benchmark::State& state, TWinControl& control, double ratio = 1) {
    QWidget* window = control.Handle();
    QImage target(window->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    target.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        window->render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}

void PaintButton(benchmark::State& state, double ratio) {
    TForm form(nullptr);
    auto* button = new TsuiButton(&form);
    button->SetUIStyle(TsuiUIStyle::BlueGlass);
    button->SetCaption(QStringLiteral("软件升级"));
    PlaceOnWindow(form, *button, Bounds(320, 389, 80, 27));
    if (!button->Transparent()) {
        state.SkipWithError("a BlueGlass button is transparent");
        return;
    }
    PaintRepeatedly(state, *button, ratio);
}

void SkinnedButtonPaint(benchmark::State& state) {
    PaintButton(state, 1);
}
BENCHMARK(SkinnedButtonPaint)->Unit(benchmark::kMicrosecond);

void SkinnedButtonPaintAtRatio2(benchmark::State& state) {
    PaintButton(state, 2);
}
BENCHMARK(SkinnedButtonPaintAtRatio2)->Unit(benchmark::kMicrosecond);

void SkinnedEditPaint(benchmark::State& state) {
    TForm form(nullptr);
    auto* edit = new TsuiEdit(&form);
    edit->SetUIStyle(TsuiUIStyle::BlueGlass);
    edit->SetText(QStringLiteral("春节"));
    PlaceOnWindow(form, *edit, Bounds(78, 41, 235, 21));
    PaintRepeatedly(state, *edit);
}
BENCHMARK(SkinnedEditPaint)->Unit(benchmark::kMicrosecond);

} // namespace
