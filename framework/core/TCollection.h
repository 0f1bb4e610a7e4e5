// An ordered list of items that a component publishes as one property (title-bar buttons,
// sections); the form reader clears it and adds the stored items one by one.
#pragma once

#include "framework/core/TCollectionItem.h"

#include <functional>
#include <memory>
#include <vector>

class TComponent;

class TCollection : public TPersistent {
    Q_OBJECT
public:
    using ItemFactory = std::function<TCollectionItem*(TCollection*)>;

    TCollection(TComponent* owner, ItemFactory factory);
    ~TCollection() override;

    TComponent* Owner() const { return owner_; }
    int Count() const { return static_cast<int>(items_.size()); }
    TCollectionItem* Items(int index) const;
    int IndexOf(const TCollectionItem* item) const;
    Q_INVOKABLE TCollectionItem* Add();
    Q_INVOKABLE void Clear();
    void Delete(int index);
    // Takes copies of the other collection's items through each item's Assign.
    void Assign(const TPersistent* source) override;

    // Called after every change of the list or of an item.
    std::function<void()> OnChange;
    void Changed();

private:
    TComponent* owner_; // not owned
    ItemFactory factory_;
    std::vector<std::unique_ptr<TCollectionItem>> items_;
    int updating_ = 0;
};
