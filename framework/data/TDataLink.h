// What a data-aware control holds to follow a data set through a data source. A control
// subclasses it and overrides the hooks it cares about. The link detaches itself when destroyed;
// a data source or data set destroyed first leaves the link safely without one.
#pragma once

#include "framework/data/DataTypes.h"

class TDataSet;
class TDataSource;
class TField;

class TDataLink {
public:
    TDataLink() = default;
    virtual ~TDataLink();
    TDataLink(const TDataLink&) = delete;
    TDataLink& operator=(const TDataLink&) = delete;

    TDataSource* DataSource() const { return dataSource_; }
    // Attaching to an open data set is heard as ActiveChanged, detaching from one likewise.
    void SetDataSource(TDataSource* dataSource);

    TDataSet* DataSet() const;
    // There is a data set and it is open.
    bool Active() const;
    // The data set's row count; 0 while not active.
    int RecordCount() const;

protected:
    // The data set opened or closed (or the link gained or lost an open one).
    virtual void ActiveChanged() {}
    // The content was replaced, after every opening. Default: the record changed.
    virtual void DataSetChanged();
    // The current row moved by `distance` rows; reopening is not a move. Default: the record
    // changed.
    virtual void DataSetScrolled(int distance);
    // The values of the current record are others now; null for the whole record.
    virtual void RecordChanged(TField*) {}

private:
    friend class TDataSource; // dispatches the data set's news

    void DataEvent(TDataEvent event, int info);
    void UpdateState();

    TDataSource* dataSource_ = nullptr; // not owned
    bool active_ = false;               // as last told through ActiveChanged
};
