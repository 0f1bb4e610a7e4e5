#include "framework/controls/TToolBar.h"

#include "framework/controls/TToolBarAccessible.h"
#include "framework/controls/ToolBarPainter.h"
#include "framework/core/Exception.h"
#include "framework/forms/ClassRegistry.h"
#include "framework/graphics/TCanvas.h"
#include "framework/graphics/TTextLayout.h"
#include "framework/menus/TMainMenu.h"
#include "framework/menus/TPopupMenuWindow.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <algorithm>

REGISTER_COMPONENT_CLASS(TToolBar)

namespace {

void CheckButtonSize(const TToolBar& bar, int size, const char* what) {
    if (size < 1)
        throw EComponentError(QStringLiteral("Tool bar %1: a button %2 of %3 pixels is too small")
                                  .arg(bar.Name(), QLatin1String(what))
                                  .arg(size));
}

} // namespace

TToolBar::TToolBar(TComponent* AOwner) : TCustomControl(AOwner) {
    TToolBarAccessible::Install();
    SetControlStyle(ControlStyle() | TControlStyleFlag::csAcceptsControls);
    SetBounds(0, 0, 150, 29);
    SetAlign(TAlign::alTop);
}

// The buttons go with the bar's window; an open drop-down menu has nothing to drop from.
TToolBar::~TToolBar() {
    qApp->removeEventFilter(this);
    if (dropWindow_)
        dropWindow_->CloseAll();
    buttons_.clear();
}

TToolButton* TToolBar::Buttons(int index) const {
    Q_ASSERT(index >= 0 && index < ButtonCount());
    return buttons_[static_cast<std::size_t>(index)];
}

void TToolBar::SetFlat(bool flat) {
    flat_ = flat;
    Invalidate();
}

void TToolBar::SetShowCaptions(bool show) {
    showCaptions_ = show;
    RealignControls();
    Invalidate();
}

void TToolBar::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    RealignControls();
}

void TToolBar::SetButtonHeight(int height) {
    CheckButtonSize(*this, height, "height");
    buttonHeight_ = height;
    RealignControls();
    Invalidate();
}

void TToolBar::SetButtonWidth(int width) {
    CheckButtonSize(*this, width, "width");
    buttonWidth_ = width;
    RealignControls();
    Invalidate();
}

void TToolBar::SetImages(TImageList* images) {
    if (!SetReference(images_, images))
        return;
    RealignControls();
    Invalidate();
}

void TToolBar::SetEdgeBorders(TEdgeBorders borders) {
    edgeBorders_ = borders;
    RealignControls();
    Invalidate();
}

void TToolBar::InsertButton(TToolButton* button) {
    auto at = buttons_.end();
    if (!button->IsLoading())
        at = std::find_if(buttons_.begin(), buttons_.end(),
                          [button](const TToolButton* b) { return b->Left() >= button->Left(); });
    buttons_.insert(at, button);
    RealignControls();
}

void TToolBar::RemoveButton(TToolButton* button) {
    if (button == dropped_) {
        if (dropWindow_)
            dropWindow_->CloseAll();
        EndTracking();
    }
    std::erase(buttons_, button);
    RealignControls();
}

void TToolBar::AdjustClientRect(TRect& rect) const {
    constexpr int w = ToolBarPainter::kEdgeWidth;
    rect.Left += edgeBorders_.testFlag(ebLeft) ? w : 0;
    rect.Top += edgeBorders_.testFlag(ebTop) ? w : 0;
    rect.Right -= edgeBorders_.testFlag(ebRight) ? w : 0;
    rect.Bottom -= edgeBorders_.testFlag(ebBottom) ? w : 0;
}

int TToolBar::ButtonWidthOf(const TToolButton& button) const {
    if (!button.AutoSize() || !showCaptions_)
        return buttonWidth_;
    const QFontMetrics metrics(button.Font()->ToQFont());
    int content = metrics.horizontalAdvance(ResolvePrefixes(button.Caption()).Text);
    if (images_ && button.ImageIndex() >= 0 && button.ImageIndex() < images_->Count())
        content = std::max(content, images_->Width());
    return content + 2 * ToolBarPainter::kCaptionMargin;
}

// Buttons in index order from the client area's top-left corner; hidden ones take no room.
void TToolBar::AlignControls(TRect& rect) {
    int x = rect.Left;
    for (TToolButton* button : buttons_) {
        if (!button->Visible())
            continue;
        const int width = ButtonWidthOf(*button);
        button->Place(Bounds(x, rect.Top, width, buttonHeight_));
        x += width;
    }
    if (autoSize_)
        SetHeight(buttonHeight_ + Height() - rect.Height()); // the edges stay outside
    TCustomControl::AlignControls(rect);
}

void TToolBar::Loaded() {
    TCustomControl::Loaded();
    RealignControls();
}

