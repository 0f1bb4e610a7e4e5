#include "framework/core/TWinControl.h"

#include "framework/core/EventTranslator.h"
#include "framework/core/InputStamp.h"
#include "framework/core/MessageWindow.h"
#include "framework/core/RegionClearer.h"
#include "framework/core/TApplication.h"
#include "framework/graphics/Colors.h"
#include "framework/graphics/TCanvas.h"
#include "framework/graphics/TRegion.h"
#include "framework/platform/WindowAccessible.h"

#include <QEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <QWidget>
#include <algorithm>
#include <utility>

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {
    WindowAccessible::Install();
}

TWinControl::~TWinControl() {
    // Children go first, whoever owns them, so no window outlives its control.
    while (!controls_.empty()) {
        TControl* child = controls_.back();
        RemoveControl(child);
        delete child;
    }
    DestroyHandle();
}

QWidget* TWinControl::Handle() {
    if (!handle_)
        CreateHandle();
    return handle_;
}

void TWinControl::UpdateAccessibleNames() {
    if (!handle_)
        return; // nor has any child a window
    // Only a change is told: every move of a control asks again.
    if (const QString name = AccessibleCaption(); handle_->accessibleName() != name)
        handle_->setAccessibleName(name);
    for (TControl* child : controls_)
        if (auto* windowed = qobject_cast<TWinControl*>(child))
            windowed->UpdateAccessibleNames();
}

QWidget* TWinControl::TopLevelHandle() {
    return TopLevelControl()->Handle();
}

void TWinControl::CreateHandle() {
    QWidget* parentWidget = Parent() ? Parent()->Handle() : nullptr;
    handle_ = CreateWindowWidget(parentWidget);
    handle_->setObjectName(Name());
    // A window hears the mouse move over it whether or not a button is held.
    handle_->setMouseTracking(true);
    ApplyWindowState();
    Perform(WM_CREATE);
    WindowCreated();
    for (TControl* child : controls_) {
        auto* win = qobject_cast<TWinControl*>(child);
        if (!win)
            continue;
        if (win->HandleAllocated()) {
            // A child whose window came first moves into this one.
            win->handle_->setParent(handle_);
            win->ApplyWindowState();
        } else {
            win->Handle();
        }
    }
}

void TWinControl::DestroyHandle() {
    if (!handle_)
        return;
    QWidget* w = handle_;
    handle_ = nullptr;
    if (auto* window = dynamic_cast<MessageWindowBase*>(w))
        window->Detach();
    delete w;
}

QWidget* TWinControl::CreateWindowWidget(QWidget* parentWidget) {
    auto* w = new MessageWindow<QWidget>(this, parentWidget);
    w->setAttribute(Qt::WA_OpaquePaintEvent);
    return w;
}

void TWinControl::ApplyWindowState() {
    QWidget* w = handle_;
    if (w->isWindow()) {
        w->move(Left(), Top());
        w->resize(ClientWidth(), ClientHeight());
    } else {
        w->setGeometry(Left(), Top(), Width(), Height());
    }
    w->setFont(Font()->ToQFont());
    w->setEnabled(Enabled());
    w->setCursor(EventTranslator::CursorShape(Cursor()));
    ApplyFocusPolicy();
    UpdateAccessibleNames();
    ApplyContextMenuPolicy();
    if (!w->isWindow())
        w->setVisible(Visible());
}

void TWinControl::ApplyContextMenuPolicy() {
    handle_->setContextMenuPolicy(PopupMenu() ? Qt::PreventContextMenu : Qt::DefaultContextMenu);
}

void TWinControl::PopupMenuChanged() {
    if (handle_)
        ApplyContextMenuPolicy();
}

TControl* TWinControl::Controls(int index) const {
    Q_ASSERT(index >= 0 && index < ControlCount());
    return controls_[static_cast<std::size_t>(index)];
}

