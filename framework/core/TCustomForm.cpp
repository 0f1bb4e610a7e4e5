#include "framework/core/TCustomForm.h"

#include "framework/core/Exception.h"
#include "framework/core/MessageWindow.h"
#include "framework/core/TApplication.h"
#include "framework/core/WindowMover.h"
#include "framework/platform/WindowSystem.h"

#include <QEventLoop>
#include <QFile>
#include <QIcon>
#include <QWidget>
#include <QWindow>

namespace {
// The classic window frame: 3 pixels of fixed border (4 when sizeable) and a 19-pixel caption.
constexpr int kFixedBorder = 3;
constexpr int kSizeableBorder = 4;
constexpr int kCaptionHeight = 19;
constexpr int kToolCaptionHeight = 15;
// A border hit code less this is the edge of SC_SIZE.
constexpr WPARAM kBorderToEdge = static_cast<WPARAM>(HTLEFT) - WMSZ_LEFT;

bool IsSizeable(TFormBorderStyle style) {
    return style == TFormBorderStyle::bsSizeable || style == TFormBorderStyle::bsSizeToolWin;
}

bool IsToolWindow(TFormBorderStyle style) {
    return style == TFormBorderStyle::bsToolWindow || style == TFormBorderStyle::bsSizeToolWin;
}

// The style bits a border style and its icons stand for; only single and sizeable windows
// carry minimise and maximise boxes, and only with a system menu.
TWindowStyle StyleFor(TFormBorderStyle style, TBorderIcons icons) {
    if (style == TFormBorderStyle::bsNone)
        return 0;
    TWindowStyle bits = WS_CAPTION;
    if (IsSizeable(style))
        bits |= WS_THICKFRAME;
    if (!icons.testFlag(Framework::biSystemMenu))
        return bits;
    bits |= WS_SYSMENU;
    if (style == TFormBorderStyle::bsSingle || style == TFormBorderStyle::bsSizeable) {
        if (icons.testFlag(Framework::biMinimize))
            bits |= WS_MINIMIZEBOX;
        if (icons.testFlag(Framework::biMaximize))
            bits |= WS_MAXIMIZEBOX;
    }
    return bits;
}

Qt::WindowState QtWindowState(TWindowState state) {
    switch (state) {
    case TWindowState::wsMinimized:
        return Qt::WindowMinimized;
    case TWindowState::wsMaximized:
        return Qt::WindowMaximized;
    default:
        return Qt::WindowNoState;
    }
}
} // namespace

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner) {
    SetControlStyle(ControlStyle() | TControlStyleFlag::csAcceptsControls);
    SetVisible(false);
    Handle();
}

TCustomForm::~TCustomForm() {
    if (OnDestroy)
        OnDestroy(this);
}

bool TCustomForm::HasFrame() const {
    return (style_ & WS_CAPTION) == WS_CAPTION;
}

// A frameless window can be resized by the program (its hit test offers the bands).
bool TCustomForm::Resizable() const {
    return !HasFrame() || (style_ & WS_THICKFRAME);
}

int TCustomForm::NonClientWidth() const {
    if (!HasFrame())
        return 0;
    return 2 * (style_ & WS_THICKFRAME ? kSizeableBorder : kFixedBorder);
}

int TCustomForm::NonClientHeight() const {
    if (!HasFrame())
        return 0;
    return NonClientWidth() + (IsToolWindow(borderStyle_) ? kToolCaptionHeight : kCaptionHeight);
}

void TCustomForm::ConstraintsChanged() {
    ApplySizeLimits();
    TWinControl::ConstraintsChanged();
}

void TCustomForm::BoundsChanged() {
    if (syncing_)
        return RealignControls();
    if (HandleAllocated())
        ApplySizeLimits();
    TWinControl::BoundsChanged();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
    if (borderStyle_ == style)
        return;
    // The client area keeps its size; the frame around it changes.
    const int cw = ClientWidth();
    const int ch = ClientHeight();
    borderStyle_ = style;
    style_ = StyleFor(borderStyle_, borderIcons_);
    ApplyWindowFlags();
    SetBounds(Left(), Top(), cw + NonClientWidth(), ch + NonClientHeight());
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
    borderIcons_ = icons;
    style_ = StyleFor(borderStyle_, borderIcons_);
    ApplyWindowFlags();
}

void TCustomForm::SetWindowStyle(TWindowStyle style) {
    if (style == style_)
        return;
    // The window keeps its size; the client area changes with the frame.
    style_ = style;
    ApplyWindowFlags();
    BoundsChanged();
}

void TCustomForm::SetMenu(TComponent* menu) {
    if (menu == menu_)
        return;
    if (menu && !menu->inherits("TMainMenu"))
        throw EComponentError(QStringLiteral("%1 is no main menu").arg(menu->Name()));
    SetReference(menu_, menu);
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
    TWinControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == menu_)
        menu_ = nullptr;
}

