#include "framework/core/TAction.h"

#include "framework/core/TControl.h"
#include "framework/forms/ClassRegistry.h"

#include <algorithm>

REGISTER_COMPONENT_CLASS(TAction)

TAction::TAction(TComponent* AOwner) : TComponent(AOwner) {}

TAction::~TAction() {
    SetActionList(nullptr);
}

void TAction::SetActionList(TActionList* list) {
    if (list == actionList_)
        return;
    if (actionList_)
        actionList_->RemoveAction(this);
    actionList_ = list;
    if (actionList_)
        actionList_->AddAction(this);
}

bool TAction::Execute() {
    if (!enabled_ || !OnExecute)
        return false;
    OnExecute(this);
    return true;
}

bool TAction::BindEvent(const QByteArray& name, const TMethod& method) {
    static const TEventTable<TAction> kEvents{
        EventBinding("OnExecute", &TAction::OnExecute),
    };
    return kEvents.Bind(*this, name, method) || TComponent::BindEvent(name, method);
}

void TAction::RegisterChanges(TControl* client) {
    clients_.push_back(client);
}

void TAction::UnRegisterChanges(TControl* client) {
    std::erase(clients_, client);
}

void TAction::Change() {
    // A copy: a control may unlink itself while it reacts.
    const std::vector<TControl*> clients = clients_;
    for (TControl* client : clients)
        if (std::find(clients_.begin(), clients_.end(), client) != clients_.end())
            client->ActionChange(this, false);
}