void TWinControl::InsertControl(TControl* control) {
    controls_.push_back(control);
    control->parent_ = this;
    if (auto* win = qobject_cast<TWinControl*>(control)) {
        if (win->HandleAllocated())
            win->handle_->setParent(HandleAllocated() ? handle_.data() : nullptr);
        else if (HandleAllocated())
            win->Handle();
        if (win->HandleAllocated())
            win->ApplyWindowState();
    } else {
        control->Invalidate();
    }
    RealignControls();
}

void TWinControl::RemoveControl(TControl* control) {
    auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it == controls_.end())
        return;
    if (!control->IsWindowed())
        InvalidateArea(control->BoundsRect());
    controls_.erase(it);
    control->parent_ = nullptr;
    if (mouseControl_ == control)
        mouseControl_ = nullptr;
    if (captureControl_ == control)
        captureControl_ = nullptr;
    RealignControls();
}

TControl* TWinControl::ControlAtPos(TPoint p) const {
    // The topmost is the last inserted.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (c->IsWindowed() || !c->Visible() || !c->Enabled())
            continue;
        if (p.X >= c->Left() && p.Y >= c->Top() && p.X < c->Left() + c->Width() &&
            p.Y < c->Top() + c->Height())
            return c;
    }
    return nullptr;
}

void TWinControl::BoundsChanged() {
    if (!handle_)
        return RealignControls();
    if (handle_->isWindow())
        PlaceWindow();
    else
        handle_->setGeometry(Left(), Top(), Width(), Height());
    RealignControls();
}

// Left and Top place a top-level window's frame; the toolkit's geometry is its client area.
void TWinControl::PlaceWindow() {
    QWidget* w = handle_;
    if (!w->isVisible()) {
        // Nothing shows the two steps; move() keeps the frame at Left, Top once one is added.
        w->move(Left(), Top());
        w->resize(ClientWidth(), ClientHeight());
        return;
    }
    // One request, so that the window is never seen moved but not yet resized.
    const QPoint frameOffset = w->geometry().topLeft() - w->frameGeometry().topLeft();
    w->setGeometry(
        QRect(QPoint(Left(), Top()) + frameOffset, QSize(ClientWidth(), ClientHeight())));
}

void TWinControl::AdjustClientRect(TRect&) const {}

void TWinControl::RealignControls() {
    if (aligning_ || IsDestroying())
        return;
    aligning_ = true;
    TRect rect = ClientRect();
    AdjustClientRect(rect);
    AlignControls(rect);
    const TPoint clientSize{ClientWidth(), ClientHeight()};
    for (TControl* c : controls_)
        c->FollowAnchors(clientSize);
    aligning_ = false;
}

void TWinControl::AlignControls(TRect& rect) {
    // Top, bottom, left and right edges first, in insertion order, then the client filler.
    static constexpr TAlign kOrder[] = {TAlign::alTop, TAlign::alBottom, TAlign::alLeft,
                                        TAlign::alRight, TAlign::alClient};
    for (TAlign align : kOrder) {
        for (TControl* c : controls_) {
            if (c->Align() != align || !c->Visible())
                continue;
            switch (align) {
            case TAlign::alTop:
                c->SetBounds(rect.Left, rect.Top, rect.Width(), c->Height());
                rect.Top += c->Height();
                break;
            case TAlign::alBottom:
                rect.Bottom -= c->Height();
                c->SetBounds(rect.Left, rect.Bottom, rect.Width(), c->Height());
                break;
            case TAlign::alLeft:
                c->SetBounds(rect.Left, rect.Top, c->Width(), rect.Height());
                rect.Left += c->Width();
                break;
            case TAlign::alRight:
                rect.Right -= c->Width();
                c->SetBounds(rect.Right, rect.Top, c->Width(), rect.Height());
                break;
            default:
                c->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
                break;
            }
        }
    }
}

void TWinControl::InvalidateArea(const TRect& area) {
    if (handle_)
        handle_->update(area.ToQRect());
}

void TWinControl::Invalidate() {
    if (handle_)
        handle_->update();
}

TPoint TWinControl::ClientOrigin() const {
    if (!handle_)
        return TControl::ClientOrigin();
    const QPoint g = handle_->mapToGlobal(QPoint(0, 0));
    return {g.x(), g.y()};
}

