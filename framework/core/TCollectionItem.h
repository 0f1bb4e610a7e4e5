// One item of a collection; it can reach its collection and, through it, the owning component.
#pragma once

#include "framework/core/TObject.h"

class TCollection;

class TCollectionItem : public TPersistent {
    Q_OBJECT
public:
    explicit TCollectionItem(TCollection* collection) : collection_(collection) {}
    TCollection* Collection() const { return collection_; }
    int Index() const;

protected:
    // Something shown changed: the owner redraws.
    void Changed();

private:
    TCollection* collection_; // not owned: the collection owns its items
};
