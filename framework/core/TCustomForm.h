// Forms: top-level windows created from their form description, with a caption, border style,
// size limits, and the creation and close handlers.
#pragma once

#include "framework/core/TWinControl.h"

#include <optional>

class QEventLoop;

class TCustomForm : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(int ClientWidth READ ClientWidth WRITE SetClientWidth)
    Q_PROPERTY(int ClientHeight READ ClientHeight WRITE SetClientHeight)
    Q_PROPERTY(Framework::TFormBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(Framework::TBorderIcons BorderIcons READ BorderIcons WRITE SetBorderIcons)
    Q_PROPERTY(Framework::TFormStyle FormStyle READ FormStyle WRITE SetFormStyle)
    Q_PROPERTY(Framework::TWindowState WindowState READ WindowState WRITE SetWindowState)
    Q_PROPERTY(bool Scaled READ Scaled WRITE SetScaled)
    Q_PROPERTY(bool AutoScroll READ AutoScroll WRITE SetAutoScroll)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(int PixelsPerInch READ PixelsPerInch WRITE SetPixelsPerInch)
    Q_PROPERTY(int TextHeight READ TextHeight WRITE SetTextHeight)
    Q_PROPERTY(bool OldCreateOrder READ OldCreateOrder WRITE SetOldCreateOrder)
    Q_PROPERTY(bool KeyPreview READ KeyPreview WRITE SetKeyPreview)
    Q_PROPERTY(QString Icon READ Icon WRITE SetIcon)
    Q_PROPERTY(TComponent* Menu READ Menu WRITE SetMenu)
public:
    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;

    int ClientWidth() const override { return Width() - NonClientWidth(); }
    int ClientHeight() const override { return Height() - NonClientHeight(); }
    void SetClientWidth(int w) { SetWidth(w + NonClientWidth()); }
    void SetClientHeight(int h) { SetHeight(h + NonClientHeight()); }
    // Frame and caption around the client area for the border style in force.
    int NonClientWidth() const;
    int NonClientHeight() const;

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons);
    // The window style bits (GWL_STYLE): WS_CAPTION, WS_SYSMENU, WS_MINIMIZEBOX, WS_MAXIMIZEBOX,
    // WS_THICKFRAME. Border style and icons set them; without both caption bits the window
    // system draws no frame at all (the client area is the whole window).
    TWindowStyle WindowStyle() const { return style_; }
    void SetWindowStyle(TWindowStyle style);
    // The form's main menu: a TMainMenu, not owned, dropped when it is destroyed; none shows no
    // menu bar. Typed as a component until the menu classes join the core.
    TComponent* Menu() const { return menu_; }
    void SetMenu(TComponent* menu);
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle style) { formStyle_ = style; }
    TWindowState WindowState() const;
    // Where no window manager places windows, the form maximises itself to the work area and
    // takes back the bounds it had when it is restored.
    void SetWindowState(TWindowState state);
    // The bounds it takes back when restored from a maximised state it gave itself; otherwise
    // the bounds it has (a hidden form maximised by a window manager keeps them until shown).
    TRect NormalBounds() const;
    bool Scaled() const { return scaled_; }
    void SetScaled(bool v) { scaled_ = v; }
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool v) { autoScroll_ = v; }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v);
    int PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int v) { pixelsPerInch_ = v; }
    int TextHeight() const { return textHeight_; }
    void SetTextHeight(int v) { textHeight_ = v; }
    bool OldCreateOrder() const { return oldCreateOrder_; }
    void SetOldCreateOrder(bool v) { oldCreateOrder_ = v; }
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool v) { keyPreview_ = v; }
    QString Icon() const { return icon_; }
    void SetIcon(const QString& resourceName);

    // Asks the form to close, as the close button, the system close command and the program do.
    // A modal form ends its modal state with mrCancel instead.
    void Close();
    // Shows the form and waits until a modal result is set (by a button's click, say) and the
    // form's close handler lets it go; answers that result. The form must be hidden.
    TModalResult ShowModal();
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result);
    bool Active() const;
    // Also: WM_NCLBUTTONDOWN with HTCAPTION or a border code becomes WM_SYSCOMMAND SC_MOVE or
    // SC_SIZE, which start the window system's interactive move or resize; where the window
    // system runs it the call returns at once, else the form follows the pointer itself until
    // the button is released. SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE and SC_CLOSE set the window
    // state or close the form.
    void WndProc(TMessage& message) override;

    bool BindEvent(const QByteArray& name, const TMethod& method) override;

    // What reads a form's description: the form layer installs itself here, so that forms do
    // not depend on it.
    using TDescriptionReader = void (*)(TCustomForm* form);
    static void SetDescriptionReader(TDescriptionReader reader);

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TCloseEvent OnClose;

protected:
    // Reads the form description named after the form's class and runs OnCreate: derived forms
    // call it at the end of their constructor, once their slots exist.
    void InitializeFromDescription();
    QWidget* CreateWindowWidget(QWidget* parentWidget) override;
    void AdjustClientRect(TRect& rect) const override;
    void VisibleChanged() override;
    void BoundsChanged() override;
    // The window's own size limits follow the form's.
    void ConstraintsChanged() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // A click on the form's own face leaves the focus with its control.
    bool TakesFocusOnClick() const override { return false; }
    virtual void DoCreate();
    virtual void DoClose(TCloseAction& action);

private:
    bool HasFrame() const;
    bool Resizable() const;
    void ApplyWindowFlags();
    void ApplySizeLimits();
    void SyncBoundsFromWindow();
    void SysCommand(WPARAM command);
    void MoveOrResize(LRESULT hit);

    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TBorderIcons borderIcons_ =
        TBorderIcons(Framework::biSystemMenu) | Framework::biMinimize | Framework::biMaximize;
    TWindowStyle style_ = WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    TFormStyle formStyle_ = TFormStyle::fsNormal;
    bool scaled_ = true;
    bool autoScroll_ = false;
    int borderWidth_ = 0;
    int pixelsPerInch_ = 96;
    int textHeight_ = 13;
    bool oldCreateOrder_ = false;
    bool keyPreview_ = false;
    QString icon_;
    TComponent* menu_ = nullptr;
    std::optional<TRect> normalBounds_; // kept while the form maximised itself
    bool closed_ = false;               // the main form runs its close once
    TModalResult modalResult_ = mrNone;
    QEventLoop* modalLoop_ = nullptr; // while shown modally
    bool syncing_ = false;
};