void TWinControl::SetWindowRegion(const TRegion& region) {
    QWidget* window = Handle();
    region.ApplyToWidget(window);
    if (window->isWindow())
        RegionClearer::Of(window)->SetRegion(region.ToQRegion());
}

void TWinControl::SetParent(TWinControl* parent) {
    TControl::SetParent(parent);
    ParentCtl3DChanged();
}

void TWinControl::SetCtl3D(bool v) {
    parentCtl3D_ = false;
    Change(ctl3D_, v, CM_CTL3DCHANGED);
}

void TWinControl::SetParentCtl3D(bool v) {
    parentCtl3D_ = v;
    ParentCtl3DChanged();
}

void TWinControl::ParentCtl3DChanged() {
    if (parentCtl3D_ && Parent())
        Change(ctl3D_, Parent()->Ctl3D(), CM_CTL3DCHANGED);
}

void TWinControl::Ctl3DChanged() {
    for (TControl* c : controls_)
        if (auto* win = qobject_cast<TWinControl*>(c))
            win->ParentCtl3DChanged();
}

void TWinControl::ShowHintChanged() {
    for (TControl* c : controls_)
        c->ParentShowHintChanged();
}

void TWinControl::BiDiModeChanged() {
    for (TControl* c : controls_)
        c->ParentBiDiModeChanged();
}

bool TWinControl::ShowHintAt(const QHelpEvent& event) {
    const QPoint p = handle_->mapFromGlobal(event.globalPos());
    TControl* child = ControlAtPos({p.x(), p.y()});
    for (TControl* c : {child, static_cast<TControl*>(this)}) {
        const QString hint = c && c->ShowHint() ? GetShortHint(c->Hint()) : QString();
        if (hint.isEmpty())
            continue;
        // The tooltip goes once the pointer leaves the control it names.
        const TRect area = c == this ? ClientRect() : c->BoundsRect();
        QToolTip::showText(event.globalPos(), hint, handle_, area.ToQRect());
        return true;
    }
    return false;
}

void TWinControl::SetTabOrder(int order) {
    tabOrder_ = order;
    if (Parent())
        Parent()->ApplyChildTabOrder();
}

void TWinControl::SetTabStop(bool tabStop) {
    tabStop_ = tabStop;
    if (handle_)
        ApplyFocusPolicy();
}

void TWinControl::ApplyFocusPolicy() {
    const Qt::FocusPolicy onClick = TakesFocusOnClick() ? Qt::ClickFocus : Qt::NoFocus;
    handle_->setFocusPolicy(tabStop_ ? Qt::StrongFocus : onClick);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) {
    std::vector<TWinControl*> children;
    for (TControl* c : controls_)
        if (auto* win = qobject_cast<TWinControl*>(c))
            children.push_back(win);
    std::stable_sort(children.begin(), children.end(),
                     [](TWinControl* a, TWinControl* b) { return a->tabOrder_ < b->tabOrder_; });
    for (TWinControl* child : children) {
        list.push_back(child);
        child->GetTabOrderList(list);
    }
}

void TWinControl::ApplyChildTabOrder() {
    // The toolkit walks the focus chain of the whole window; rebuild it from the top.
    TWinControl* top = this;
    while (top->Parent())
        top = top->Parent();
    std::vector<TWinControl*> order;
    top->GetTabOrderList(order);
    QWidget* previous = nullptr;
    for (TWinControl* c : order) {
        if (!c->HandleAllocated() || !c->TabStop())
            continue;
        if (previous)
            QWidget::setTabOrder(previous, c->handle_);
        previous = c->handle_;
    }
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
    std::vector<TWinControl*> order;
    GetTabOrderList(order);
    std::erase_if(order, [&](TWinControl* c) {
        return c != current && (!c->CanFocus() || (checkTabStop && !c->TabStop()));
    });
    if (order.empty())
        return;
    const auto at = std::find(order.begin(), order.end(), current);
    const auto count = static_cast<std::ptrdiff_t>(order.size());
    std::ptrdiff_t index = at == order.end() ? (goForward ? -1 : 0) : at - order.begin();
    index = (index + (goForward ? 1 : count - 1)) % count;
    TWinControl* next = order[static_cast<std::size_t>(index)];
    if (next != current)
        next->SetFocus();
}

