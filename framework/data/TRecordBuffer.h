// Every row of a result, fetched at once. The UTF-8 bytes of the values are packed one after the
// other into large blocks that never move, so fetching allocates nothing per row and copies
// nothing when the result grows; text becomes a QString only when a field is read. Reset keeps
// the blocks for the next result: a listing is reopened at every search, and fresh blocks cost
// a page fault for every 4 KiB written.
#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

// One column of a result as the statement returns it.
struct TFieldDef {
    QString Name;
    int DisplayWidth = 0; // characters
};

class TRecordBuffer {
public:
    // Empties the buffer for a result with these columns.
    void Reset(std::vector<TFieldDef> fieldDefs);

    const std::vector<TFieldDef>& FieldDefs() const { return fieldDefs_; }
    int ColumnCount() const { return static_cast<int>(fieldDefs_.size()); }
    int RowCount() const;

    // Values arrive row by row, column by column; a null pointer is SQL NULL.
    void Append(const char* utf8, int bytes);

    bool IsNull(int row, int column) const;
    // SQL NULL reads as the empty text.
    QString Text(int row, int column) const;

private:
    struct Block {
        std::unique_ptr<char[]> bytes;
        std::size_t size;
    };
    struct Value {
        const char* utf8; // into a block, or null for SQL NULL
        std::uint32_t bytes;
    };

    // A copy of the bytes in the current block, taking the next one when they do not fit.
    const char* Store(const char* utf8, std::size_t bytes);
    void TakeBlock(std::size_t bytes);
    const Value& At(int row, int column) const;

    std::vector<TFieldDef> fieldDefs_;
    std::vector<Value> values_; // row-major
    std::vector<Block> blocks_;
    std::size_t nextBlock_ = 0; // the first block not yet taken since Reset
    char* free_ = nullptr;      // next unused byte of the current block
    std::size_t freeBytes_ = 0;
};
