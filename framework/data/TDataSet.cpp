#include "framework/data/TDataSet.h"

#include "framework/data/DatabaseError.h"
#include "framework/data/TDataSource.h"

#include <algorithm>

TDataSet::TDataSet(TComponent* AOwner) : TComponent(AOwner) {}

TDataSet::~TDataSet() {
    // Links hear of the close while this data set is still whole; the data sources drop their
    // reference in Notification afterwards.
    Close();
}

void TDataSet::SetActive(bool active) {
    if (IsLoading())
        streamedActive_ = active;
    else if (active)
        Open();
    else
        Close();
}

void TDataSet::Loaded() {
    TComponent::Loaded();
    if (streamedActive_)
        Open();
}

void TDataSet::Open() {
    if (active_)
        return;
    try {
        OpenCursor(records_);
    } catch (...) {
        records_.Reset({});
        throw;
    }
    BuildFields();
    row_ = 0;
    bof_ = true;
    eof_ = records_.RowCount() == 0;
    active_ = true;
    NotifyDataSources(TDataEvent::deUpdateState);
    NotifyDataSources(TDataEvent::deDataSetChange);
}

void TDataSet::Close() {
    if (!active_)
        return;
    active_ = false;
    fields_.clear();
    records_.Reset({});
    row_ = 0;
    bof_ = eof_ = true;
    NotifyDataSources(TDataEvent::deUpdateState);
}

void TDataSet::BuildFields() {
    fields_.clear();
    const std::vector<TFieldDef>& defs = records_.FieldDefs();
    for (std::size_t i = 0; i < defs.size(); ++i)
        fields_.push_back(std::make_unique<TField>(this, static_cast<int>(i), defs[i]));
}

void TDataSet::CheckActive() const {
    if (!active_)
        DatabaseError(QStringLiteral("Cannot perform this operation on a closed dataset"), this);
}

bool TDataSet::IsEmpty() const {
    CheckActive();
    return records_.RowCount() == 0;
}

bool TDataSet::Eof() const {
    CheckActive();
    return eof_;
}

bool TDataSet::Bof() const {
    CheckActive();
    return bof_;
}

int TDataSet::RecordCount() const {
    CheckActive();
    return records_.RowCount();
}

int TDataSet::RecNo() const {
    return IsEmpty() ? 0 : row_ + 1;
}

int TDataSet::MoveBy(int distance) {
    CheckActive();
    // In 64 bits: a distance near the int range must not overflow.
    const int target = static_cast<int>(std::clamp<long long>(
        static_cast<long long>(row_) + distance, 0, static_cast<long long>(LastRow())));
    const int moved = target - row_;
    // Trying to go past an end sets its flag; any try away from an end clears the other one.
    if (distance > 0 && !eof_) {
        bof_ = false;
        eof_ = moved < distance;
    } else if (distance < 0 && !bof_) {
        eof_ = false;
        bof_ = moved > distance;
    }
    row_ = target;
    Scrolled(moved);
    return moved;
}

void TDataSet::First() {
    CheckActive();
    const int from = row_;
    row_ = 0;
    bof_ = true;
    eof_ = records_.RowCount() == 0;
    Scrolled(row_ - from);
}

void TDataSet::Last() {
    CheckActive();
    const int from = row_;
    row_ = LastRow();
    bof_ = records_.RowCount() == 0;
    eof_ = true;
    Scrolled(row_ - from);
}

int TDataSet::LastRow() const {
    return std::max(records_.RowCount() - 1, 0);
}

void TDataSet::Scrolled(int distance) {
    if (distance != 0)
        NotifyDataSources(TDataEvent::deDataSetScroll, distance);
}

void TDataSet::CheckIndex(int index, int count) const {
    if (index < 0 || index >= count)
        DatabaseError(QStringLiteral("List index out of bounds (%1)").arg(index), this);
}

TField* TDataSet::Fields(int index) const {
    CheckActive();
    CheckIndex(index, FieldCount());
    return fields_[static_cast<std::size_t>(index)].get();
}

TField* TDataSet::FieldByName(const QString& name) const {
    CheckActive();
    TField* field = FindField(name);
    if (!field)
        DatabaseError(QStringLiteral("Field '%1' not found").arg(name), this);
    return field;
}

TField* TDataSet::FindField(const QString& name) const {
    for (const auto& field : fields_)
        if (field->FieldName().compare(name, Qt::CaseInsensitive) == 0)
            return field.get();
    return nullptr;
}

void TDataSet::NotifyDataSources(TDataEvent event, int info) {
    // Copy: a control may react by detaching its data source.
    const std::vector<TDataSource*> sources = dataSources_;
    for (TDataSource* source : sources)
        if (std::find(dataSources_.begin(), dataSources_.end(), source) != dataSources_.end())
            source->DataEvent(event, info);
}

void TDataSet::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove)
        dataSources_.erase(std::remove(dataSources_.begin(), dataSources_.end(), AComponent),
                           dataSources_.end());
}

QString TDataSet::CellText(int row, int column) const {
    CheckActive();
    CheckIndex(row, records_.RowCount());
    CheckIndex(column, records_.ColumnCount());
    return records_.Text(row, column);
}
