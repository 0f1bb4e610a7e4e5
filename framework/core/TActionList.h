// A list of actions, in the order they joined it. The actions belong to their owner (the
// form); the list only refers to them.
#pragma once

#include "framework/core/TComponent.h"

#include <vector>

class TAction;

class TActionList : public TComponent {
    Q_OBJECT
public:
    explicit TActionList(TComponent* AOwner);
    // The actions stay, without a list.
    ~TActionList() override;

    int ActionCount() const { return static_cast<int>(actions_.size()); }
    TAction* Actions(int index) const;

    // The image list whose pictures the actions' ImageIndex names is published here, as Images,
    // once the framework has image lists.

private:
    friend class TAction; // joins and leaves through TAction::SetActionList
    void AddAction(TAction* action);
    void RemoveAction(TAction* action);

    std::vector<TAction*> actions_; // not owned
};
