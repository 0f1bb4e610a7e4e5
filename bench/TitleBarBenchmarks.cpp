// The title bar repaints on every mouse move over it with nothing cached, so one full paint of
// the program's bar must be cheap, also on a screen of twice the density; and one paint of its
// open system menu.
#include "framework/core/TForm.h"
#include "framework/graphics/TCanvas.h"
#include "framework/menus/TPopupMenuWindow.h"
#include "skin/SUIForm.h"
#include "skin/SUITitleBar.h"

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <benchmark/benchmark.h>

namespace {

// The program's window: 500 x 453 with its BlueGlass frame, the bar showing the caption and the
// close and minimise buttons.
struct ProgramWindow {
    ProgramWindow() {
        form.SetBorderStyle(TFormBorderStyle::bsSingle);
        form.SetBounds(405, 172, 500, 453);
        frame->SetParent(&form);
        frame->SetUIStyle(TsuiUIStyle::BlueGlass);
        frame->SetWidth(498);
        frame->SetHeight(452);
        frame->SetCaption(QStringLiteral("短信查询 V1.0"));
        bar->Buttons()->Items(0)->SetVisible(false);
        bar->Buttons()->Items(2)->SetVisible(false);
    }
    TForm form{nullptr};
    TsuiForm* frame = new TsuiForm(&form);
    TsuiTitleBar* bar = frame->TitleBar();
};

// One paint of the bar on a screen of `ratio` device pixels per logical pixel.
void PaintBar(benchmark::State& state, double ratio) {
    ProgramWindow window;
    QImage screen(qRound(window.bar->Width() * ratio), qRound(window.bar->Height() * ratio),
                  QImage::Format_RGB32);
    screen.setDevicePixelRatio(ratio);
    TCanvas target(&screen);
    for (auto _ : state)
        window.bar->PaintWindowInto(target);
    benchmark::DoNotOptimize(screen.pixel(250, 10));
}

void TitleBarPaint(benchmark::State& state) {
    PaintBar(state, 1);
}
BENCHMARK(TitleBarPaint)->Unit(benchmark::kMicrosecond);

void TitleBarPaintAtRatio2(benchmark::State& state) {
    PaintBar(state, 2);
}
BENCHMARK(TitleBarPaintAtRatio2)->Unit(benchmark::kMicrosecond);

void SystemMenuPaint(benchmark::State& state) {
    ProgramWindow window;
    window.bar->PopupSystemMenuBelow();
    TPopupMenuWindow* menu = window.bar->SystemMenu()->PopupWindow();
    if (!menu) {
        state.SkipWithError("the system menu did not open");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(menu->Render());
    window.bar->SystemMenu()->CloseMenu();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK(SystemMenuPaint)->Unit(benchmark::kMicrosecond);

} // namespace
