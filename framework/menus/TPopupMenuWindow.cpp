#include "framework/menus/TPopupMenuWindow.h"

#include "framework/core/TApplication.h"
#include "framework/graphics/TCanvas.h"
#include "framework/menus/TMenu.h"
#include "framework/menus/TMenuItem.h"
#include "framework/menus/TPopupMenuAccessible.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>

namespace {

// Popup menu windows inside their own event handling, innermost calls included.
int gHandlingEvents = 0;

// Every item is measured and drawn on a canvas as a fresh one comes: default pen, brush, font.
QRect AvailableArea(QPoint globalPos) {
    QScreen* screen = QGuiApplication::screenAt(globalPos);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// The top-left corner nearest to `pos` at which a window of `size` lies inside the area (at its
// top-left corner when it is larger than the area).
QPoint KeptInside(QPoint pos, QSize size, const QRect& area) {
    if (area.isEmpty())
        return pos;
    const int x = std::min(pos.x(), area.x() + area.width() - size.width());
    const int y = std::min(pos.y(), area.y() + area.height() - size.height());
    return {std::max(x, area.x()), std::max(y, area.y())};
}

} // namespace

TPopupMenuWindow::TPopupMenuWindow(TMenuItem* root, TPopupMenuWindow* parentMenu)
    : QWidget(parentMenu, Qt::Popup | Qt::FramelessWindowHint), root_(root),
      parentMenu_(parentMenu) {
    TPopupMenuAccessible::Install();
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setObjectName(root ? root->Name() : QString());
}

TPopupMenuWindow::~TPopupMenuWindow() = default;

void TPopupMenuWindow::Open(TPoint screenPos) {
    if (!Layout()) {
        close();
        return;
    }
    ShowAt(QPoint(screenPos.X, screenPos.Y));
}

// To the right of the row, or to its left when the screen ends first.
void TPopupMenuWindow::OpenBeside(const QRect& globalRow) {
    if (!Layout()) {
        close();
        return;
    }
    const QRect area = AvailableArea(globalRow.topRight());
    int x = globalRow.x() + globalRow.width();
    if (!area.isEmpty() && x + width() > area.x() + area.width())
        x = globalRow.x() - width();
    ShowAt(QPoint(x, globalRow.y()));
}

void TPopupMenuWindow::ShowAt(QPoint globalPos) {
    move(KeptInside(globalPos, size(), AvailableArea(globalPos)));
    show();
}

// The items one below the other inside the menu's border band, all as wide as the widest.
bool TPopupMenuWindow::Layout() {
    slots_.clear();
    if (!root_)
        return false;
    const TMenu* menu = Menu();
    border_ = menu ? menu->WindowBorder() : TEdges{};
    QImage scratch(1, 1, QImage::Format_RGB32);
    TCanvas canvas(&scratch);
    int width = 0;
    int top = border_.Top;
    for (int i = 0; i < root_->Count(); ++i) {
        TMenuItem* item = root_->Items(i);
        if (!item->Visible())
            continue;
        canvas.ResetTools();
        int w = 0;
        int h = 0;
        RunGuarded([&] { item->MeasureItem(canvas, w, h); });
        slots_.push_back({item, Rect(border_.Left, top, border_.Left, top + std::max(h, 0))});
        width = std::max(width, w);
        top += std::max(h, 0);
    }
    for (Slot& slot : slots_)
        slot.rect.Right = border_.Left + width;
    if (width <= 0 || top <= border_.Top)
        return false;
    resize(border_.Left + width + border_.Right, top + border_.Bottom);
    return true;
}

TMenu* TPopupMenuWindow::Menu() const {
    return root_ ? root_->GetParentMenu() : nullptr;
}

void TPopupMenuWindow::Relayout() {
    if (!Layout()) {
        close();
        return;
    }
    if (selected_ >= ItemCount() || (selected_ >= 0 && !Selectable(selected_)))
        selected_ = -1;
    if (subMenu_) {
        if (selected_ >= 0 && subMenu_->Root() == Item(selected_))
            subMenu_->Relayout();
        else
            CloseSubMenu();
    }
    update();
}

void TPopupMenuWindow::CloseAll() {
    TPopupMenuWindow* innermost = this;
    while (innermost->subMenu_)
        innermost = innermost->subMenu_;
    for (TPopupMenuWindow* w = innermost; w;) {
        TPopupMenuWindow* parent = w->parentMenu_;
        w->close();
        w = parent;
    }
}

void TPopupMenuWindow::Discard() {
    CloseAll();
    if (gHandlingEvents > 0)
        deleteLater();
    else
        delete this;
}

bool TPopupMenuWindow::event(QEvent* event) {
    struct Handling {
        Handling() { ++gHandlingEvents; }
        ~Handling() { --gHandlingEvents; }
    } handling;
    return QWidget::event(event);
}

TMenuItem* TPopupMenuWindow::Item(int index) const {
    return index >= 0 && index < ItemCount() ? slots_[static_cast<std::size_t>(index)].item.data()
                                             : nullptr;
}

TRect TPopupMenuWindow::ItemRect(int index) const {
    return index >= 0 && index < ItemCount() ? slots_[static_cast<std::size_t>(index)].rect
                                             : TRect();
}

// Cleared first, so that pixels a handler leaves alone are white rather than undefined. The
// items are clipped to the area inside the band, and the band is painted last, so neither can
// spoil the other whatever an item draws.
QImage TPopupMenuWindow::Render(double ratio) {
    QImage image(size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    TCanvas canvas(&image);
    const TRect window = Rect(0, 0, width(), height());
    canvas.SetWindowRect(window);
    canvas.SetClipRect(Inset(window, border_));
    for (int i = 0; i < ItemCount(); ++i) {
        TMenuItem* item = Item(i);
        if (!item)
            continue;
        canvas.ResetTools();
        RunGuarded([&] { item->DrawItem(canvas, ItemRect(i), i == selected_); });
    }
    canvas.ClearClipRect();
    const TMenu* menu = Menu();
    if (menu && !border_.IsEmpty()) {
        canvas.ResetTools();
        RunGuarded([&] { menu->DrawWindowBorder(canvas, window); });
    }
    return image;
}

// Composed at the screen's density and copied device pixel for device pixel.
void TPopupMenuWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    TCanvas screen(&painter);
    QImage face = Render(screen.DevicePixelRatio());
    const TCanvas composed(&face);
    const TRect window = Rect(0, 0, width(), height());
    screen.CopyRect(window, composed, window);
}

bool TPopupMenuWindow::Selectable(int index) const {
    const TMenuItem* item = Item(index);
    return item && item->Enabled() && !item->IsLine();
}

int TPopupMenuWindow::SlotAt(QPoint pos) const {
    for (int i = 0; i < ItemCount(); ++i)
        if (ItemRect(i).ToQRect().contains(pos))
            return i;
    return -1;
}

void TPopupMenuWindow::Select(int index) {
    if (index == selected_)
        return;
    selected_ = index;
    if (subMenu_ && (index < 0 || subMenu_->Root() != Item(index)))
        CloseSubMenu();
    update();
    if (index >= 0)
        TPopupMenuAccessible::NotifyFocus(this, index);
}

void TPopupMenuWindow::StepFrom(int from, int step) {
    const int count = ItemCount();
    int index = from;
    for (int tries = 0; tries < count; ++tries) {
        index = ((index + step) % count + count) % count;
        if (Selectable(index)) {
            Select(index);
            return;
        }
    }
}

void TPopupMenuWindow::Execute(int index) {
    TMenuItem* item = Item(index);
    if (item->HasSubMenu()) {
        Select(index);
        OpenSubMenu(index, true);
        return;
    }
    const QPointer<TMenuItem> chosen = item;
    CloseAll();
    if (chosen)
        RunGuarded([&chosen] { chosen->Click(); });
}

// Windows' rule: a letter that only one item underlines chooses it; a letter several share
// moves the selection to the next of them.
void TPopupMenuWindow::ExecuteHotkey(QChar letter) {
    std::vector<int> matches;
    for (int i = 0; i < ItemCount(); ++i)
        if (Selectable(i) && Item(i)->Hotkey() == letter)
            matches.push_back(i);
    if (matches.size() == 1) {
        Execute(matches.front());
        return;
    }
    if (matches.empty())
        return;
    const auto next = std::upper_bound(matches.begin(), matches.end(), selected_);
    Select(next == matches.end() ? matches.front() : *next);
}

void TPopupMenuWindow::OpenSubMenu(int index, bool selectFirst) {
    TMenuItem* item = Item(index);
    if (!subMenu_ || subMenu_->Root() != item) {
        CloseSubMenu();
        subMenu_ = new TPopupMenuWindow(item, this);
        // Beside the whole window, border band included, level with the item.
        const TRect rect = ItemRect(index);
        subMenu_->OpenBeside(
            QRect(mapToGlobal(QPoint(0, rect.Top)), QSize(width(), rect.Height())));
    }
    if (selectFirst && subMenu_)
        subMenu_->StepFrom(-1, 1);
}

void TPopupMenuWindow::CloseSubMenu() {
    if (subMenu_)
        subMenu_->close();
    subMenu_ = nullptr;
}

TPopupMenuWindow* TPopupMenuWindow::WindowAt(QPoint globalPos) {
    for (TPopupMenuWindow* w = this; w; w = w->parentMenu_)
        if (w->isVisible() && w->geometry().contains(globalPos))
            return w;
    return nullptr;
}

void TPopupMenuWindow::HoverAt(QPoint pos) {
    const int index = SlotAt(pos);
    if (!Selectable(index))
        return;
    Select(index);
    if (Item(index)->HasSubMenu())
        OpenSubMenu(index, false);
}

// The innermost window receives the mouse wherever it is; it passes it to the window of the
// menu under the pointer.
void TPopupMenuWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint global = event->globalPosition().toPoint();
    if (TPopupMenuWindow* w = WindowAt(global))
        w->HoverAt(w->mapFromGlobal(global));
}

