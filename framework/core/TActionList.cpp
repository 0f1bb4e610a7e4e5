#include "framework/core/TActionList.h"

#include "framework/controls/TImageList.h"
#include "framework/core/TAction.h"
#include "framework/forms/ClassRegistry.h"

#include <algorithm>

REGISTER_COMPONENT_CLASS(TActionList)

TActionList::TActionList(TComponent* AOwner) : TComponent(AOwner) {}

TActionList::~TActionList() {
    while (!actions_.empty())
        actions_.back()->SetActionList(nullptr);
}

TAction* TActionList::Actions(int index) const {
    Q_ASSERT(index >= 0 && index < ActionCount());
    return actions_[static_cast<std::size_t>(index)];
}

void TActionList::AddAction(TAction* action) {
    actions_.push_back(action);
}

void TActionList::RemoveAction(TAction* action) {
    std::erase(actions_, action);
}

void TActionList::SetImages(TImageList* images) {
    SetReference(images_, images);
}

void TActionList::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == images_)
        images_ = nullptr;
}
