#include "framework/controls/TColumn.h"

#include "framework/data/TField.h"

QString TColumn::FieldName() const {
    return field_ ? field_->FieldName() : QString();
}
