// Controls: a component with a parent, bounds, alignment and anchors, size limits, visibility,
// caption, font, colour, cursor, hint, text direction and popup menu, and a replaceable window
// procedure through which every message reaches it.
#pragma once

#include "framework/core/Messages.h"
#include "framework/core/TAction.h"
#include "framework/core/TAnchorRules.h"
#include "framework/core/TComponent.h"
#include "framework/core/TMethod.h"
#include "framework/core/TSizeConstraints.h"
#include "framework/core/Types.h"
#include "framework/graphics/TFont.h"

#include <functional>
#include <memory>

class TCanvas;
class TPopupMenu;
class TWinControl;
Q_MOC_INCLUDE("framework/menus/TPopupMenu.h")

// Traits a control class declares for itself; a class drops the defaults it does not want in
// its constructor.
enum class TControlStyleFlag {
    csAcceptsControls = 0x01, // other controls may be placed on it
    csClickEvents = 0x02,     // a press and release over it is a click
    csDoubleClicks = 0x04,    // a quick second press is a double click, not a second press
    csOpaque = 0x08,          // it paints its whole area itself: nothing erases it first
};
Q_DECLARE_FLAGS(TControlStyle, TControlStyleFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TControlStyle)

// Whether `key` is the character that "&" marks in `caption` ("&&" is a plain "&"), compared
// without regard to case.
bool IsAccel(char16_t key, const QString& caption);

// The part of a hint before the first "|": what a tooltip shows.
QString GetShortHint(const QString& hint);

// A window procedure: the control's own one or a hook installed over it.
using TWndMethod = std::function<void(TMessage&)>;

