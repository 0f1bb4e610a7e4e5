#include "framework/controls/TToolButton.h"

#include "framework/controls/TToolBar.h"
#include "framework/forms/ClassRegistry.h"

REGISTER_COMPONENT_CLASS(TToolButton)

TToolButton::TToolButton(TComponent* AOwner) : TControl(AOwner) {
    // A second quick click is another click, as on any tool bar.
    SetControlStyle(ControlStyle() & ~TControlStyle(TControlStyleFlag::csDoubleClicks));
    SetBounds(0, 0, 23, 22);
}

TToolButton::~TToolButton() {
    SetParent(nullptr);
}

void TToolButton::SetParent(TWinControl* parent) {
    if (parent == Parent())
        return;
    if (TToolBar* bar = ToolBar())
        bar->RemoveButton(this);
    TControl::SetParent(parent);
    if (TToolBar* bar = ToolBar())
        bar->InsertButton(this);
}

void TToolButton::SetBounds(int left, int top, int width, int height) {
    TToolBar* bar = ToolBar();
    if (!bar || IsLoading()) {
        TControl::SetBounds(left, top, width, height);
        return;
    }
    if (!autoSize_ && width != Width())
        bar->SetButtonWidth(width);
    if (height != Height())
        bar->SetButtonHeight(height);
}

void TToolButton::Place(const TRect& bounds) {
    TControl::SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
}

TToolBar* TToolButton::ToolBar() const {
    return qobject_cast<TToolBar*>(Parent());
}

int TToolButton::Index() const {
    const TToolBar* bar = ToolBar();
    for (int i = 0; bar && i < bar->ButtonCount(); ++i)
        if (bar->Buttons(i) == this)
            return i;
    return -1;
}

void TToolButton::SetMenuItem(TMenuItem* item) {
    if (!SetReference(menuItem_, item) || !menuItem_)
        return;
    SetCaption(menuItem_->Caption());
    SetEnabled(menuItem_->Enabled());
    SetVisible(menuItem_->Visible());
}

void TToolButton::SetGrouped(bool grouped) {
    grouped_ = grouped;
}

void TToolButton::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    Relayout();
}

void TToolButton::SetDown(bool down) {
    if (down_ == down)
        return;
    down_ = down;
    if (TToolBar* bar = ToolBar(); bar && down && grouped_)
        for (TToolButton* other : bar->GroupOf(this))
            if (other != this)
                other->SetDown(false);
    Invalidate();
}

void TToolButton::SetImageIndex(int index) {
    imageIndex_ = index;
    Relayout();
    Invalidate();
}

TCustomDrawState TToolButton::State() const {
    TCustomDrawState state;
    state.setFlag(TCustomDrawStateFlag::cdsDisabled, !Enabled());
    state.setFlag(TCustomDrawStateFlag::cdsHot, hot_);
    state.setFlag(TCustomDrawStateFlag::cdsSelected, pushed_ || dropped_);
    state.setFlag(TCustomDrawStateFlag::cdsChecked, down_);
    return state;
}

void TToolButton::Click() {
    TControl::Click();
    TToolBar* bar = ToolBar();
    if (!menuItem_ || !bar)
        return;
    if (menuItem_->HasSubMenu())
        bar->TrackMenu(this);
    else
        menuItem_->Click();
}

void TToolButton::SetDropped(bool dropped) {
    dropped_ = dropped;
    Invalidate();
}

void TToolButton::SetPushed(bool pushed) {
    if (pushed_ == pushed)
        return;
    pushed_ = pushed;
    Invalidate();
}

void TToolButton::Relayout() {
    if (TToolBar* bar = ToolBar())
        bar->RealignControls();
}

void TToolButton::Notification(TComponent* AComponent, TOperation Operation) {
    TControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == menuItem_)
        menuItem_ = nullptr;
}

void TToolButton::TextChanged() {
    Relayout();
    Invalidate();
}

void TToolButton::FontChanged() {
    Relayout();
    Invalidate();
}

void TToolButton::EnabledChanged() {
    if (!Enabled()) {
        hot_ = false;
        pressed_ = false;
        pushed_ = false;
    }
    Invalidate();
}

void TToolButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        pressed_ = true;
        SetPushed(true);
    }
    TControl::MouseDown(button, shift, x, y);
}

void TToolButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        pressed_ = false;
        SetPushed(false);
    }
    TControl::MouseUp(button, shift, x, y);
}

// While the button is held it looks pushed only with the pointer over it.
void TToolButton::MouseMove(TShiftState shift, int x, int y) {
    if (pressed_)
        SetPushed(x >= 0 && y >= 0 && x < Width() && y < Height());
    TControl::MouseMove(shift, x, y);
}

void TToolButton::MouseEnter() {
    hot_ = Enabled();
    Invalidate();
    TControl::MouseEnter();
}

void TToolButton::MouseLeave() {
    hot_ = false;
    Invalidate();
    TControl::MouseLeave();
}
