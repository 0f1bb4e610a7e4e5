#include "framework/core/TControl.h"

#include "framework/core/EventTranslator.h"
#include "framework/core/TWinControl.h"
#include "framework/graphics/TTextLayout.h"
#include "framework/menus/TPopupMenu.h"

#include <QCursor>
#include <QPointer>
#include <QWidget>
#include <utility>

namespace {

TControl* gCaptureControl = nullptr;
QPointer<QWidget> gGrabbingWindow; // the window that grabbed the pointer for SetCaptureControl

void ReleaseGrab() {
    if (gGrabbingWindow)
        gGrabbingWindow->releaseMouse();
    gGrabbingWindow = nullptr;
}

struct MouseMessageKind {
    TMouseButton button;
    enum { Down, Up, DoubleClick } kind;
};

bool DecodeMouseButtonMessage(UINT msg, MouseMessageKind& out) {
    switch (msg) {
    case WM_LBUTTONDOWN:
        out = {TMouseButton::mbLeft, MouseMessageKind::Down};
        return true;
    case WM_LBUTTONUP:
        out = {TMouseButton::mbLeft, MouseMessageKind::Up};
        return true;
    case WM_LBUTTONDBLCLK:
        out = {TMouseButton::mbLeft, MouseMessageKind::DoubleClick};
        return true;
    case WM_RBUTTONDOWN:
        out = {TMouseButton::mbRight, MouseMessageKind::Down};
        return true;
    case WM_RBUTTONUP:
        out = {TMouseButton::mbRight, MouseMessageKind::Up};
        return true;
    case WM_RBUTTONDBLCLK:
        out = {TMouseButton::mbRight, MouseMessageKind::DoubleClick};
        return true;
    case WM_MBUTTONDOWN:
        out = {TMouseButton::mbMiddle, MouseMessageKind::Down};
        return true;
    case WM_MBUTTONUP:
        out = {TMouseButton::mbMiddle, MouseMessageKind::Up};
        return true;
    case WM_MBUTTONDBLCLK:
        out = {TMouseButton::mbMiddle, MouseMessageKind::DoubleClick};
        return true;
    default:
        return false;
    }
}

// The outermost parent of `control`, or the control itself.
const TControl& Root(const TControl& control) {
    const TControl* root = &control;
    while (root->Parent())
        root = root->Parent();
    return *root;
}

TControl& Root(TControl& control) {
    return const_cast<TControl&>(Root(std::as_const(control)));
}

// The control under `root`, at any depth, whose caption names `target`.
const TControl* CaptionOf(const TControl& root, const TControl* target) {
    const auto* container = qobject_cast<const TWinControl*>(&root);
    for (int i = 0; container && i < container->ControlCount(); ++i) {
        const TControl* child = container->Controls(i);
        if (child->CaptionedControl() == target)
            return child;
        if (const TControl* found = CaptionOf(*child, target))
            return found;
    }
    return nullptr;
}

// A caption such as "&Name:" as the name of what it captions: "Name".
QString CaptionAsName(const QString& caption) {
    QString name = ResolvePrefixes(caption).Text.trimmed();
    while (name.endsWith(u'：') || name.endsWith(u':'))
        name.chop(1);
    return name.trimmed();
}

} // namespace

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner), constraints_(std::make_unique<TSizeConstraints>()),
      font_(std::make_unique<TFont>()) {
    WindowProc = [this](TMessage& m) { WndProc(m); };
    constraints_->OnChange = [this] { ConstraintsChanged(); };
    font_->OnChange = [this] {
        if (!updatingFromParent_)
            parentFont_ = false;
        Perform(CM_FONTCHANGED);
    };
}

TControl::~TControl() {
    if (gCaptureControl == this) {
        gCaptureControl = nullptr;
        ReleaseGrab();
    }
    SetAction(nullptr);
    font_->OnChange = nullptr;
    if (parent_)
        parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent_ == parent)
        return;
    if (parent == this)
        throw EComponentError(QStringLiteral("A control cannot have itself as its parent"));
    if (parent_)
        parent_->RemoveControl(this);
    if (parent) {
        parent->InsertControl(this);
        ParentFontChanged();
        ParentColorChanged();
        ParentShowHintChanged();
        ParentBiDiModeChanged();
    }
    UpdateAnchorRules();
    AccessibleCaptionsChanged();
}

