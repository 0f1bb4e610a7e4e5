#include "framework/core/TCustomForm.h"

#include "framework/core/Exception.h"
#include "framework/core/MessageWindow.h"
#include "framework/core/TApplication.h"

#include <QEventLoop>
#include <QFile>
#include <QIcon>
#include <QWidget>

namespace {
// The classic window frame: 3 pixels of fixed border (4 when sizeable) and a 19-pixel caption.
constexpr int kFixedBorder = 3;
constexpr int kSizeableBorder = 4;
constexpr int kCaptionHeight = 19;
constexpr int kToolCaptionHeight = 15;

int BorderThickness(TFormBorderStyle style) {
    switch (style) {
    case TFormBorderStyle::bsNone:
        return 0;
    case TFormBorderStyle::bsSizeable:
    case TFormBorderStyle::bsSizeToolWin:
        return kSizeableBorder;
    default:
        return kFixedBorder;
    }
}

int CaptionHeight(TFormBorderStyle style) {
    switch (style) {
    case TFormBorderStyle::bsNone:
        return 0;
    case TFormBorderStyle::bsToolWindow:
    case TFormBorderStyle::bsSizeToolWin:
        return kToolCaptionHeight;
    default:
        return kCaptionHeight;
    }
}

bool IsSizeable(TFormBorderStyle style) {
    return style == TFormBorderStyle::bsSizeable || style == TFormBorderStyle::bsSizeToolWin;
}
} // namespace

TCustomForm::TCustomForm(TComponent* AOwner)
    : TWinControl(AOwner), constraints_(std::make_unique<TSizeConstraints>()) {
    SetControlStyle(ControlStyle() | TControlStyleFlag::csAcceptsControls);
    constraints_->OnChange = [this] {
        ApplySizeLimits();
        SetBounds(Left(), Top(), Width(), Height());
    };
    SetVisible(false);
    Handle();
}

TCustomForm::~TCustomForm() {
    if (OnDestroy)
        OnDestroy(this);
}

int TCustomForm::NonClientWidth() const {
    return 2 * BorderThickness(borderStyle_);
}

int TCustomForm::NonClientHeight() const {
    return 2 * BorderThickness(borderStyle_) + CaptionHeight(borderStyle_);
}

void TCustomForm::SetBounds(int left, int top, int width, int height) {
    width = constraints_->ConstrainWidth(width);
    height = constraints_->ConstrainHeight(height);
    TWinControl::SetBounds(left, top, width, height);
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
    ApplyWindowFlags();
    SetBounds(Left(), Top(), cw + NonClientWidth(), ch + NonClientHeight());
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
    borderIcons_ = icons;
    ApplyWindowFlags();
}

TWindowState TCustomForm::WindowState() const {
    auto* self = const_cast<TCustomForm*>(this);
    QWidget* w = self->Handle();
    if (w->isMinimized())
        return TWindowState::wsMinimized;
    if (w->isMaximized())
        return TWindowState::wsMaximized;
    return TWindowState::wsNormal;
}

void TCustomForm::SetWindowState(TWindowState state) {
    QWidget* w = Handle();
    switch (state) {
    case TWindowState::wsMinimized:
        w->setWindowState(Qt::WindowMinimized);
        break;
    case TWindowState::wsMaximized:
        w->setWindowState(Qt::WindowMaximized);
        break;
    default:
        w->setWindowState(Qt::WindowNoState);
        break;
    }
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
    if (borderStyle_ == TFormBorderStyle::bsNone) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::WindowTitleHint | Qt::CustomizeWindowHint;
        if (borderIcons_.testFlag(Framework::biSystemMenu))
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (borderIcons_.testFlag(Framework::biMinimize))
            flags |= Qt::WindowMinimizeButtonHint;
        if (borderIcons_.testFlag(Framework::biMaximize) && IsSizeable(borderStyle_))
            flags |= Qt::WindowMaximizeButtonHint;
    }
    const bool shown = w->isVisible();
    w->setWindowFlags(flags);
    if (shown)
        w->show();
    ApplySizeLimits();
}

void TCustomForm::ApplySizeLimits() {
    QWidget* w = Handle();
    if (!IsSizeable(borderStyle_) && borderStyle_ != TFormBorderStyle::bsNone) {
        w->setFixedSize(std::max(0, ClientWidth()), std::max(0, ClientHeight()));
        return;
    }
    const int ncw = NonClientWidth();
    const int nch = NonClientHeight();
    w->setMinimumSize(std::max(0, constraints_->MinWidth() - ncw),
                      std::max(0, constraints_->MinHeight() - nch));
    w->setMaximumSize(
        constraints_->MaxWidth() > 0 ? constraints_->MaxWidth() - ncw : QWIDGETSIZE_MAX,
        constraints_->MaxHeight() > 0 ? constraints_->MaxHeight() - nch : QWIDGETSIZE_MAX);
}

void TCustomForm::VisibleChanged() {
    QWidget* w = Handle();
    if (Visible()) {
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
    default:
        break;
    }
    TWinControl::WndProc(message);
}

bool TCustomForm::BindEvent(const QByteArray& name, const TMethod& method) {
    if (name == "OnCreate")
        OnCreate = MethodToEvent<TObject*>(method);
    else if (name == "OnDestroy")
        OnDestroy = MethodToEvent<TObject*>(method);
    else if (name == "OnShow")
        OnShow = MethodToEvent<TObject*>(method);
    else if (name == "OnClose")
        OnClose = MethodToEvent<TObject*, TCloseAction&>(method);
    else
        return TWinControl::BindEvent(name, method);
    return true;
}
