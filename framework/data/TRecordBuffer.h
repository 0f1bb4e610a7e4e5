// Every row of a result, fetched at once: the UTF-8 bytes of all values in one contiguous block
// with an end offset and a null flag per value, so that fetching allocates nothing per row and
// text becomes a QString only when a field is read.
#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

// One column of a result as the statement returns it.
struct TFieldDef {
    QString Name;
    int DisplayWidth = 0; // characters
};

class TRecordBuffer {
public:
    TRecordBuffer() = default;
    explicit TRecordBuffer(std::vector<TFieldDef> fieldDefs);

    const std::vector<TFieldDef>& FieldDefs() const { return fieldDefs_; }
    int ColumnCount() const { return static_cast<int>(fieldDefs_.size()); }
    int RowCount() const;

    // Values arrive row by row, column by column; a null pointer is SQL NULL.
    void Append(const char* utf8, int bytes);

    bool IsNull(int row, int column) const;
    // SQL NULL reads as the empty text.
    QString Text(int row, int column) const;

private:
    std::size_t Cell(int row, int column) const;

    std::vector<TFieldDef> fieldDefs_;
    std::string bytes_;
    std::vector<std::uint32_t> ends_; // per value: offset just past its last byte
    std::vector<bool> nulls_;         // per value
};
