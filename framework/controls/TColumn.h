// One column of a data grid: the field it shows and its title.
#pragma once

#include "framework/core/TCollectionItem.h"

class TField;

class TColumn : public TCollectionItem {
    Q_OBJECT
    Q_PROPERTY(QString FieldName READ FieldName)
public:
    TColumn(TCollection* collection, TField* field) : TCollectionItem(collection), field_(field) {}
    TField* Field() const { return field_; }
    void SetField(TField* field) { field_ = field; }
    QString FieldName() const;
    QString Title() const { return FieldName(); }

private:
    TField* field_; // not owned: the data set's field, valid while the data set stays open
};
