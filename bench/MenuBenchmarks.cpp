// Opening an owner-drawn popup menu: measuring, opening, one full paint and closing again.
#include "framework/graphics/TCanvas.h"
#include "framework/menus/TMenuItem.h"
#include "framework/menus/TPopupMenu.h"
#include "framework/menus/TPopupMenuWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <benchmark/benchmark.h>

namespace {

constexpr int kItemWidth = 160;
constexpr int kItemHeight = 21;
constexpr int kSeparatorHeight = 5;

// Four items as the title bar's system menu has them, measured and drawn the way a skin does:
// fills for the picture bar and the face, then the caption.
void AddOwnerDrawnItems(TPopupMenu& menu) {
    for (const char* caption : {"Mi&nimize", "Ma&ximize/Restore", "-", "&Close"}) {
        auto* item = new TMenuItem(&menu);
        item->SetCaption(QLatin1String(caption));
        item->OnMeasureItem = [item](TObject*, TCanvas& canvas, int& width, int& height) {
            width = canvas.TextWidth(item->DisplayCaption()) + kItemWidth;
            height = item->IsLine() ? kSeparatorHeight : kItemHeight;
        };
        item->OnDrawItem = [item](TObject*, TCanvas& canvas, const TRect& rect, bool selected) {
            canvas.Brush().SetColor(0xCED3D6);
            canvas.FillRect(Rect(rect.Left, rect.Top, rect.Left + 26, rect.Bottom));
            canvas.Brush().SetColor(selected ? 0xEC5E5E : 0xE7E7E7);
            canvas.FillRect(Rect(rect.Left + 26, rect.Top, rect.Right, rect.Bottom));
            if (item->IsLine())
                return;
            canvas.Brush().SetStyle(TBrushStyle::bsClear);
            TRect text = Rect(rect.Left + 30, rect.Top + 4, rect.Right, rect.Bottom);
            canvas.DrawText(item->Caption(), text, 0);
        };
        menu.Items()->Add(item);
    }
}

void OwnerDrawnPopupMenu(benchmark::State& state) {
    TPopupMenu menu(nullptr);
    menu.SetOwnerDraw(true);
    AddOwnerDrawnItems(menu);
    for (auto _ : state) {
        menu.Popup(100, 100);
        TPopupMenuWindow* window = menu.PopupWindow();
        if (!window) {
            state.SkipWithError("the menu did not open");
            break;
        }
        benchmark::DoNotOptimize(window->grab());
        menu.CloseMenu();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(OwnerDrawnPopupMenu)->Unit(benchmark::kMicrosecond);

} // namespace
