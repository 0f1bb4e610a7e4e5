#include "framework/data/TDataSource.h"

#include "framework/data/TDataLink.h"
#include "framework/forms/ClassRegistry.h"

#include <algorithm>

REGISTER_COMPONENT_CLASS(TDataSource)

TDataSource::TDataSource(TComponent* AOwner) : TComponent(AOwner) {}

TDataSource::~TDataSource() {
    // Each link hears that it lost an open data set, if it had one.
    while (!links_.empty())
        links_.back()->SetDataSource(nullptr);
    SetDataSet(nullptr);
}

void TDataSource::SetDataSet(TDataSet* dataSet) {
    if (dataSet == dataSet_)
        return;
    if (dataSet_) {
        auto& sources = dataSet_->dataSources_;
        sources.erase(std::remove(sources.begin(), sources.end(), this), sources.end());
        RemoveFreeNotification(dataSet_);
    }
    dataSet_ = dataSet;
    if (dataSet_) {
        dataSet_->dataSources_.push_back(this);
        FreeNotification(dataSet_);
    }
    // To the links this is the old content going and the new one coming.
    DataEvent(TDataEvent::deUpdateState, 0);
    if (dataSet_ && dataSet_->Active())
        DataEvent(TDataEvent::deDataSetChange, 0);
}

void TDataSource::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    // The data set is being destroyed and has already closed: only our reference goes, without
    // calling back into it.
    if (Operation == TOperation::opRemove && AComponent == dataSet_)
        dataSet_ = nullptr;
}

void TDataSource::AddLink(TDataLink* link) {
    links_.push_back(link);
}

void TDataSource::RemoveLink(TDataLink* link) {
    links_.erase(std::remove(links_.begin(), links_.end(), link), links_.end());
}

void TDataSource::DataEvent(TDataEvent event, int info) {
    // Copy: a link may detach itself, or another one, while it reacts.
    const std::vector<TDataLink*> links = links_;
    for (TDataLink* link : links)
        if (std::find(links_.begin(), links_.end(), link) != links_.end())
            link->DataEvent(event, info);
}
