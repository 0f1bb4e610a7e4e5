// One column of an open data set, read at the data set's current row. A data set creates its
// fields when it opens and destroys them when it closes: a data-aware control drops its field
// pointers when it hears that the data set's state changed.
#pragma once

#include "framework/core/TObject.h"
#include "framework/data/TRecordBuffer.h"

class TDataSet;

class TField : public TObject {
    Q_OBJECT
    Q_PROPERTY(QString FieldName READ FieldName)
    Q_PROPERTY(int DisplayWidth READ DisplayWidth)
    Q_PROPERTY(int Index READ Index)
public:
    TField(TDataSet* dataSet, int index, const TFieldDef& def);

    TDataSet* DataSet() const { return dataSet_; }
    // Position among the data set's fields, counted from 0.
    int Index() const { return index_; }
    // The column name as the statement returns it.
    QString FieldName() const { return name_; }
    int DisplayWidth() const { return displayWidth_; }

    // The current row's value; SQL NULL, and an empty result, read as the empty text.
    QString AsString() const;
    bool IsNull() const;

private:
    TDataSet* dataSet_; // owns this field
    int index_;
    QString name_;
    int displayWidth_;
};
