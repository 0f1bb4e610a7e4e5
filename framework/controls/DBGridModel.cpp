#include "framework/controls/DBGridModel.h"

#include "framework/data/TDataSet.h"

void DBGridModel::Reset(TDataSet* dataSet) {
    beginResetModel();
    dataSet_ = dataSet;
    rows_ = Active() ? dataSet_->RecordCount() : 0;
    columns_ = Active() ? dataSet_->FieldCount() : 0;
    endResetModel();
}

bool DBGridModel::Active() const {
    return dataSet_ && dataSet_->Active();
}

int DBGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int DBGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_;
}

QVariant DBGridModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !Active() || index.row() >= rows_ || index.column() >= columns_)
        return {};
    return dataSet_->CellText(index.row(), index.column());
}

QVariant DBGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || !Active() ||
        section >= columns_)
        return {};
    return dataSet_->Fields(section)->FieldName();
}

Qt::ItemFlags DBGridModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
