// Joins a data set to the data-aware controls: every link attached here hears what the data set
// tells. Destroying the data source detaches its links; a data set destroyed first is dropped.
#pragma once

#include "framework/core/TComponent.h"
#include "framework/data/DataTypes.h"
#include "framework/data/TDataSet.h"

#include <vector>

class TDataLink;

class TDataSource : public TComponent {
    Q_OBJECT
    Q_PROPERTY(TDataSet* DataSet READ DataSet WRITE SetDataSet)
public:
    explicit TDataSource(TComponent* AOwner);
    ~TDataSource() override;

    TDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TDataSet* dataSet);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TDataLink; // attaches and detaches itself
    friend class TDataSet;  // sends its news

    void AddLink(TDataLink* link);
    void RemoveLink(TDataLink* link);
    void DataEvent(TDataEvent event, int info);

    TDataSet* dataSet_ = nullptr;   // owned elsewhere
    std::vector<TDataLink*> links_; // not owned
};
