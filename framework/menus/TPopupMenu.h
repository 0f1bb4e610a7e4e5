// A menu that opens at a screen point, as context menus and the title bar's system menu do.
#pragma once

#include "framework/menus/TMenu.h"

class TPopupMenu : public TMenu {
    Q_OBJECT
public:
    explicit TPopupMenu(TComponent* AOwner);

    // Runs OnPopup, then opens the menu's window at the screen point and returns at once; the
    // window then tracks the user (see TPopupMenuWindow). PopupWindow gives the open window.
    virtual void Popup(int x, int y);
    // The screen point of the last Popup.
    TPoint PopupPoint() const { return popupPoint_; }
    // The component the menu was opened for, set by whoever opens it; cleared when it goes.
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* component);

    bool BindEvent(const QByteArray& name, const TMethod& method) override;

    // Runs before the window opens, so that items can be set up for this opening.
    TNotifyEvent OnPopup;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TPoint popupPoint_;
    TComponent* popupComponent_ = nullptr;
};