void TPopupMenuWindow::mousePressEvent(QMouseEvent* event) {
    const QPoint global = event->globalPosition().toPoint();
    TPopupMenuWindow* w = WindowAt(global);
    if (!w) {
        CloseAll();
        return;
    }
    pressed_ = true;
    w->HoverAt(w->mapFromGlobal(global));
}

// Only a release that follows a press over the menu chooses: the release of the click that
// opened the menu does not.
void TPopupMenuWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (!pressed_)
        return;
    pressed_ = false;
    const QPoint global = event->globalPosition().toPoint();
    TPopupMenuWindow* w = WindowAt(global);
    const int index = w ? w->SlotAt(w->mapFromGlobal(global)) : -1;
    if (w && w->Selectable(index))
        w->Execute(index);
}

void TPopupMenuWindow::keyPressEvent(QKeyEvent* event) {
    const int count = ItemCount();
    switch (event->key()) {
    case Qt::Key_Up:
        StepFrom(selected_ < 0 ? count : selected_, -1);
        break;
    case Qt::Key_Down:
        StepFrom(selected_, 1);
        break;
    case Qt::Key_Home:
        StepFrom(-1, 1);
        break;
    case Qt::Key_End:
        StepFrom(count, -1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (Selectable(selected_))
            Execute(selected_);
        break;
    case Qt::Key_Escape:
        close();
        break;
    case Qt::Key_Left:
        if (parentMenu_)
            close();
        break;
    case Qt::Key_Right:
        if (Selectable(selected_) && Item(selected_)->HasSubMenu())
            OpenSubMenu(selected_, true);
        break;
    default:
        if (!event->text().isEmpty())
            ExecuteHotkey(event->text().front().toUpper());
        break;
    }
}

void TPopupMenuWindow::hideEvent(QHideEvent* event) {
    CloseSubMenu();
    if (parentMenu_ && parentMenu_->subMenu_ == this)
        parentMenu_->subMenu_ = nullptr;
    QWidget::hideEvent(event);
}
