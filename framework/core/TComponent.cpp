#include "framework/core/TComponent.h"

#include "framework/core/Exception.h"

#include <algorithm>

TComponent::TComponent(TComponent* AOwner) {
    if (AOwner)
        AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
    state_ |= TComponentStateFlag::csDestroying;
    // Whoever holds a reference to this component drops it now.
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        auto& back = other->freeNotifies_;
        back.erase(std::remove(back.begin(), back.end(), this), back.end());
        other->Notification(this, TOperation::opRemove);
    }
    DestroyComponents();
    if (owner_)
        owner_->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
    // Last created goes first; each destruction removes itself from the list.
    while (!components_.empty()) {
        TComponent* last = components_.back();
        Remove(last);
        delete last;
    }
}

TComponent* TComponent::Components(int index) const {
    Q_ASSERT(index >= 0 && index < ComponentCount());
    return components_[static_cast<std::size_t>(index)];
}

TComponent* TComponent::FindComponent(const QString& name) const {
    if (name.isEmpty())
        return nullptr;
    for (TComponent* c : components_)
        if (c->Name().compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return nullptr;
}

void TComponent::SetName(const QString& name) {
    if (name == Name())
        return;
    if (owner_ && !name.isEmpty()) {
        TComponent* clash = owner_->FindComponent(name);
        if (clash && clash != this)
            throw EComponentError(QStringLiteral("A component named %1 already exists").arg(name));
    }
    setObjectName(name);
}

void TComponent::BeginLoading() {
    state_ |= TComponentStateFlag::csLoading;
    state_ |= TComponentStateFlag::csReading;
}

void TComponent::EndLoading() {
    state_ &= ~TComponentState(TComponentStateFlag::csReading);
}

bool HasPublishedProperty(const QObject* component, const char* name) {
    return component && component->metaObject()->indexOfProperty(name) >= 0;
}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::Loaded() {
    state_ &= ~TComponentState(TComponentStateFlag::csLoading);
}

bool TComponent::BindEvent(const QByteArray&, const TMethod&) {
    return false;
}

void TComponent::SetDesigning(bool designing) {
    state_.setFlag(TComponentStateFlag::csDesigning, designing);
    for (TComponent* c : components_)
        c->SetDesigning(designing);
}

void TComponent::FreeNotification(TComponent* other) {
    if (!other || other == this)
        return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), other) == freeNotifies_.end()) {
        freeNotifies_.push_back(other);
        other->freeNotifies_.push_back(this);
    }
}

void TComponent::RemoveFreeNotification(TComponent* other) {
    if (!other)
        return;
    freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), other),
                        freeNotifies_.end());
    auto& back = other->freeNotifies_;
    back.erase(std::remove(back.begin(), back.end(), this), back.end());
}

void TComponent::InsertComponent(TComponent* component) {
    // Names are unique among the components of one owner, moved-in ones included.
    if (component->owner_ != this && !component->Name().isEmpty() &&
        FindComponent(component->Name()))
        throw EComponentError(
            QStringLiteral("A component named %1 already exists").arg(component->Name()));
    if (component->owner_)
        component->owner_->RemoveComponent(component);
    Insert(component);
    NotifyAll(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    NotifyAll(component, TOperation::opRemove);
    Remove(component);
}

void TComponent::Insert(TComponent* component) {
    components_.push_back(component);
    component->owner_ = this;
}

void TComponent::Remove(TComponent* component) {
    components_.erase(std::remove(components_.begin(), components_.end(), component),
                      components_.end());
    component->owner_ = nullptr;
}

void TComponent::NotifyAll(TComponent* component, TOperation operation) {
    // A destroying owner has nobody left to tell.
    if (!IsDestroying())
        Notification(component, operation);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
    // Copy: a component may react by destroying another one.
    const std::vector<TComponent*> owned = components_;
    for (TComponent* c : owned)
        if (c != AComponent &&
            std::find(components_.begin(), components_.end(), c) != components_.end())
            c->Notification(AComponent, Operation);
}