TWindowState TCustomForm::WindowState() const {
    auto* self = const_cast<TCustomForm*>(this);
    QWidget* w = self->Handle();
    if (w->isMinimized())
        return TWindowState::wsMinimized;
    // A form that maximised itself stays maximised when its bounds are set, as it would under a
    // window manager; the toolkit forgets the state at the first new geometry.
    if (w->isMaximized() || (normalBounds_ && !WindowSystem::PlacesWindows()))
        return TWindowState::wsMaximized;
    return TWindowState::wsNormal;
}

void TCustomForm::SetWindowState(TWindowState state) {
    QWidget* w = Handle();
    if (WindowSystem::PlacesWindows())
        return w->setWindowState(QtWindowState(state));
    // The bounds first: the toolkit takes a new geometry as the end of the maximised state. The
    // state change then reports the size once more with its kind (WM_SIZE, SIZE_MAXIMIZED).
    if (state == TWindowState::wsMaximized) {
        if (!normalBounds_)
            normalBounds_ = BoundsRect();
        SetBoundsRect(WindowSystem::WorkArea());
    } else if (state == TWindowState::wsNormal && normalBounds_) {
        const TRect normal = *normalBounds_;
        normalBounds_.reset();
        SetBoundsRect(normal);
    }
    w->setWindowState(QtWindowState(state));
}

TRect TCustomForm::NormalBounds() const {
    return normalBounds_ ? *normalBounds_ : BoundsRect();
}

void TCustomForm::SetBorderWidth(int v) {
    borderWidth_ = v;
    RealignControls();
}

void TCustomForm::SetIcon(const QString& resourceName) {
    icon_ = resourceName;
    const QString path = QStringLiteral(":/icons/%1.ico").arg(resourceName);
    if (QFile::exists(path))
        Handle()->setWindowIcon(QIcon(path));
}

void TCustomForm::AdjustClientRect(TRect& rect) const {
    rect.Left += borderWidth_;
    rect.Top += borderWidth_;
    rect.Right -= borderWidth_;
    rect.Bottom -= borderWidth_;
}

QWidget* TCustomForm::CreateWindowWidget(QWidget*) {
    auto* w = new MessageWindow<QWidget>(this, nullptr, Qt::Window);
    w->setAttribute(Qt::WA_OpaquePaintEvent);
    return w;
}

void TCustomForm::ApplyWindowFlags() {
    if (!HandleAllocated())
        return;
    QWidget* w = Handle();
    Qt::WindowFlags flags = Qt::Window;
    if (!HasFrame()) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::WindowTitleHint | Qt::CustomizeWindowHint;
        if (style_ & WS_SYSMENU)
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (style_ & WS_MINIMIZEBOX)
            flags |= Qt::WindowMinimizeButtonHint;
        if (style_ & WS_MAXIMIZEBOX)
            flags |= Qt::WindowMaximizeButtonHint;
    }
    // A frameless window may be shaped by a region; where a mask does not clip what is drawn
    // (Wayland) only transparent pixels shape it. Set before the flags, which create the
    // toolkit's window anew with an alpha channel.
    w->setAttribute(Qt::WA_TranslucentBackground, !HasFrame());
    const bool shown = w->isVisible();
    w->setWindowFlags(flags);
    if (shown)
        w->show();
    ApplySizeLimits();
}

void TCustomForm::ApplySizeLimits() {
    QWidget* w = Handle();
    if (!Resizable()) {
        w->setFixedSize(std::max(0, ClientWidth()), std::max(0, ClientHeight()));
        return;
    }
    const int ncw = NonClientWidth();
    const int nch = NonClientHeight();
    w->setMinimumSize(std::max(0, Constraints()->MinWidth() - ncw),
                      std::max(0, Constraints()->MinHeight() - nch));
    w->setMaximumSize(
        Constraints()->MaxWidth() > 0 ? Constraints()->MaxWidth() - ncw : QWIDGETSIZE_MAX,
        Constraints()->MaxHeight() > 0 ? Constraints()->MaxHeight() - nch : QWIDGETSIZE_MAX);
}

void TCustomForm::VisibleChanged() {
    QWidget* w = Handle();
    if (Visible()) {
        // A place stored for another screen, or for another scale, may lie partly off this one.
        SetBoundsRect(WindowSystem::KeptOnScreen(BoundsRect()));
        w->move(Left(), Top());
        w->resize(ClientWidth(), ClientHeight());
        w->show();
        if (OnShow)
            OnShow(this);
    } else {
        w->hide();
    }
}

void TCustomForm::SyncBoundsFromWindow() {
    // The window manager moved or sized the window: take its geometry as ours.
    QWidget* w = Handle();
    syncing_ = true;
    TWinControl::SetBounds(w->x(), w->y(), w->width() + NonClientWidth(),
                           w->height() + NonClientHeight());
    syncing_ = false;
}

namespace {
TCustomForm::TDescriptionReader gDescriptionReader = nullptr;
} // namespace

void TCustomForm::SetDescriptionReader(TDescriptionReader reader) {
    gDescriptionReader = reader;
}

