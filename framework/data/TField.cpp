#include "framework/data/TField.h"

#include "framework/data/TDataSet.h"

TField::TField(TDataSet* dataSet, int index, const TFieldDef& def)
    : dataSet_(dataSet), index_(index), name_(def.Name), displayWidth_(def.DisplayWidth) {}

QString TField::AsString() const {
    if (dataSet_->records_.RowCount() == 0)
        return {};
    return dataSet_->records_.Text(dataSet_->row_, index_);
}

bool TField::IsNull() const {
    return dataSet_->records_.RowCount() == 0 || dataSet_->records_.IsNull(dataSet_->row_, index_);
}
