#include "framework/core/TCollection.h"

#include "framework/core/Exception.h"

TCollection::TCollection(TComponent* owner, ItemFactory factory)
    : owner_(owner), factory_(std::move(factory)) {}

TCollection::~TCollection() = default;

TCollectionItem* TCollection::Items(int index) const {
    if (index < 0 || index >= Count())
        throw EComponentError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return items_[static_cast<std::size_t>(index)].get();
}

int TCollection::IndexOf(const TCollectionItem* item) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == item)
            return static_cast<int>(i);
    return -1;
}

TCollectionItem* TCollection::Add() {
    items_.emplace_back(factory_(this));
    Changed();
    return items_.back().get();
}

void TCollection::Clear() {
    if (items_.empty())
        return;
    items_.clear();
    Changed();
}

void TCollection::Delete(int index) {
    Items(index);
    items_.erase(items_.begin() + index);
    Changed();
}

void TCollection::Assign(const TPersistent* source) {
    const auto* other = qobject_cast<const TCollection*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    ++updating_;
    items_.clear();
    for (const auto& item : other->items_)
        Add()->Assign(item.get());
    --updating_;
    Changed();
}

void TCollection::Changed() {
    if (updating_ == 0 && OnChange)
        OnChange();
}
