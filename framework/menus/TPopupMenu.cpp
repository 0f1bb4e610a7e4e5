#include "framework/menus/TPopupMenu.h"

#include "framework/forms/ClassRegistry.h"

REGISTER_COMPONENT_CLASS(TPopupMenu)

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

void TPopupMenu::Popup(int x, int y) {
    popupPoint_ = {x, y};
    if (OnPopup)
        OnPopup(this);
    OpenWindow(Items(), popupPoint_);
}

void TPopupMenu::SetPopupComponent(TComponent* component) {
    SetReference(popupComponent_, component);
}

bool TPopupMenu::BindEvent(const QByteArray& name, const TMethod& method) {
    static const TEventTable<TPopupMenu> kEvents{
        EventBinding("OnPopup", &TPopupMenu::OnPopup),
    };
    return kEvents.Bind(*this, name, method) || TMenu::BindEvent(name, method);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
    TMenu::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == popupComponent_)
        popupComponent_ = nullptr;
}
