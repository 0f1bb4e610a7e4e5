// Windowed controls: a control that owns a toolkit window (its handle), holds child controls,
// takes the keyboard focus and receives every toolkit event as a message through WindowProc.
#pragma once

#include "framework/core/InputStamp.h"
#include "framework/core/PendingEvents.h"
#include "framework/core/TControl.h"

#include <QPointer>
#include <functional>
#include <vector>

class QEvent;
class QHelpEvent;
class QMouseEvent;
class QPaintEvent;
class TRegion;
class QWidget;

class TWinControl : public TControl {
    Q_OBJECT
    Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D)
    Q_PROPERTY(bool ParentCtl3D READ ParentCtl3D WRITE SetParentCtl3D)
    Q_PROPERTY(Framework::TImeMode ImeMode READ ImeMode WRITE SetImeMode)
    Q_PROPERTY(QString ImeName READ ImeName WRITE SetImeName)
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    bool IsWindowed() const override { return true; }
    bool HoldsChildComponents() const override { return true; }

    // The window; created on first use, with every child control's window.
    QWidget* Handle();
    bool HandleAllocated() const { return !handle_.isNull(); }
    // The top-level window this control lives in, or null.
    QWidget* TopLevelHandle();
    // The outermost parent (the form), or this control when it has none.
    TWinControl* TopLevelControl();
    // Gives this window and every window inside it its control's AccessibleCaption.
    void UpdateAccessibleNames();
    // Hands the message to every child in turn until one answers it (a non-zero result).
    void Broadcast(TMessage& message);

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    // The visible, enabled graphic control under a point in client coordinates.
    TControl* ControlAtPos(TPoint p) const;

    void RealignControls();
    void InvalidateArea(const TRect& area);
    void Invalidate() override;
    TPoint ClientOrigin() const override;
    // Shapes the window as SetWindowRgn does: only the region's pixels (window coordinates)
    // show and take input; an empty region removes the shape. It becomes the window's mask,
    // which clips on X11; a top-level window also gets the pixels outside it cleared, which is
    // what shapes a translucent (frameless) window on Wayland.
    void SetWindowRegion(const TRegion& region);

    void SetParent(TWinControl* parent) override;

    // A sunken, three-dimensional border rather than a flat line, for controls that draw one.
    // It follows the parent's until set on the control itself.
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool v);
    bool ParentCtl3D() const { return parentCtl3D_; }
    void SetParentCtl3D(bool v);
    // Kept for form descriptions and read back, with no effect: the desktop's input method
    // decides its own state and there is no choice of input method per control.
    TImeMode ImeMode() const { return imeMode_; }
    void SetImeMode(TImeMode mode) { imeMode_ = mode; }
    QString ImeName() const { return imeName_; }
    void SetImeName(const QString& name) { imeName_ = name; }

    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop);
    // Windowed children in tab order, depth first, as the focus walks through them.
    void GetTabOrderList(std::vector<TWinControl*>& list);
    // Focuses the control after (or before) `current` among this control's windowed
    // descendants in tab order, wrapping round; with `checkTabStop` only tab stops count.
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
    bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();

    // Toolkit events come in here. `base` runs the toolkit's own handling once the message
    // reaches the default handler; `consumed` means a procedure kept the message. A mouse event
    // is first hit-tested (WM_NCHITTEST with its screen position): a non-client answer turns it
    // into the non-client message, which carries the hit code and the screen position.
    using DispatchOutcome = PendingEvents::Outcome;
    DispatchOutcome DispatchToolkitEvent(QEvent* event, QWidget* source,
                                         const std::function<bool(QEvent*)>& base);
    // The framework's guard around a window procedure: an error escaping it goes to the
    // application's default error report.
    void MainWndProc(TMessage& message);
    void DefaultHandler(TMessage& message) override;
    void WndProc(TMessage& message) override;

    // A toolkit paint event of the window: WM_ERASEBKGND, then WM_PAINT, both carrying the
    // canvas (as a TCanvas* in wParam). Without `toolkitPaint` the framework paints the face
    // through one painter; with it the toolkit paints at WM_PAINT's default.
    void DispatchPaint(QWidget* window, QPaintEvent* event,
                       const std::function<void()>& toolkitPaint);
    // The window's face as its erase and paint messages draw it, into any canvas (an
    // off-screen bitmap under a transparent child, say), hooks included.
    void PaintWindowInto(TCanvas& canvas);
    // Paints the window: its own face, then its graphic controls.
    void PaintHandler(TCanvas& canvas);
    void Repaint() override;
    void RepaintArea(const TRect& area);

    bool BindEvent(const QByteArray& name, const TMethod& method) override;

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