class TControl : public TComponent {
    Q_OBJECT
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(Framework::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(Framework::TAnchors Anchors READ Anchors WRITE SetAnchors)
    Q_PROPERTY(TSizeConstraints* Constraints READ Constraints)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(TFont* Font READ Font)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(int Cursor READ Cursor WRITE SetCursor)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint)
    Q_PROPERTY(TAction* Action READ Action WRITE SetAction)
    Q_PROPERTY(TPopupMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu)
    Q_PROPERTY(Framework::TBiDiMode BiDiMode READ BiDiMode WRITE SetBiDiMode)
    Q_PROPERTY(bool ParentBiDiMode READ ParentBiDiMode WRITE SetParentBiDiMode)
    Q_PROPERTY(int DragCursor READ DragCursor WRITE SetDragCursor)
    Q_PROPERTY(Framework::TDragKind DragKind READ DragKind WRITE SetDragKind)
    Q_PROPERTY(Framework::TDragMode DragMode READ DragMode WRITE SetDragMode)
    Q_PROPERTY(int HelpContext READ HelpContext WRITE SetHelpContext)
    Q_PROPERTY(QString HelpKeyword READ HelpKeyword WRITE SetHelpKeyword)
    Q_PROPERTY(Framework::THelpType HelpType READ HelpType WRITE SetHelpType)
    Q_PROPERTY(QString AccessibleName READ AccessibleName WRITE SetAccessibleName)
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    // A control stored inside another goes onto it, if that one holds controls.
    void SetParentComponent(TComponent* parent) override;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    virtual int ClientWidth() const { return width_; }
    virtual int ClientHeight() const { return height_; }
    TRect ClientRect() const { return Rect(0, 0, ClientWidth(), ClientHeight()); }
    // Screen position of the client area's top-left corner, at any depth of controls.
    virtual TPoint ClientOrigin() const;
    // Client coordinates of this control to screen coordinates and back.
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    // A control that is not aligned keeps its distance to the anchored edges of its parent's
    // client area when the parent is resized (see TAnchorRules); the place it keeps is the one
    // it was last given.
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors anchors);
    // Limits that every change of the control's size is brought within. Owned.
    TSizeConstraints* Constraints() const { return constraints_.get(); }
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);
    QString Caption() const { return GetText(); }
    void SetCaption(const QString& caption) { SetText(caption); }
    QString Text() const { return GetText(); }
    void SetText(const QString& text);
    TFont* Font() const { return font_.get(); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v);
    TCursor Cursor() const { return cursor_; }
    virtual void SetCursor(TCursor cursor);
    // The short hint shows as a tooltip over the control while ShowHint is set (see
    // TWinControl); a control without one leaves the tooltip to its parent.
    QString Hint() const { return hint_; }
    void SetHint(const QString& hint) { hint_ = hint; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v);
    // ShowHint follows the parent's until it is set on the control itself.
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool v);
    // The menu a right click on the control opens at the pointer, through WM_CONTEXTMENU; a
    // control without one hands the request to its parent. Not owned; dropped when destroyed.
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu);
    // The reading order of the control's text; only controls that show text the toolkit lays out
    // follow it (the edit). It follows the parent's until set on the control itself.
    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode mode);
    bool ParentBiDiMode() const { return parentBiDiMode_; }
    void SetParentBiDiMode(bool v);
    // Kept for form descriptions and read back, with no effect: the framework has no dragging
    // or docking between controls and no help viewer.
    TCursor DragCursor() const { return dragCursor_; }
    void SetDragCursor(TCursor cursor) { dragCursor_ = cursor; }
    TDragKind DragKind() const { return dragKind_; }
    void SetDragKind(TDragKind kind) { dragKind_ = kind; }
    TDragMode DragMode() const { return dragMode_; }
    void SetDragMode(TDragMode mode) { dragMode_ = mode; }
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int context) { helpContext_ = context; }
    QString HelpKeyword() const { return helpKeyword_; }
    void SetHelpKeyword(const QString& keyword) { helpKeyword_ = keyword; }
    THelpType HelpType() const { return helpType_; }
    void SetHelpType(THelpType type) { helpType_ = type; }
    // The name accessibility tools read for the control, set by the program where nothing on
    // the screen names it; empty leaves the name to what the control shows.
    QString AccessibleName() const { return accessibleName_; }
    void SetAccessibleName(const QString& name);
    // The name of the control's window for accessibility tools: AccessibleName when set, else
    // the caption of the control that captions it (see CaptionedControl) without its "&" marks
    // and closing colon; empty when neither names it.
    QString AccessibleCaption() const;
    // The windowed control this one's caption names (a label's), or null.
    virtual TWinControl* CaptionedControl() const { return nullptr; }
    // Whether a click does something: the control has an OnClick or a linked action.
    bool ReactsToClick() const { return static_cast<bool>(OnClick) || action_; }
    // Links the control to an action (null unlinks): it takes the action's caption, enabled
    // state, hint and visibility now and at every change, and a click executes the action.
    TAction* Action() const { return action_; }
    void SetAction(TAction* action);

    // The window procedure in force; replace it to hook the control's messages and keep the
    // previous value to hand messages on.
    TWndMethod WindowProc;
    // Sends a message straight to the window procedure, as SendMessage does.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // Queues a message for the window procedure, as PostMessage does: it arrives once the
    // event loop runs again, after the messages posted before it, and never once the control
    // is gone.
    void PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // The control's own procedure: what WindowProc holds until somebody replaces it.
    virtual void WndProc(TMessage& message);
    // The end of every chain: what the toolkit would have done with the message.
    virtual void DefaultHandler(TMessage& message);

    virtual void Invalidate();
    // Paints at once, where Invalidate only asks for a paint.
    virtual void Repaint();
    // Clicks as the user's click: used by shortcuts that press a button for the user. An
    // OnClick of the control's own wins; without one a linked action is executed.
    virtual void Click();
    // Graphic controls draw on their parent's canvas; windowed ones on their own window.
    virtual void PaintTo(TCanvas& canvas);

    TControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle style) { controlStyle_ = style; }
    // A double-click message as this control hears it: a plain press when it does not
    // recognise double clicks.
    UINT DeliveredMouseMessage(UINT msg) const;

    bool BindEvent(const QByteArray& name, const TMethod& method) override;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;
    // Bound from form descriptions and never raised (see DragMode).
    TDragDropEvent OnDragDrop;
    TDragOverEvent OnDragOver;
    TEndDragEvent OnEndDock;
    TEndDragEvent OnEndDrag;
    TStartDragEvent OnStartDock;
    TStartDragEvent OnStartDrag;

    // Whether the control is drawn inside its parent's window rather than owning one.
    virtual bool IsWindowed() const { return false; }

