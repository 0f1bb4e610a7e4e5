#include "framework/core/TApplication.h"

#include "framework/core/EventTranslator.h"
#include "framework/core/Exception.h"
#include "framework/core/InputStamp.h"
#include "framework/core/MessageWindow.h"
#include "framework/core/TCustomForm.h"

#include <QApplication>
#include <QInputEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTranslator>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

TApplication* Application = nullptr;

namespace {

int gSignalPipe[2] = {-1, -1};

void OnSignal(int) {
    const char byte = 1;
    // Only async-signal-safe work here: the loop picks the byte up.
    [[maybe_unused]] const auto written = ::write(gSignalPipe[1], &byte, 1);
}

bool IsFilteredInput(const QEvent* event) {
    return InputStamp::IsPointerInput(event) || InputStamp::IsKeyInput(event);
}

QMessageBox::Icon IconOf(TMessageBoxKind kind) {
    switch (kind) {
    case TMessageBoxKind::Information:
        return QMessageBox::NoIcon;
    case TMessageBoxKind::Error:
        return QMessageBox::Critical;
    case TMessageBoxKind::Notice:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// The filter sees an input event once, however far it travels.
InputStamp gLastInput;

} // namespace

TApplication::TApplication() : TComponent(nullptr) {
    Application = this;
    if (qApp) {
        qApp->installEventFilter(this);
        QGuiApplication::setQuitOnLastWindowClosed(false);
    }
}

TApplication::~TApplication() {
    if (qApp)
        qApp->removeEventFilter(this);
    if (toolkitTranslation_) {
        QCoreApplication::removeTranslator(toolkitTranslation_);
        delete toolkitTranslation_;
    }
    if (Application == this)
        Application = nullptr;
}

void TApplication::Initialize() {
    terminated_ = false;
    LoadToolkitTranslation();
}

void TApplication::LoadToolkitTranslation() {
    if (!qApp || toolkitTranslation_)
        return;
    // Where the desktop's Qt keeps them; a language without a translation keeps the English.
    auto* translation = new QTranslator(qApp);
    if (translation->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translation);
        toolkitTranslation_ = translation;
    } else {
        delete translation;
    }
}

void TApplication::SetTitle(const QString& title) {
    // Only the program's own: the toolkit's application name is the program's id, and its
    // display name would be appended to every window's caption.
    title_ = title;
}

void TApplication::SetApplicationId(const QString& id) {
    if (!qApp)
        return;
    // The toolkit names the X11 window class after the application name.
    QCoreApplication::setApplicationName(id);
    QGuiApplication::setDesktopFileName(id);
}

QString TApplication::ExeName() const {
    return qApp ? QCoreApplication::applicationFilePath() : QString();
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == mainForm_)
        mainForm_ = nullptr;
}

void TApplication::Run() {
    if (mainForm_)
        mainForm_->Show();
    if (!terminated_)
        QApplication::exec();
}

void TApplication::Terminate() {
    terminated_ = true;
    QCoreApplication::quit();
}

void TApplication::SetMessageBoxPresenter(TMessageBoxPresenter presenter) {
    presenter_ = std::move(presenter);
}

void TApplication::ShowMessage(const QString& text) {
    Present(TMessageBoxKind::Information, title_, text);
}

void TApplication::HandleException(const std::exception& error) {
    if (const auto* own = dynamic_cast<const Exception*>(&error))
        ShowException(own->Message());
    else
        ShowException(QString::fromLocal8Bit(error.what()));
}

void TApplication::ShowException(const QString& text) {
    Present(TMessageBoxKind::Error, title_, text);
}

void TApplication::ShowError(const QString& text) {
    Present(TMessageBoxKind::Error, QStringLiteral("Error"), text);
}

void TApplication::ShowInformation(const QString& text) {
    Present(TMessageBoxKind::Notice, QStringLiteral("Information"), text);
}

void TApplication::Present(TMessageBoxKind kind, const QString& caption, const QString& text) {
    if (presenter_)
        presenter_(kind, caption, text);
    else
        CreateMessageBox(kind, caption, text, QApplication::activeWindow())->exec();
}

std::unique_ptr<QMessageBox> TApplication::CreateMessageBox(TMessageBoxKind kind,
                                                            const QString& caption,
                                                            const QString& text, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(IconOf(kind), caption, text, QMessageBox::Ok, parent);
    // The program's boxes say "OK" in every language; the toolkit's translation would not.
    box->button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    // Error texts quote what went wrong, markup included; none of it is to be rendered.
    box->setTextFormat(Qt::PlainText);
    box->setAccessibleName(caption);
    box->setAccessibleDescription(text);
    return box;
}

void TApplication::RunGuarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        HandleException(error);
    }
}

bool TApplication::eventFilter(QObject* watched, QEvent* event) {
    if (!OnMessage || !IsFilteredInput(event) || !watched->isWidgetType() ||
        gLastInput.Matches(event))
        return false;
    gLastInput.Remember(event);
    auto* widget = static_cast<QWidget*>(watched);
    TWinControl* control = MessageWindowBase::ControlOf(widget);
    if (!control)
        return false;
    for (const TMessage& m : EventTranslator::Translate(event, control->Handle(), widget)) {
        TMsg msg{control, m.Msg, m.WParam, m.LParam};
        bool handled = false;
        OnMessage(msg, handled);
        if (handled)
            return true;
    }
    return false;
}

void TApplication::InstallTerminationSignals() {
    if (signalNotifier_ || ::pipe(gSignalPipe) != 0)
        return;
    ::fcntl(gSignalPipe[0], F_SETFD, FD_CLOEXEC);
    ::fcntl(gSignalPipe[1], F_SETFD, FD_CLOEXEC);
    ::fcntl(gSignalPipe[1], F_SETFL, O_NONBLOCK);
    signalNotifier_ = new QSocketNotifier(gSignalPipe[0], QSocketNotifier::Read, this);
    connect(signalNotifier_, &QSocketNotifier::activated, this, [this] { OnTerminationSignal(); });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sig, &action, nullptr);
}

void TApplication::OnTerminationSignal() {
    char buffer[16];
    [[maybe_unused]] const auto got = ::read(gSignalPipe[0], buffer, sizeof buffer);
    if (mainForm_)
        mainForm_->Close();
    else
        Terminate();
}

void ShowMessage(const QString& text) {
    if (Application)
        Application->ShowMessage(text);
}

void ShowError(const QString& text) {
    if (Application)
        Application->ShowError(text);
}

void ShowInformation(const QString& text) {
    if (Application)
        Application->ShowInformation(text);
}

void RunGuarded(const std::function<void()>& handler) {
    if (Application)
        Application->RunGuarded(handler);
    else
        handler();
}
