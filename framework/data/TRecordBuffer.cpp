#include "framework/data/TRecordBuffer.h"

#include <utility>

TRecordBuffer::TRecordBuffer(std::vector<TFieldDef> fieldDefs) : fieldDefs_(std::move(fieldDefs)) {}

int TRecordBuffer::RowCount() const {
    return fieldDefs_.empty() ? 0 : static_cast<int>(ends_.size() / fieldDefs_.size());
}

void TRecordBuffer::Append(const char* utf8, int bytes) {
    if (utf8)
        bytes_.append(utf8, static_cast<std::size_t>(bytes));
    ends_.push_back(static_cast<std::uint32_t>(bytes_.size()));
    nulls_.push_back(utf8 == nullptr);
}

std::size_t TRecordBuffer::Cell(int row, int column) const {
    Q_ASSERT(row >= 0 && row < RowCount());
    Q_ASSERT(column >= 0 && column < ColumnCount());
    return static_cast<std::size_t>(row) * fieldDefs_.size() + static_cast<std::size_t>(column);
}

bool TRecordBuffer::IsNull(int row, int column) const {
    return nulls_[Cell(row, column)];
}

QString TRecordBuffer::Text(int row, int column) const {
    const std::size_t cell = Cell(row, column);
    const std::uint32_t begin = cell == 0 ? 0 : ends_[cell - 1];
    return QString::fromUtf8(bytes_.data() + begin, static_cast<qsizetype>(ends_[cell] - begin));
}
