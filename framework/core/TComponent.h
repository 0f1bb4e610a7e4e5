// Components: an owner destroys what it owns, tells its components when one of them comes or
// goes, and marks the time while a form description is being read.
#pragma once

#include "framework/core/TMethod.h"
#include "framework/core/TObject.h"

#include <QFlags>
#include <QString>
#include <vector>

enum class TOperation { opInsert, opRemove };

enum class TComponentStateFlag {
    csLoading = 0x01,
    csReading = 0x02,
    csDesigning = 0x04,
    csDestroying = 0x08,
};
Q_DECLARE_FLAGS(TComponentState, TComponentStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TComponentState)

// Whether the object's class publishes a property of that name, so that it can be set by name.
bool HasPublishedProperty(const QObject* component, const char* name);

class TComponent : public TPersistent {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const;
    TComponent* FindComponent(const QString& name) const;

    QString Name() const { return objectName(); }
    void SetName(const QString& name);
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    TComponentState ComponentState() const { return state_; }
    bool IsLoading() const { return state_.testFlag(TComponentStateFlag::csLoading); }
    bool IsDesigning() const { return state_.testFlag(TComponentStateFlag::csDesigning); }
    bool IsDestroying() const { return state_.testFlag(TComponentStateFlag::csDestroying); }
    // The form reader brackets its work with these: loading is set on the root and on every
    // component it creates, and Loaded runs on each once all values are in.
    void BeginLoading();
    void EndLoading();
    void SetDesigning(bool designing);

    // Asks to be told (Notification with opRemove) when `other`, owned elsewhere, is destroyed.
    void FreeNotification(TComponent* other);
    void RemoveFreeNotification(TComponent* other);
    // Points `field` at `value`, a component owned elsewhere, moving the removal notification
    // from the old one to the new; false when it already pointed there.
    template <class T> bool SetReference(T*& field, T* value) {
        if (field == value)
            return false;
        if (field)
            RemoveFreeNotification(field);
        field = value;
        if (field)
            FreeNotification(field);
        return true;
    }

    // Moves a component under this owner; the owner and all it owns hear of it.
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    // Stored values have all been read.
    virtual void Loaded();

    // Whether components stored inside this one's description belong to it (the controls of a
    // container, the items of a menu) rather than to the enclosing one.
    virtual bool HoldsChildComponents() const { return false; }
    // Called by the form reader with the component this one is stored inside; throws when it
    // cannot go there. The default keeps no parent.
    virtual void SetParentComponent(TComponent* parent);

    // Binds the event called `name` (such as "OnClick") to a handler named in a form
    // description; false when this class has no such event.
    virtual bool BindEvent(const QByteArray& name, const TMethod& method);

protected:
    // Default: passes the news on to every owned component.
    virtual void Notification(TComponent* AComponent, TOperation Operation);

private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);
    void NotifyAll(TComponent* component, TOperation operation);
    void DestroyComponents();

    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;   // owned, in insertion order
    std::vector<TComponent*> freeNotifies_; // not owned: told of each other's destruction
    TComponentState state_;
    int tag_ = 0;
};
