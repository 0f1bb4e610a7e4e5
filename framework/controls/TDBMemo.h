// A memo that follows a data source. Bound to no field it shows what the program puts in it,
// and empties itself whenever the current row moves.
#pragma once

#include "framework/controls/TCustomMemo.h"
#include "framework/data/TDataLink.h"
#include "framework/data/TDataSource.h"

class TDBMemo : public TCustomMemo {
    Q_OBJECT
    Q_PROPERTY(TDataSource* DataSource READ DataSource WRITE SetDataSource)
    Q_PROPERTY(QString DataField READ DataField WRITE SetDataField)
public:
    explicit TDBMemo(TComponent* AOwner);
    ~TDBMemo() override;

    TDataSource* DataSource() const { return link_.DataSource(); }
    void SetDataSource(TDataSource* source);
    QString DataField() const { return dataField_; }
    void SetDataField(const QString& field) { dataField_ = field; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    class Link : public TDataLink {
    public:
        explicit Link(TDBMemo* memo) : memo_(memo) {}

    protected:
        void DataSetScrolled(int distance) override;
        void DataSetChanged() override {}

    private:
        TDBMemo* memo_;
    };

    Link link_{this};
    QString dataField_;
};