void TToolBar::Paint() {
    TCanvas& canvas = Canvas();
    bool defaultDraw = true;
    if (OnCustomDraw)
        OnCustomDraw(this, ClientRect(), defaultDraw);
    if (defaultDraw)
        ToolBarPainter::DrawEdges(canvas, ClientRect(), edgeBorders_.toInt());
    // By index: a handler may take buttons off the bar.
    for (int i = 0; i < ButtonCount(); ++i)
        if (Buttons(i)->Visible())
            PaintButton(canvas, Buttons(i));
}

// Each button starts from its font and fresh tools; what a handler changes stays for the
// default drawing that follows it.
void TToolBar::PaintButton(TCanvas& canvas, TToolButton* button) {
    canvas.Font().Assign(button->Font());
    canvas.Pen() = TPen();
    canvas.Brush() = TBrush();
    const TCustomDrawState state = button->State();
    bool defaultDraw = true;
    if (OnCustomDrawButton)
        OnCustomDrawButton(this, button, state, defaultDraw);
    if (defaultDraw)
        ToolBarPainter::DrawButton(canvas, {button->BoundsRect(), state, flat_,
                                            showCaptions_ ? button->Caption() : QString(), images_,
                                            button->ImageIndex()});
}

std::vector<TToolButton*> TToolBar::GroupOf(const TToolButton* button) const {
    const auto at = std::find(buttons_.begin(), buttons_.end(), button);
    if (at == buttons_.end() || !button->Grouped())
        return {const_cast<TToolButton*>(button)};
    auto first = at;
    while (first != buttons_.begin() && (*(first - 1))->Grouped())
        --first;
    auto last = at;
    while (last != buttons_.end() && (*last)->Grouped())
        ++last;
    return {first, last};
}

void TToolBar::TrackMenu(TToolButton* button) {
    TMenuItem* item = button->MenuItem();
    auto* menu = qobject_cast<TMainMenu*>(item->GetParentMenu());
    if (!menu)
        throw EMenuError(QStringLiteral("%1 cannot drop down %2: it is no item of a main menu")
                             .arg(button->Name(), item->Caption()));
    if (dropWindow_)
        dropWindow_->CloseAll(); // which ends its tracking
    const TPoint at = button->ClientToScreen({0, button->Height()});
    menu->DropDown(item, at.X, at.Y);
    dropWindow_ = menu->PopupWindow();
    if (!dropWindow_)
        return;
    dropped_ = button;
    button->SetDropped(true);
    // The open menu takes the pointer; the whole application's input is watched for its moves.
    qApp->installEventFilter(this);
}

void TToolBar::EndTracking() {
    qApp->removeEventFilter(this);
    if (dropped_)
        dropped_->SetDropped(false);
    dropped_ = nullptr;
    dropWindow_ = nullptr;
}

TToolButton* TToolBar::MenuButtonAt(QPoint screen) const {
    const TPoint p = ScreenToClient({screen.x(), screen.y()});
    auto* button = qobject_cast<TToolButton*>(ControlAtPos(p));
    if (!button || button == dropped_ || !button->MenuItem() || !button->MenuItem()->HasSubMenu())
        return nullptr;
    const std::vector<TToolButton*> group = GroupOf(dropped_);
    return std::find(group.begin(), group.end(), button) != group.end() ? button : nullptr;
}

bool TToolBar::eventFilter(QObject* watched, QEvent* event) {
    if (!dropped_ || !qobject_cast<TPopupMenuWindow*>(watched))
        return false;
    switch (event->type()) {
    case QEvent::Hide:
        if (watched == dropWindow_)
            EndTracking();
        break;
    case QEvent::MouseMove: {
        const QPoint screen = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        // Switched once the menu's own handling of the move is over: opening another menu
        // destroys the window that is receiving it.
        if (QPointer<TToolButton> next = MenuButtonAt(screen))
            QMetaObject::invokeMethod(
                this,
                [this, next] {
                    if (next && dropped_ && next != dropped_)
                        TrackMenu(next);
                },
                Qt::QueuedConnection);
        break;
    }
    case QEvent::MouseButtonPress: {
        // A press on the dropped button only closes its menu; handed on to the bar it would
        // open the menu again.
        const QPoint screen = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        if (ControlAtPos(ScreenToClient({screen.x(), screen.y()})) == dropped_)
            static_cast<QWidget*>(watched)->setAttribute(Qt::WA_NoMouseReplay);
        break;
    }
    default:
        break;
    }
    return false;
}

void TToolBar::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == images_) {
        images_ = nullptr;
        RealignControls();
        Invalidate();
    }
}

bool TToolBar::BindEvent(const QByteArray& name, const TMethod& method) {
    static const TEventTable<TToolBar> kEvents{
        EventBinding("OnCustomDraw", &TToolBar::OnCustomDraw),
        EventBinding("OnCustomDrawButton", &TToolBar::OnCustomDrawButton),
    };
    return kEvents.Bind(*this, name, method) || TCustomControl::BindEvent(name, method);
}
