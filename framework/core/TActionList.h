// A list of actions, in the order they joined it. The actions belong to their owner (the
// form); the list only refers to them.
#pragma once

#include "framework/core/TComponent.h"

#include <vector>

class TAction;
class TImageList;

class TActionList : public TComponent {
    Q_OBJECT
    Q_PROPERTY(TImageList* Images READ Images WRITE SetImages)
public:
    explicit TActionList(TComponent* AOwner);
    // The actions stay, without a list.
    ~TActionList() override;

    int ActionCount() const { return static_cast<int>(actions_.size()); }
    TAction* Actions(int index) const;

    // The list whose pictures the actions' ImageIndex names. Not owned; dropped when the list
    // is destroyed.
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TAction; // joins and leaves through TAction::SetActionList
    void AddAction(TAction* action);
    void RemoveAction(TAction* action);

    std::vector<TAction*> actions_; // not owned
    TImageList* images_ = nullptr;  // not owned
};
