// A data set with a client-side static cursor: opening fetches the whole result, so the row count
// is exact at once and moving needs no further fetching. Subclasses say where the rows come from.
// Everything but FieldCount and FindField raises the closed-dataset error while closed.
#pragma once

#include "framework/core/TComponent.h"
#include "framework/data/DataTypes.h"
#include "framework/data/TField.h"
#include "framework/data/TRecordBuffer.h"

#include <memory>
#include <vector>

class TDataSource;

class TDataSet : public TComponent {
    Q_OBJECT
    Q_PROPERTY(bool Active READ Active WRITE SetActive)
public:
    explicit TDataSet(TComponent* AOwner);
    ~TDataSet() override;

    bool Active() const { return active_; }
    // While a form description is read, opening waits for Loaded.
    void SetActive(bool active);
    // Fetches every row and positions on the first; on failure the data set stays closed.
    void Open();
    void Close();

    bool IsEmpty() const;
    // True right after opening exactly when there are no rows; afterwards when a move forward
    // hit the last row, or after Last.
    bool Eof() const;
    bool Bof() const;
    int RecordCount() const;
    // The current row counted from 1; 0 in an empty result.
    int RecNo() const;

    // Moves the current row, stopping at the first and the last; returns the signed number of
    // rows actually moved.
    int MoveBy(int distance);
    void First();
    void Last();
    void Next() { MoveBy(1); }
    void Prior() { MoveBy(-1); }

    // The text of any row without moving to it (a grid draws the rows it shows); row and column
    // from 0, SQL NULL as the empty text.
    QString CellText(int row, int column) const;

    int FieldCount() const { return static_cast<int>(fields_.size()); }
    TField* Fields(int index) const;
    // Names are compared without regard to case.
    TField* FieldByName(const QString& name) const;
    TField* FindField(const QString& name) const;

    void Loaded() override;

protected:
    // Runs the data set's command and puts every row into `records` (Reset first); raises
    // EDatabaseError on failure.
    virtual void OpenCursor(TRecordBuffer& records) = 0;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TDataSource; // joins and leaves
    friend class TField;      // reads the current row

    void CheckActive() const;
    void CheckIndex(int index, int count) const;
    void BuildFields();
    int LastRow() const;
    void Scrolled(int distance);
    void NotifyDataSources(TDataEvent event, int info = 0);

    bool active_ = false;
    bool streamedActive_ = false; // Active as read from a form description
    TRecordBuffer records_;
    std::vector<std::unique_ptr<TField>> fields_;
    int row_ = 0; // current row, from 0
    bool bof_ = true;
    bool eof_ = true;
    std::vector<TDataSource*> dataSources_; // not owned; each tells us when it goes
};