protected:
    // Creates the window, parented to `parentWidget` (null for a top-level window).
    virtual QWidget* CreateWindowWidget(QWidget* parentWidget);
    // Runs once the window exists; the window has received WM_CREATE before.
    virtual void WindowCreated() {}
    // Whether a click gives the control the focus when it is no tab stop, as an edit or a
    // button does; containers and tool bars leave the focus where it is.
    virtual bool TakesFocusOnClick() const { return true; }
    // The face of the control under its graphic children, over what the erase left.
    virtual void PaintWindow(TCanvas& canvas);
    // WM_ERASEBKGND's default for a window the framework paints: its colour, unless the control
    // is opaque.
    virtual void EraseBackground(TCanvas& canvas);
    // The area the aligned children share.
    virtual void AdjustClientRect(TRect& rect) const;
    virtual void AlignControls(TRect& rect);

    virtual void KeyDown(std::uint16_t& key, TShiftState shift);
    virtual void KeyUp(std::uint16_t& key, TShiftState shift);
    virtual void KeyPress(char16_t& key);
    virtual void DoEnter();
    virtual void DoExit();

    void TextChanged() override;
    void FontChanged() override;
    void ColorChanged() override;
    void BoundsChanged() override;
    void VisibleChanged() override;
    void EnabledChanged() override;
    void SetCursor(TCursor cursor) override;
    // The children that follow the parent hear of it.
    void ShowHintChanged() override;
    void BiDiModeChanged() override;
    virtual void Ctl3DChanged();
    // A window whose control has a popup menu shows no menu of the toolkit's own.
    void PopupMenuChanged() override;

    // A widget inside the window (a scroll area's viewport) whose input counts as the window's.
    void WatchChildWidget(QWidget* widget);
    // Moves the mouse routing to the graphic control under the point.
    bool RouteMouseToGraphicControl(TMessage& message);

    // The keys this control keeps from the form's dialog handling (DLGC_ flags), as it
    // answers WM_GETDLGCODE.
    virtual LRESULT DialogCode() const { return 0; }

private:
    void CreateHandle();
    void DestroyHandle();
    void ApplyWindowState();
    // Tab stops take the focus from the keyboard and clicks, others as TakesFocusOnClick says.
    void ApplyFocusPolicy();
    void PlaceWindow();
    void UpdateMouseControl(TControl* now);
    void ApplyCursor();
    bool WantsHitTest(const QMouseEvent& event) const;
    void HitTestMouseMessage(TMessage& message, const QMouseEvent& event);
    void ApplyChildTabOrder();
    bool HandleKeyMessage(TMessage& message);
    bool DialogKey(TMessage& message);
    bool DialogChar(TMessage& message);
    bool HandleControlTab(const TMessage& message);
    bool AlreadyDispatched(QEvent* event, QWidget* source);
    void SendPaintMessages(TCanvas& canvas, QEvent* event,
                           const std::function<void()>& toolkitPaint);
    bool DefaultPaint(TMessage& message);
    void ParentCtl3DChanged();
    void ApplyContextMenuPolicy();
    // Shows the short hint of the graphic child under the pointer, else the control's own, as
    // the toolkit's tooltip; false when neither has one to show (the parent window is asked).
    bool ShowHintAt(const QHelpEvent& event);
    void TrackMouseInside(QEvent* event, QWidget* source, std::vector<TMessage>& messages);

    QPointer<QWidget> handle_;
    std::vector<TControl*> controls_; // children, not owned by this list, in insertion order
    int tabOrder_ = -1;
    bool mouseInside_ = false; // the cursor is over the window, as last told
    bool tabStop_ = false;
    bool ctl3D_ = true;
    bool parentCtl3D_ = true;
    TImeMode imeMode_ = TImeMode::imDontCare;
    QString imeName_;
    bool aligning_ = false;
    TControl* mouseControl_ = nullptr;   // graphic child the mouse is over
    TControl* captureControl_ = nullptr; // graphic child that took the button press
    LRESULT lastHit_ = HTCLIENT;         // the pointer's last hit code over the window
    bool nonClientPress_ = false;        // the button held went down outside the client area

    InputStamp lastChildInput_; // the last input a watched inner widget passed through

    friend class TControl;
    struct PaintContext {
        TCanvas* canvas;
        std::function<void()> toolkitPaint;
    };
    PaintContext* paint_ = nullptr; // the paint being delivered, if any
    PendingEvents pending_;         // the toolkit events whose messages are being delivered
};