void TCustomForm::InitializeFromDescription() {
    if (!gDescriptionReader)
        throw EReadError(QStringLiteral("No form reader for the description of %1")
                             .arg(QLatin1String(metaObject()->className())));
    gDescriptionReader(this);
    ApplyWindowFlags();
    DoCreate();
}

void TCustomForm::DoCreate() {
    if (OnCreate)
        OnCreate(this);
}

void TCustomForm::DoClose(TCloseAction& action) {
    if (OnClose)
        OnClose(this, action);
}

void TCustomForm::Close() {
    if (closed_)
        return;
    if (modalLoop_) {
        SetModalResult(mrCancel);
        return;
    }
    const bool isMain = Application && Application->MainForm() == this;
    TCloseAction action = TCloseAction::caHide;
    DoClose(action);
    if (action == TCloseAction::caNone)
        return;
    if (isMain) {
        closed_ = true;
        Hide();
        Application->Terminate();
    } else if (action == TCloseAction::caMinimize) {
        SetWindowState(TWindowState::wsMinimized);
    } else {
        Hide();
    }
}

TModalResult TCustomForm::ShowModal() {
    if (Visible() || modalLoop_)
        throw EInvalidOperation(QStringLiteral("Cannot make a visible window modal"));
    QWidget* window = Handle();
    window->setWindowModality(Qt::ApplicationModal);
    modalResult_ = mrNone;
    Show();
    QEventLoop loop;
    modalLoop_ = &loop;
    // A result ends the wait unless the close handler keeps the form open.
    for (;;) {
        if (modalResult_ == mrNone)
            loop.exec();
        TCloseAction action = TCloseAction::caHide;
        DoClose(action);
        if (action != TCloseAction::caNone)
            break;
        modalResult_ = mrNone;
    }
    modalLoop_ = nullptr;
    Hide();
    window->setWindowModality(Qt::NonModal);
    return modalResult_;
}

void TCustomForm::SetModalResult(TModalResult result) {
    modalResult_ = result;
    if (modalLoop_ && result != mrNone)
        modalLoop_->quit();
}

bool TCustomForm::Active() const {
    return const_cast<TCustomForm*>(this)->Handle()->isActiveWindow();
}

void TCustomForm::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_CLOSE:
        Close();
        return; // the form decides; the toolkit never closes it on its own
    case WM_SIZE:
    case WM_MOVE:
        if (message.Event)
            SyncBoundsFromWindow();
        break;
    case WM_NCLBUTTONDOWN:
        // The command carries the border as its edge: HTLEFT (10) is WMSZ_LEFT (1), and so on.
        if (message.WParam == HTCAPTION)
            Perform(WM_SYSCOMMAND, SC_MOVE | static_cast<WPARAM>(HTCAPTION));
        else if (IsBorderHitCode(static_cast<LRESULT>(message.WParam)))
            Perform(WM_SYSCOMMAND, SC_SIZE | (message.WParam - kBorderToEdge));
        break;
    case WM_SYSCOMMAND:
        SysCommand(message.WParam);
        return;
    default:
        break;
    }
    TWinControl::WndProc(message);
}

void TCustomForm::SysCommand(WPARAM command) {
    switch (command & 0xFFF0) {
    case SC_MINIMIZE:
        SetWindowState(TWindowState::wsMinimized);
        break;
    case SC_MAXIMIZE:
        SetWindowState(TWindowState::wsMaximized);
        break;
    case SC_RESTORE:
        SetWindowState(TWindowState::wsNormal);
        break;
    case SC_CLOSE:
        Perform(WM_CLOSE);
        break;
    case SC_MOVE:
        MoveOrResize(HTCAPTION);
        break;
    case SC_SIZE: {
        const WPARAM edge = command & 0xF;
        if (edge >= WMSZ_LEFT && edge <= WMSZ_BOTTOMRIGHT && Resizable())
            MoveOrResize(static_cast<LRESULT>(edge + kBorderToEdge));
        break;
    }
    default:
        break;
    }
}

void TCustomForm::MoveOrResize(LRESULT hit) {
    QWidget* w = Handle();
    if (!w->isVisible() || WindowState() == TWindowState::wsMaximized)
        return;
    // The window system or the mover takes the pointer; no control keeps the press.
    ReleaseCapture();
    QWindow* window = w->windowHandle();
    const bool started = hit == HTCAPTION ? window->startSystemMove()
                                          : window->startSystemResize(WindowMover::Edges(hit));
    if (!started)
        WindowMover::Run(this, hit);
}

bool TCustomForm::BindEvent(const QByteArray& name, const TMethod& method) {
    static const TEventTable<TCustomForm> kEvents{
        EventBinding("OnCreate", &TCustomForm::OnCreate),
        EventBinding("OnDestroy", &TCustomForm::OnDestroy),
        EventBinding("OnShow", &TCustomForm::OnShow),
        EventBinding("OnClose", &TCustomForm::OnClose),
    };
    return kEvents.Bind(*this, name, method) || TWinControl::BindEvent(name, method);
}
