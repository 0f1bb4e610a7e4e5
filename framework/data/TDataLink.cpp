#include "framework/data/TDataLink.h"

#include "framework/data/TDataSource.h"

TDataLink::~TDataLink() {
    // Detach without hooks: a subclass is already gone here.
    if (dataSource_)
        dataSource_->RemoveLink(this);
}

void TDataLink::SetDataSource(TDataSource* dataSource) {
    if (dataSource == dataSource_)
        return;
    if (dataSource_)
        dataSource_->RemoveLink(this);
    dataSource_ = dataSource;
    if (dataSource_)
        dataSource_->AddLink(this);
    UpdateState();
}

TDataSet* TDataLink::DataSet() const {
    return dataSource_ ? dataSource_->DataSet() : nullptr;
}

bool TDataLink::Active() const {
    const TDataSet* dataSet = DataSet();
    return dataSet && dataSet->Active();
}

int TDataLink::RecordCount() const {
    return Active() ? DataSet()->RecordCount() : 0;
}

void TDataLink::DataSetChanged() {
    RecordChanged(nullptr);
}

void TDataLink::DataSetScrolled(int) {
    RecordChanged(nullptr);
}

void TDataLink::DataEvent(TDataEvent event, int info) {
    switch (event) {
    case TDataEvent::deUpdateState:
        UpdateState();
        break;
    case TDataEvent::deDataSetChange:
        if (active_)
            DataSetChanged();
        break;
    case TDataEvent::deDataSetScroll:
        if (active_)
            DataSetScrolled(info);
        break;
    }
}

void TDataLink::UpdateState() {
    const bool active = Active();
    if (active == active_)
        return;
    active_ = active;
    ActiveChanged();
}
