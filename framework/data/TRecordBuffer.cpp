#include "framework/data/TRecordBuffer.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// A full listing takes about fifteen blocks. Measured against stepping the same statement through
// the engine alone, growing one contiguous buffer instead cost a third more.
constexpr std::size_t BlockBytes = 256 * 1024;

} // namespace

void TRecordBuffer::Reset(std::vector<TFieldDef> fieldDefs) {
    fieldDefs_ = std::move(fieldDefs);
    values_.clear();
    nextBlock_ = 0;
    free_ = nullptr;
    freeBytes_ = 0;
}

int TRecordBuffer::RowCount() const {
    return fieldDefs_.empty() ? 0 : static_cast<int>(values_.size() / fieldDefs_.size());
}

void TRecordBuffer::Append(const char* utf8, int bytes) {
    const auto size = static_cast<std::size_t>(bytes);
    values_.push_back({utf8 ? Store(utf8, size) : nullptr, static_cast<std::uint32_t>(size)});
}

const char* TRecordBuffer::Store(const char* utf8, std::size_t bytes) {
    if (bytes == 0)
        return ""; // not null: an empty text is no SQL NULL
    if (bytes > freeBytes_)
        TakeBlock(bytes);
    char* copy = free_;
    std::memcpy(copy, utf8, bytes);
    free_ += bytes;
    freeBytes_ -= bytes;
    return copy;
}

void TRecordBuffer::TakeBlock(std::size_t bytes) {
    while (nextBlock_ < blocks_.size() && blocks_[nextBlock_].size < bytes)
        ++nextBlock_;
    if (nextBlock_ == blocks_.size()) {
        // A value larger than a block gets a block of its own size.
        const std::size_t size = std::max(BlockBytes, bytes);
        blocks_.push_back({std::make_unique_for_overwrite<char[]>(size), size});
    }
    free_ = blocks_[nextBlock_].bytes.get();
    freeBytes_ = blocks_[nextBlock_].size;
    ++nextBlock_;
}

const TRecordBuffer::Value& TRecordBuffer::At(int row, int column) const {
    Q_ASSERT(row >= 0 && row < RowCount());
    Q_ASSERT(column >= 0 && column < ColumnCount());
    return values_[static_cast<std::size_t>(row) * fieldDefs_.size() +
                   static_cast<std::size_t>(column)];
}

bool TRecordBuffer::IsNull(int row, int column) const {
    return At(row, column).utf8 == nullptr;
}

QString TRecordBuffer::Text(int row, int column) const {
    const Value& value = At(row, column);
    return QString::fromUtf8(value.utf8, static_cast<qsizetype>(value.bytes));
}
