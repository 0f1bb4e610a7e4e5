// The application object: title, main form, message loop, message boxes, the default error
// report and the one application-wide message filter.
#pragma once

#include "framework/core/Messages.h"
#include "framework/core/TComponent.h"

#include <QPointer>
#include <exception>
#include <functional>
#include <memory>

class TCustomForm;
class TWinControl;
class QMessageBox;
class QSocketNotifier;
class QTranslator;
class QWidget;

// A message as the application filter sees it: the window it is for, and its code.
struct TMsg {
    TWinControl* hwnd = nullptr;
    UINT message = WM_NULL;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

using TMessageEvent = std::function<void(TMsg& Msg, bool& Handled)>;

// What a message box says; its icon follows from it.
enum class TMessageBoxKind {
    Information, // a plain message (ShowMessage): no icon
    Error,       // the error icon
    Notice,      // the information icon
};

class TApplication : public TComponent {
    Q_OBJECT
public:
    TApplication();
    ~TApplication() override;

    // Gets the application ready; the toolkit's own texts (an edit's context menu, a file
    // dialog) come in the user's language from here on, as in every program on the desktop.
    void Initialize();
    QString Title() const { return title_; }
    void SetTitle(const QString& title);
    // The name the desktop knows the program by, that of its desktop entry and its icon: the
    // windows' class on X11 and their application id on Wayland, so that a task bar groups
    // them under the entry.
    void SetApplicationId(const QString& id);
    // The program's own file as an absolute path, so that files installed beside it are found
    // wherever it was started from; empty before the toolkit's application exists.
    QString ExeName() const;

    // Creates a form owned by the application; the first one becomes the main form.
    template <class Form> void CreateForm(Form*& reference) {
        reference = new Form(this);
        if (!mainForm_)
            mainForm_ = reference;
    }
    TCustomForm* MainForm() const { return mainForm_; }
    // Shows the main form and runs the message loop until it closes.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // A modal box: the title as caption, the text, one "OK" button.
    void ShowMessage(const QString& text);
    // The default error report for an error that escaped an event handler: an error box under
    // the application title with the error's own text.
    void HandleException(const std::exception& error);
    void ShowException(const QString& text);
    // An error box captioned "Error" with one "OK" button (the skin layer's "Sorry, ..." texts).
    void ShowError(const QString& text);
    // An information box captioned "Information" with one "OK" button.
    void ShowInformation(const QString& text);
    // Runs a handler the toolkit calls directly (a signal), with the default error report
    // around it as the window procedures have.
    void RunGuarded(const std::function<void()>& handler);

    // Every message box passes through here; tests replace it to watch them without a screen.
    using TMessageBoxPresenter =
        std::function<void(TMessageBoxKind kind, const QString& caption, const QString& text)>;
    void SetMessageBoxPresenter(TMessageBoxPresenter presenter);
    // The toolkit's box that shows a message when no presenter is set: the icon of its kind,
    // the caption, the text as plain text and one "OK" button. Accessibility tools read the
    // caption as its name and the text as its description.
    static std::unique_ptr<QMessageBox> CreateMessageBox(TMessageBoxKind kind,
                                                         const QString& caption,
                                                         const QString& text, QWidget* parent);

    // The one filter that sees every input message before its window does.
    TMessageEvent OnMessage;

    // SIGTERM, SIGINT and SIGHUP close the main form as the user would.
    void InstallTerminationSignals();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void Present(TMessageBoxKind kind, const QString& caption, const QString& text);
    void OnTerminationSignal();
    void LoadToolkitTranslation();

    QString title_;
    TCustomForm* mainForm_ = nullptr;
    bool terminated_ = false;
    TMessageBoxPresenter presenter_;
    QSocketNotifier* signalNotifier_ = nullptr;
    QTranslator* toolkitTranslation_ = nullptr; // owned by the toolkit's application
};

// The one application object of the process, created by the program's entry.
extern TApplication* Application;

// A modal box with the application title as its caption, the text and no icon.
void ShowMessage(const QString& text);
// The application's error box captioned "Error" and its information box.
void ShowError(const QString& text);
void ShowInformation(const QString& text);

// Runs a handler the toolkit calls directly through the application's default error report;
// without an application object errors go on to the caller.
void RunGuarded(const std::function<void()>& handler);