void TControl::SetParentComponent(TComponent* parent) {
    if (!parent)
        return;
    auto* container = qobject_cast<TWinControl*>(parent);
    if (!container || !container->ControlStyle().testFlag(TControlStyleFlag::csAcceptsControls))
        throw EComponentError(
            QStringLiteral("%1 cannot hold the control %2").arg(parent->Name(), Name()));
    SetParent(container);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    width = constraints_->ConstrainWidth(width);
    height = constraints_->ConstrainHeight(height);
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    const TRect old = BoundsRect();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (!anchorMove_)
        UpdateAnchorRules();
    BoundsChanged();
    if (parent_ && !IsWindowed()) {
        parent_->InvalidateArea(old);
        parent_->InvalidateArea(BoundsRect());
    }
    if (old.Width() != width || old.Height() != height)
        Resize();
    RequestAlign();
    AccessibleCaptionsChanged();
}

TPoint TControl::ClientOrigin() const {
    if (!parent_)
        return {left_, top_};
    const TPoint origin = parent_->ClientOrigin();
    return {origin.X + left_, origin.Y + top_};
}

TPoint TControl::ClientToScreen(TPoint p) const {
    const TPoint origin = ClientOrigin();
    return {origin.X + p.X, origin.Y + p.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
    const TPoint origin = ClientOrigin();
    return {p.X - origin.X, p.Y - origin.Y};
}

void TControl::SetAlign(TAlign align) {
    if (align_ == align)
        return;
    align_ = align;
    RequestAlign();
}

void TControl::SetAnchors(TAnchors anchors) {
    anchors_ = anchors;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules() {
    const TPoint parentSize =
        parent_ ? TPoint{parent_->ClientWidth(), parent_->ClientHeight()} : TPoint{};
    anchorRules_.Remember(anchors_, BoundsRect(), parentSize);
}

void TControl::FollowAnchors(TPoint parentSize) {
    if (align_ != TAlign::alNone)
        return;
    const std::optional<TRect> placed = anchorRules_.Follow(anchors_, BoundsRect(), parentSize);
    if (!placed)
        return;
    anchorMove_ = true;
    SetBoundsRect(*placed);
    anchorMove_ = false;
}

void TControl::ConstraintsChanged() {
    SetBounds(left_, top_, width_, height_);
}

void TControl::RequestAlign() {
    if (parent_ && align_ != TAlign::alNone)
        parent_->RealignControls();
}

void TControl::SetVisible(bool visible) {
    if (visible_ == visible)
        return;
    visible_ = visible;
    Perform(CM_VISIBLECHANGED);
    if (parent_) {
        if (!IsWindowed())
            parent_->InvalidateArea(BoundsRect());
        parent_->RealignControls();
    }
    AccessibleCaptionsChanged();
}

void TControl::SetEnabled(bool enabled) {
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(const QString& text) {
    if (text == GetText())
        return;
    text_ = text;
    Perform(CM_TEXTCHANGED);
    AccessibleCaptionsChanged();
}

void TControl::SetAccessibleName(const QString& name) {
    accessibleName_ = name;
    AccessibleCaptionsChanged();
}

QString TControl::AccessibleCaption() const {
    if (!accessibleName_.isEmpty())
        return accessibleName_;
    const TControl* caption = CaptionOf(Root(*this), this);
    return caption ? CaptionAsName(caption->Caption()) : QString();
}

void TControl::AccessibleCaptionsChanged() {
    if (auto* root = qobject_cast<TWinControl*>(&Root(*this)))
        root->UpdateAccessibleNames();
}

void TControl::SetParentFont(bool v) {
    parentFont_ = v;
    if (v)
        ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!parentFont_ || !parent_)
        return;
    updatingFromParent_ = true;
    font_->Assign(parent_->Font());
    updatingFromParent_ = false;
}

void TControl::SetColor(TColor color) {
    parentColor_ = false;
    if (color_ == color)
        return;
    color_ = color;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool v) {
    parentColor_ = v;
    if (v)
        ParentColorChanged();
}

void TControl::ParentColorChanged() {
    if (!parentColor_ || !parent_ || color_ == parent_->Color())
        return;
    color_ = parent_->Color();
    Perform(CM_COLORCHANGED);
}

void TControl::SetCursor(TCursor cursor) {
    cursor_ = cursor;
}

void TControl::SetShowHint(bool v) {
    parentShowHint_ = false;
    Change(showHint_, v, CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool v) {
    parentShowHint_ = v;
    ParentShowHintChanged();
}

void TControl::ParentShowHintChanged() {
    if (parentShowHint_ && parent_)
        Change(showHint_, parent_->ShowHint(), CM_SHOWHINTCHANGED);
}

void TControl::SetBiDiMode(TBiDiMode mode) {
    parentBiDiMode_ = false;
    Change(biDiMode_, mode, CM_BIDIMODECHANGED);
}

void TControl::SetParentBiDiMode(bool v) {
    parentBiDiMode_ = v;
    ParentBiDiModeChanged();
}

void TControl::ParentBiDiModeChanged() {
    if (parentBiDiMode_ && parent_)
        Change(biDiMode_, parent_->BiDiMode(), CM_BIDIMODECHANGED);
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
    if (SetReference(popupMenu_, menu))
        PopupMenuChanged();
}

void TControl::ContextMenu(TMessage& message) {
    if (popupMenu_) {
        popupMenu_->SetPopupComponent(this);
        popupMenu_->Popup(GetXLParam(message.LParam), GetYLParam(message.LParam));
        message.Result = 1;
    } else if (parent_) {
        message.Result = parent_->Perform(WM_CONTEXTMENU, message.WParam, message.LParam);
    }
}

void TControl::SetAction(TAction* action) {
    if (action == action_)
        return;
    if (action_) {
        action_->UnRegisterChanges(this);
        RemoveFreeNotification(action_);
    }
    action_ = action;
    if (!action_)
        return;
    action_->RegisterChanges(this);
    FreeNotification(action_);
    ActionChange(action_, action_->IsLoading());
}

// A stored value that differs from the default counts as the control's own while loading.
void TControl::ActionChange(TAction* sender, bool checkDefaults) {
    if (!checkDefaults || Caption().isEmpty() || Caption() == Name())
        SetCaption(sender->Caption());
    if (!checkDefaults || Enabled())
        SetEnabled(sender->Enabled());
    if (!checkDefaults || Hint().isEmpty())
        SetHint(sender->Hint());
    if (!checkDefaults || Visible())
        SetVisible(sender->Visible());
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == action_)
        action_ = nullptr;
    if (AComponent == popupMenu_) {
        popupMenu_ = nullptr;
        PopupMenuChanged();
    }
}

void TControl::FontChanged() {
    Invalidate();
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0, nullptr};
    WindowProc(message);
    return message.Result;
}

void TControl::PostMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    QMetaObject::invokeMethod(
        this, [this, msg, wParam, lParam] { Perform(msg, wParam, lParam); }, Qt::QueuedConnection);
}