bool TWinControl::CanFocus() const {
    for (const TWinControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

bool TWinControl::Focused() const {
    return handle_ && handle_->hasFocus();
}

void TWinControl::SetFocus() {
    if (!CanFocus())
        throw EComponentError(QStringLiteral("Cannot focus a disabled or invisible window"));
    Handle()->setFocus(Qt::OtherFocusReason);
}

void TWinControl::TextChanged() {
    if (handle_ && handle_->isWindow())
        handle_->setWindowTitle(Text());
    Invalidate();
}

void TWinControl::FontChanged() {
    if (handle_)
        handle_->setFont(Font()->ToQFont());
    for (TControl* c : controls_)
        c->ParentFontChanged();
    Invalidate();
}

void TWinControl::ColorChanged() {
    for (TControl* c : controls_)
        c->ParentColorChanged();
    Invalidate();
}

void TWinControl::VisibleChanged() {
    if (handle_ && !handle_->isWindow())
        handle_->setVisible(Visible());
}

void TWinControl::EnabledChanged() {
    if (handle_)
        handle_->setEnabled(Enabled());
    Invalidate();
}

void TWinControl::SetCursor(TCursor cursor) {
    TControl::SetCursor(cursor);
    ApplyCursor();
}

// The resize cursor over a border band, else that of the graphic child under the pointer or
// the control's own.
void TWinControl::ApplyCursor() {
    if (!handle_)
        return;
    const TCursor cursor = IsBorderHitCode(lastHit_) ? EventTranslator::BorderCursor(lastHit_)
                           : mouseControl_           ? mouseControl_->Cursor()
                                                     : Cursor();
    handle_->setCursor(EventTranslator::CursorShape(cursor));
}

namespace {

// Input that reaches a widget inside the window (a scroll area's viewport) is the window's
// input: it passes through the window procedure first.
class ChildEventFilter : public QObject {
public:
    ChildEventFilter(TWinControl* control, QObject* parent) : QObject(parent), control_(control) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget)
            return false;
        return control_->DispatchToolkitEvent(event, widget, [](QEvent*) { return false; })
            .consumed;
    }

private:
    TWinControl* control_;
};

} // namespace

void TWinControl::WatchChildWidget(QWidget* widget) {
    widget->installEventFilter(new ChildEventFilter(this, widget));
}

bool TWinControl::AlreadyDispatched(QEvent* event, QWidget* source) {
    // An input event the inner widget left unaccepted travels on to the window itself; its
    // messages went out once already.
    if (!InputStamp::IsPointerInput(event))
        return false;
    if (source != handle_) {
        lastChildInput_.Remember(event);
        return false;
    }
    return lastChildInput_.Matches(event);
}

TWinControl::DispatchOutcome
TWinControl::DispatchToolkitEvent(QEvent* event, QWidget* source,
                                  const std::function<bool(QEvent*)>& base) {
    // Events the window receives while it is being built belong to the toolkit alone.
    if (!handle_ || AlreadyDispatched(event, source))
        return {false, base(event)};
    if (event->type() == QEvent::ToolTip && ShowHintAt(static_cast<QHelpEvent&>(*event)))
        return {true, true};
    std::vector<TMessage> messages = EventTranslator::Translate(event, handle_, source);
    TrackMouseInside(event, source, messages);
    if (messages.empty())
        return {false, base(event)};
    for (TMessage& m : messages)
        m.Msg = DeliveredMouseMessage(m.Msg);
    const auto* mouse = dynamic_cast<const QMouseEvent*>(event);
    if (mouse && WantsHitTest(*mouse))
        HitTestMouseMessage(messages.back(), *mouse); // after any crossing put before it
    const DispatchOutcome outcome =
        pending_.Deliver(event, messages, base, [this](TMessage& m) { MainWndProc(m); });
    if (outcome.consumed) {
        // A kept close request must not let the toolkit close the window behind our back.
        if (event->type() == QEvent::Close)
            event->ignore();
        else
            event->accept();
    } else if (mouse && source == handle_) {
        // A mouse message is the window's alone: the toolkit would hand one its window left
        // unaccepted on to the parent window, which then hit-tests and handles it a second time.
        event->accept();
    }
    return outcome;
}

