#include "framework/core/TCollectionItem.h"

#include "framework/core/TCollection.h"

int TCollectionItem::Index() const {
    return collection_ ? collection_->IndexOf(this) : -1;
}

void TCollectionItem::Changed() {
    if (collection_)
        collection_->Changed();
}