void TControl::WndProc(TMessage& message) {
    if (IsMouseMessage(message.Msg))
        HandleMouseMessage(message);
    switch (message.Msg) {
    case CM_MOUSEENTER:
        MouseEnter();
        break;
    case CM_MOUSELEAVE:
        MouseLeave();
        break;
    case CM_TEXTCHANGED:
        TextChanged();
        break;
    case CM_ENABLEDCHANGED:
        EnabledChanged();
        break;
    case CM_COLORCHANGED:
        ColorChanged();
        break;
    case CM_FONTCHANGED:
        FontChanged();
        break;
    case CM_VISIBLECHANGED:
        VisibleChanged();
        break;
    case CM_SHOWHINTCHANGED:
        ShowHintChanged();
        break;
    case CM_BIDIMODECHANGED:
        BiDiModeChanged();
        break;
    case WM_CONTEXTMENU:
        ContextMenu(message);
        return;
    default:
        break;
    }
    DefaultHandler(message);
}

void TControl::HandleMouseMessage(TMessage& message) {
    const int x = GetXLParam(message.LParam);
    const int y = GetYLParam(message.LParam);
    TShiftState shift = EventTranslator::MouseShiftState(message.WParam);
    if (message.Msg == WM_MOUSEMOVE) {
        MouseMove(shift, x, y);
        return;
    }
    MouseMessageKind kind{};
    DecodeMouseButtonMessage(message.Msg, kind);
    switch (kind.kind) {
    case MouseMessageKind::DoubleClick:
        shift |= TShiftFlag::ssDouble;
        if (kind.button == TMouseButton::mbLeft)
            DblClick();
        MouseDown(kind.button, shift, x, y);
        break;
    case MouseMessageKind::Down:
        if (kind.button == TMouseButton::mbLeft) {
            // The toolkit keeps the pressed window's input until the release: no grab needed.
            ChangeCapture(this, false);
            mouseCaptured_ = true;
        }
        MouseDown(kind.button, shift, x, y);
        break;
    case MouseMessageKind::Up: {
        const bool clicked = kind.button == TMouseButton::mbLeft && mouseCaptured_ &&
                             controlStyle_.testFlag(TControlStyleFlag::csClickEvents);
        if (kind.button == TMouseButton::mbLeft && gCaptureControl == this)
            ChangeCapture(nullptr, false);
        MouseUp(kind.button, shift, x, y);
        // A click is a press and a release over the control.
        if (clicked && x >= 0 && y >= 0 && x < width_ && y < height_)
            Click();
        // As the platform's default handling of the release, which the window then hears.
        if (kind.button == TMouseButton::mbRight) {
            const TPoint screen = ClientToScreen({x, y});
            Perform(WM_CONTEXTMENU, 0, MakeLParam(screen.X, screen.Y));
        }
        break;
    }
    }
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::ChangeCapture(TControl* control, bool grab) {
    TControl* old = gCaptureControl;
    ReleaseGrab();
    gCaptureControl = control;
    if (control && grab) {
        // A graphic control hears the mouse through its parent's window.
        TWinControl* window =
            control->IsWindowed() ? static_cast<TWinControl*>(control) : control->parent_;
        if (!control->IsWindowed())
            window->captureControl_ = control;
        gGrabbingWindow = window->Handle();
        gGrabbingWindow->grabMouse();
    }
    if (!old || old == control)
        return;
    old->mouseCaptured_ = false;
    if (old->parent_ && old->parent_->captureControl_ == old)
        old->parent_->captureControl_ = nullptr;
    old->Perform(WM_CAPTURECHANGED, 0, 0);
}

void TControl::Invalidate() {
    if (parent_ && visible_)
        parent_->InvalidateArea(BoundsRect());
}

void TControl::Click() {
    if (OnClick)
        OnClick(this);
    else if (action_)
        action_->Execute();
}

void TControl::Repaint() {
    if (parent_ && visible_)
        parent_->RepaintArea(BoundsRect());
}

void TControl::PaintTo(TCanvas&) {}

UINT TControl::DeliveredMouseMessage(UINT msg) const {
    if (controlStyle_.testFlag(TControlStyleFlag::csDoubleClicks))
        return msg;
    switch (msg) {
    case WM_LBUTTONDBLCLK:
        return WM_LBUTTONDOWN;
    case WM_RBUTTONDBLCLK:
        return WM_RBUTTONDOWN;
    case WM_MBUTTONDBLCLK:
        return WM_MBUTTONDOWN;
    default:
        return msg;
    }
}

QString GetShortHint(const QString& hint) {
    return hint.section(u'|', 0, 0);
}

bool IsAccel(char16_t key, const QString& caption) {
    for (qsizetype i = caption.indexOf(u'&'); i >= 0 && i + 1 < caption.size();
         i = caption.indexOf(u'&', i + 2)) {
        if (caption[i + 1] != u'&')
            return caption[i + 1].toUpper() == QChar(key).toUpper();
    }
    return false;
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TControl::MouseEnter() {
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TControl::MouseLeave() {
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TControl::DblClick() {
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::Resize() {
    if (OnResize)
        OnResize(this);
}

bool TControl::BindEvent(const QByteArray& name, const TMethod& method) {
    static const TEventTable<TControl> kEvents{
        EventBinding("OnClick", &TControl::OnClick),
        EventBinding("OnDblClick", &TControl::OnDblClick),
        EventBinding("OnMouseDown", &TControl::OnMouseDown),
        EventBinding("OnMouseUp", &TControl::OnMouseUp),
        EventBinding("OnMouseMove", &TControl::OnMouseMove),
        EventBinding("OnMouseEnter", &TControl::OnMouseEnter),
        EventBinding("OnMouseLeave", &TControl::OnMouseLeave),
        EventBinding("OnResize", &TControl::OnResize),
        EventBinding("OnDragDrop", &TControl::OnDragDrop),
        EventBinding("OnDragOver", &TControl::OnDragOver),
        EventBinding("OnEndDock", &TControl::OnEndDock),
        EventBinding("OnEndDrag", &TControl::OnEndDrag),
        EventBinding("OnStartDock", &TControl::OnStartDock),
        EventBinding("OnStartDrag", &TControl::OnStartDrag),
    };
    return kEvents.Bind(*this, name, method) || TComponent::BindEvent(name, method);
}

TControl* GetCaptureControl() {
    return gCaptureControl;
}

void SetCaptureControl(TControl* control) {
    if (control && !control->IsWindowed() && !control->Parent())
        throw EComponentError(QStringLiteral("%1 has no parent window and cannot capture the mouse")
                                  .arg(control->Name()));
    TControl::ChangeCapture(control, control != nullptr);
}

void ReleaseCapture() {
    TControl::ChangeCapture(nullptr, false);
}

TPoint GetCursorPos() {
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}