void TWinControl::TrackMouseInside(QEvent* event, QWidget* source,
                                   std::vector<TMessage>& messages) {
    // The toolkit sends no crossing while a button is held; the window that had the press
    // still hears the cursor leave and come back, as a captured window does. Crossings are
    // told once each, however many the toolkit sends; those of an inner widget (a viewport)
    // are crossings inside the window.
    bool inside = mouseInside_;
    if (event->type() == QEvent::Enter && source == handle_)
        inside = true;
    else if (event->type() == QEvent::Leave && source == handle_)
        inside = false;
    else if (event->type() == QEvent::MouseMove &&
             static_cast<QMouseEvent*>(event)->buttons() != Qt::NoButton)
        inside = handle_->rect().contains(
            handle_->mapFromGlobal(static_cast<QMouseEvent*>(event)->globalPosition().toPoint()));
    std::erase_if(messages, [](const TMessage& m) {
        return m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE;
    });
    if (inside == mouseInside_)
        return;
    mouseInside_ = inside;
    messages.insert(messages.begin(),
                    TMessage{inside ? UINT(CM_MOUSEENTER) : UINT(CM_MOUSELEAVE), 0, 0, 0, event});
}

bool TWinControl::WantsHitTest(const QMouseEvent& event) const {
    // The captured control's input is its own wherever the pointer is; a move with a button held
    // and a release belong to the press, which was itself hit-tested.
    if (GetCaptureControl() == this)
        return false;
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return true;
    case QEvent::MouseMove:
        return nonClientPress_ || event.buttons() == Qt::NoButton;
    default:
        return nonClientPress_;
    }
}

void TWinControl::HitTestMouseMessage(TMessage& message, const QMouseEvent& event) {
    const QPoint g = event.globalPosition().toPoint();
    const LPARAM screen = MakeLParam(g.x(), g.y());
    TMessage hitTest{WM_NCHITTEST, 0, screen, HTCLIENT, nullptr};
    MainWndProc(hitTest);
    const LRESULT hit = hitTest.Result;
    if (hit != lastHit_) {
        lastHit_ = hit;
        ApplyCursor();
    }
    if (event.type() == QEvent::MouseButtonRelease)
        nonClientPress_ = false;
    else if (event.type() != QEvent::MouseMove)
        nonClientPress_ = hit != HTCLIENT;
    if (hit == HTCLIENT)
        return;
    message.Msg = NonClientMouseMessage(message.Msg);
    message.WParam = static_cast<WPARAM>(hit);
    message.LParam = screen;
}

void TWinControl::MainWndProc(TMessage& message) {
    try {
        WindowProc(message);
    } catch (const std::exception& error) {
        if (Application)
            Application->HandleException(error);
    }
}

void TWinControl::DefaultHandler(TMessage& message) {
    if (!DefaultPaint(message))
        pending_.ReachDefault(message);
}

void TWinControl::WndProc(TMessage& message) {
    if (IsMouseMessage(message.Msg) && RouteMouseToGraphicControl(message))
        return;
    switch (message.Msg) {
    case WM_NCHITTEST:
        message.Result = HTCLIENT;
        return;
    case CM_MOUSELEAVE:
        UpdateMouseControl(nullptr);
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR:
        if (HandleKeyMessage(message))
            return; // taken: by a handler, by Ctrl+Tab, or by the form's dialog handling
        break;
    case WM_GETDLGCODE:
        message.Result = DialogCode();
        return;
    case WM_SETFOCUS:
        DoEnter();
        // Everything on the form hears where the focus went (default buttons repaint).
        TopLevelControl()->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(this));
        break;
    case WM_KILLFOCUS:
        DoExit();
        break;
    case CM_FOCUSCHANGED:
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
        Broadcast(message);
        break;
    case CM_CTL3DCHANGED:
        Ctl3DChanged();
        break;
    default:
        break;
    }
    TControl::WndProc(message);
}