protected:
    // The linked action was linked (checkDefaults is then true while it is still being read
    // from a form description, so that values stored for the control itself stay) or one of
    // its properties changed (checkDefaults false: everything is taken over).
    virtual void ActionChange(TAction* sender, bool checkDefaults);
    void Notification(TComponent* AComponent, TOperation Operation) override;

    virtual QString GetText() const { return text_; }
    virtual void TextChanged() { Invalidate(); }
    virtual void FontChanged();
    virtual void ColorChanged() { Invalidate(); }
    virtual void BoundsChanged() {}
    virtual void VisibleChanged() {}
    virtual void EnabledChanged() { Invalidate(); }
    virtual void ShowHintChanged() {}
    virtual void BiDiModeChanged() {}
    virtual void PopupMenuChanged() {}
    // The control's size limits changed; its bounds are brought within them.
    virtual void ConstraintsChanged();
    // Taken over from the parent when ParentFont / ParentColor / ParentShowHint /
    // ParentBiDiMode are set.
    void ParentFontChanged();
    void ParentColorChanged();
    void ParentShowHintChanged();
    void ParentBiDiModeChanged();
    // Something a window's accessible name depends on changed (a caption, a place, a tie): the
    // form's windows take their names anew.
    void AccessibleCaptionsChanged();
    // The parent's client area is now `parentSize`: an anchored control follows it.
    void FollowAnchors(TPoint parentSize);
    // Stores `value`; when that changes `field`, the control is told by `notice`.
    template <class T> void Change(T& field, T value, UINT notice) {
        if (field == value)
            return;
        field = value;
        Perform(notice);
    }

    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void DblClick();
    virtual void Resize();

    void RequestAlign();
    bool MouseCaptured() const { return mouseCaptured_; }

    friend class TWinControl;
    friend class TAction; // reports its changes through ActionChange
    friend void SetCaptureControl(TControl* control);
    friend void ReleaseCapture();

private:
    void HandleMouseMessage(TMessage& message);
    // Opens PopupMenu at the message's screen point, or asks the parent.
    void ContextMenu(TMessage& message);
    void UpdateAnchorRules();
    // Moves the mouse capture to `control` (null: nobody); `grab` makes its window grab the
    // pointer.
    static void ChangeCapture(TControl* control, bool grab);

    TWinControl* parent_ = nullptr;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    TAlign align_ = TAlign::alNone;
    TAnchors anchors_ = TAnchors(Framework::akLeft) | Framework::akTop;
    TAnchorRules anchorRules_;
    bool anchorMove_ = false; // the anchors are moving the control: its place to keep stays
    std::unique_ptr<TSizeConstraints> constraints_;
    bool visible_ = true;
    bool enabled_ = true;
    QString text_;
    std::unique_ptr<TFont> font_;
    bool parentFont_ = true;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    TCursor cursor_ = crDefault;
    QString hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TAction* action_ = nullptr;       // not owned; dropped by the free notification
    TPopupMenu* popupMenu_ = nullptr; // not owned; dropped by the free notification
    TBiDiMode biDiMode_ = TBiDiMode::bdLeftToRight;
    bool parentBiDiMode_ = true;
    TCursor dragCursor_ = crDrag;
    TDragKind dragKind_ = TDragKind::dkDrag;
    TDragMode dragMode_ = TDragMode::dmManual;
    int helpContext_ = 0;
    QString helpKeyword_;
    THelpType helpType_ = THelpType::htContext;
    QString accessibleName_;
    bool mouseCaptured_ = false; // left button went down on this control and is still held
    TControlStyle controlStyle_ =
        TControlStyle(TControlStyleFlag::csClickEvents) | TControlStyleFlag::csDoubleClicks;
    bool updatingFromParent_ = false;
};

// The mouse capture: the control that gets every mouse message wherever the pointer is. A left
// press on a control captures the mouse until its release; SetCaptureControl captures it on
// purpose (the window then grabs the pointer) and ReleaseCapture gives it up. The control losing
// the capture is sent WM_CAPTURECHANGED.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* control);
void ReleaseCapture();
// The pointer's position on the screen now.
TPoint GetCursorPos();
