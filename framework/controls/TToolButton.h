// A button of a tool bar: a caption, a picture from the bar's image list, a checked (Down) state
// and, when linked to a menu item, the item's sub-menu dropped down under it by a click. It has
// no face of its own: its bar draws it, so that the bar's custom-draw handlers paint every
// button on the bar's canvas in the bar's coordinates.
#pragma once

#include "framework/core/TControl.h"
#include "framework/menus/TMenuItem.h"

class TToolBar;

// How a button stands when it is drawn, as the bar's custom-draw handlers receive it.
enum class TCustomDrawStateFlag {
    cdsSelected = 0x01, // pressed with the pointer over it, or its drop-down menu is open
    cdsDisabled = 0x04,
    cdsChecked = 0x08, // Down
    cdsHot = 0x40,     // the pointer is over it
};
Q_DECLARE_FLAGS(TCustomDrawState, TCustomDrawStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TCustomDrawState)

class TToolButton : public TControl {
    Q_OBJECT
    Q_PROPERTY(TMenuItem* MenuItem READ MenuItem WRITE SetMenuItem)
    Q_PROPERTY(bool Grouped READ Grouped WRITE SetGrouped)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Down READ Down WRITE SetDown)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
public:
    explicit TToolButton(TComponent* AOwner);
    ~TToolButton() override;

    // Put on a tool bar, a button takes the place its Left points at among the bar's buttons:
    // in front of the first one that starts at or right of it, so a new button (Left 0) goes in
    // front. Read from a form description, buttons keep their stored order.
    void SetParent(TWinControl* parent) override;
    // On a bar the bar places its buttons: a new height becomes the bar's ButtonHeight, a new
    // width its ButtonWidth unless the button sizes itself.
    void SetBounds(int left, int top, int width, int height) override;

    // The bar the button is on, or null.
    TToolBar* ToolBar() const;
    // The button's place on its bar, -1 when it is on none.
    int Index() const;

    // Links the button to a menu item (null unlinks); not owned, dropped when the item goes.
    // The button takes the item's caption, enabled state and visibility now; later changes of
    // the item reach it from whoever keeps the bar in step with the menu.
    TMenuItem* MenuItem() const { return menuItem_; }
    void SetMenuItem(TMenuItem* item);
    // A run of neighbouring grouped buttons is a group: at most one of them is Down, and while
    // the drop-down menu of one is open, the pointer moving onto another opens that one's.
    bool Grouped() const { return grouped_; }
    void SetGrouped(bool grouped);
    // As wide as its caption (and picture) while its bar shows captions, else ButtonWidth.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Down() const { return down_; }
    void SetDown(bool down);
    // Index into the bar's Images; -1 for none.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);

    TCustomDrawState State() const;
    // The drop-down menu of the linked item is open.
    bool Dropped() const { return dropped_; }

    // OnClick (or the action), then, for a linked item, its sub-menu dropped down under the
    // button, or the item carried out when it has no sub-menu.
    void Click() override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void TextChanged() override;
    void FontChanged() override;
    void EnabledChanged() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    friend class TToolBar;
    // Bounds given by the bar's layout.
    void Place(const TRect& bounds);
    void SetDropped(bool dropped);
    void SetPushed(bool pushed);
    // The bar lays its buttons out anew (a caption or picture changed the width).
    void Relayout();

    TMenuItem* menuItem_ = nullptr; // not owned
    bool grouped_ = false;
    bool autoSize_ = false;
    bool down_ = false;
    int imageIndex_ = -1;
    bool hot_ = false;
    bool pressed_ = false; // the left button went down on it and is still held
    bool pushed_ = false;  // pressed and the pointer is over it
    bool dropped_ = false;
};