void TWinControl::Broadcast(TMessage& message) {
    // A copy: a child may remove itself while it hears the message.
    const std::vector<TControl*> children = controls_;
    for (TControl* child : children) {
        child->WindowProc(message);
        if (message.Result != 0)
            return;
    }
}

TWinControl* TWinControl::TopLevelControl() {
    TWinControl* top = this;
    while (top->Parent())
        top = top->Parent();
    return top;
}

bool TWinControl::RouteMouseToGraphicControl(TMessage& message) {
    const TPoint p{GetXLParam(message.LParam), GetYLParam(message.LParam)};
    TControl* target = captureControl_ ? captureControl_ : ControlAtPos(p);
    if (message.Msg == WM_MOUSEMOVE && !captureControl_)
        UpdateMouseControl(target);
    if (!target)
        return false;
    const bool down = message.Msg == WM_LBUTTONDOWN || message.Msg == WM_RBUTTONDOWN ||
                      message.Msg == WM_MBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK;
    const bool up =
        message.Msg == WM_LBUTTONUP || message.Msg == WM_RBUTTONUP || message.Msg == WM_MBUTTONUP;
    if (down)
        captureControl_ = target;
    TMessage forwarded{target->DeliveredMouseMessage(message.Msg), message.WParam,
                       MakeLParam(p.X - target->Left(), p.Y - target->Top()), 0, nullptr};
    if (up)
        captureControl_ = nullptr;
    target->WindowProc(forwarded);
    message.Result = forwarded.Result;
    return true;
}

void TWinControl::UpdateMouseControl(TControl* now) {
    if (now == mouseControl_)
        return;
    TControl* old = mouseControl_;
    mouseControl_ = now;
    if (old)
        old->Perform(CM_MOUSELEAVE);
    if (now)
        now->Perform(CM_MOUSEENTER);
    ApplyCursor();
}

bool TWinControl::HandleKeyMessage(TMessage& message) {
    // A handler takes a key by clearing it; a key that arrived without a code is not taken.
    const auto taken = [&message](auto key) {
        message.Result = message.WParam != 0 && key == 0 ? 1 : 0;
        return message.Result == 1;
    };
    const TShiftState shift = EventTranslator::KeyShiftState(message);
    switch (message.Msg) {
    case WM_CHAR: {
        char16_t key = static_cast<char16_t>(message.WParam);
        KeyPress(key);
        return taken(key) || (!(DialogCode() & DLGC_WANTCHARS) && DialogChar(message));
    }
    case WM_SYSCHAR:
        // Alt with a letter: the accelerators of the whole form, whatever has the focus. It
        // never types, whether an accelerator took it or not.
        DialogChar(message);
        return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        auto key = static_cast<std::uint16_t>(message.WParam);
        KeyDown(key, shift);
        return taken(key) || HandleControlTab(message) || DialogKey(message);
    }
    default: {
        auto key = static_cast<std::uint16_t>(message.WParam);
        KeyUp(key, shift);
        return taken(key);
    }
    }
}

bool TWinControl::HandleControlTab(const TMessage& message) {
    // Ctrl+Tab leaves any control, also one that keeps Tab for itself (the platform's way).
    const TShiftState shift = EventTranslator::KeyShiftState(message);
    if (message.WParam != VK_TAB || !shift.testFlag(TShiftFlag::ssCtrl) ||
        shift.testFlag(TShiftFlag::ssAlt))
        return false;
    TopLevelControl()->SelectNext(this, !shift.testFlag(TShiftFlag::ssShift), true);
    return true;
}

bool TWinControl::DialogKey(TMessage& message) {
    // Enter and Escape go to the form's default and cancel buttons unless this control keeps
    // them (a memo keeps Enter for its lines).
    const bool dialogKey = message.WParam == VK_RETURN || message.WParam == VK_ESCAPE;
    if (!dialogKey || (DialogCode() & DLGC_WANTALLKEYS))
        return false;
    message.Result = TopLevelControl()->Perform(CM_DIALOGKEY, message.WParam, message.LParam);
    return message.Result != 0;
}

