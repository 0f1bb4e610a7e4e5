// The grid's view of a data set: one row per record, one column per field, read on demand so
// that the view never copies the result.
#pragma once

#include <QAbstractTableModel>

class TDataSet;

class DBGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DBGridModel(QObject* parent) : QAbstractTableModel(parent) {}

    // Points the model at a data set (open or closed, or none) and resets the view.
    void Reset(TDataSet* dataSet);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    bool Active() const;

    TDataSet* dataSet_ = nullptr; // not owned
    int rows_ = 0;
    int columns_ = 0;
};
