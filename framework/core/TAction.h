// A command that controls share: its caption, enabled state, visibility and hint show on every
// control linked to it (TControl::SetAction), and clicking such a control executes it. Every
// change of a property is passed on to the linked controls through TControl::ActionChange.
#pragma once

#include "framework/core/TActionList.h"
#include "framework/core/TComponent.h"
#include "framework/core/Types.h"

#include <vector>

class TControl;

class TAction : public TComponent {
    Q_OBJECT
    Q_PROPERTY(TActionList* ActionList READ ActionList WRITE SetActionList)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
public:
    explicit TAction(TComponent* AOwner);
    // Leaves its list; linked controls hear of it through the free notification.
    ~TAction() override;

    TActionList* ActionList() const { return actionList_; }
    void SetActionList(TActionList* list);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption) { Update(caption_, caption); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { Update(enabled_, enabled); }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked) { Update(checked_, checked); }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { Update(visible_, visible); }
    // -1 for no picture.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index) { Update(imageIndex_, index); }
    QString Hint() const { return hint_; }
    void SetHint(const QString& hint) { Update(hint_, hint); }

    // Raises OnExecute with the action as sender; false when disabled or without a handler.
    virtual bool Execute();
    TNotifyEvent OnExecute;

    bool BindEvent(const QByteArray& name, const TMethod& method) override;

    // The controls linked to this action, in the order they were linked.
    int ClientCount() const { return static_cast<int>(clients_.size()); }

private:
    friend class TControl; // links and unlinks itself in TControl::SetAction
    void RegisterChanges(TControl* client);
    void UnRegisterChanges(TControl* client);

    template <class T> void Update(T& field, const T& value) {
        if (field == value)
            return;
        field = value;
        Change();
    }
    void Change();

    TActionList* actionList_ = nullptr; // not owned
    QString caption_;
    bool enabled_ = true;
    bool checked_ = false;
    bool visible_ = true;
    int imageIndex_ = -1;
    QString hint_;
    std::vector<TControl*> clients_; // not owned; each unlinks itself before it goes
};