bool TWinControl::DialogChar(TMessage& message) {
    message.Result = TopLevelControl()->Perform(CM_DIALOGCHAR, message.WParam, message.LParam);
    return message.Result != 0;
}

void TWinControl::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(std::uint16_t& key, TShiftState shift) {
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char16_t& key) {
    if (OnKeyPress)
        OnKeyPress(this, key);
}

void TWinControl::DoEnter() {
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit)
        OnExit(this);
}

void TWinControl::DispatchPaint(QWidget* window, QPaintEvent* event,
                                const std::function<void()>& toolkitPaint) {
    if (toolkitPaint) {
        // The toolkit paints the face with its own painter; hooks draw after it on a canvas
        // that opens one for each call.
        TCanvas canvas(static_cast<QPaintDevice*>(window));
        SendPaintMessages(canvas, event, toolkitPaint);
        return;
    }
    QPainter painter(window);
    painter.setClipRegion(event->region());
    TCanvas canvas(&painter);
    SendPaintMessages(canvas, event, {});
}

void TWinControl::PaintWindowInto(TCanvas& canvas) {
    SendPaintMessages(canvas, nullptr, {});
}

void TWinControl::SendPaintMessages(TCanvas& canvas, QEvent* event,
                                    const std::function<void()>& toolkitPaint) {
    PaintContext context{&canvas, toolkitPaint};
    PaintContext* outer = std::exchange(paint_, &context);
    const auto canvasParam = reinterpret_cast<WPARAM>(&canvas);
    TMessage erase{WM_ERASEBKGND, canvasParam, 0, 0, event};
    MainWndProc(erase);
    TMessage paint{WM_PAINT, canvasParam, 0, 0, event};
    MainWndProc(paint);
    paint_ = outer;
}

bool TWinControl::DefaultPaint(TMessage& message) {
    const bool paintMessage = message.Msg == WM_ERASEBKGND || message.Msg == WM_PAINT;
    if (!paintMessage || !paint_ || message.WParam != reinterpret_cast<WPARAM>(paint_->canvas))
        return false;
    TCanvas& canvas = *paint_->canvas;
    if (message.Msg == WM_PAINT) {
        if (paint_->toolkitPaint)
            paint_->toolkitPaint();
        else
            PaintHandler(canvas);
        return true;
    }
    // A toolkit widget fills its own background as it paints.
    if (!paint_->toolkitPaint && !ControlStyle().testFlag(TControlStyleFlag::csOpaque))
        EraseBackground(canvas);
    message.Result = 1;
    return true;
}

void TWinControl::EraseBackground(TCanvas& canvas) {
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRect());
}

void TWinControl::PaintHandler(TCanvas& canvas) {
    PaintWindow(canvas);
    const TPoint origin = canvas.Origin();
    for (TControl* c : controls_) {
        if (c->IsWindowed() || !c->Visible())
            continue;
        canvas.SetOrigin({origin.X + c->Left(), origin.Y + c->Top()});
        c->PaintTo(canvas);
    }
    canvas.SetOrigin(origin);
}

void TWinControl::PaintWindow(TCanvas&) {}

void TWinControl::Repaint() {
    if (handle_)
        handle_->repaint();
}

void TWinControl::RepaintArea(const TRect& area) {
    if (handle_)
        handle_->repaint(area.ToQRect());
}

bool TWinControl::BindEvent(const QByteArray& name, const TMethod& method) {
    static const TEventTable<TWinControl> kEvents{
        EventBinding("OnEnter", &TWinControl::OnEnter),
        EventBinding("OnExit", &TWinControl::OnExit),
        EventBinding("OnKeyDown", &TWinControl::OnKeyDown),
        EventBinding("OnKeyUp", &TWinControl::OnKeyUp),
        EventBinding("OnKeyPress", &TWinControl::OnKeyPress),
    };
    return kEvents.Bind(*this, name, method) || TControl::BindEvent(name, method);
}
