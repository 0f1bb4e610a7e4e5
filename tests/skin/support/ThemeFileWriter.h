// Theme files for the tests, made by the skin's writer: a 24-byte header, the directory records
// one after another with the chain's terminator last, then each entry's data in record order.
// Tests damage the result through the layout constants and PutU32.
#pragma once

#include "skin/SUIThemeFile.h"

#include <QByteArray>
#include <QColor>
#include <QString>
#include <cstdint>
#include <vector>

class ThemeFileWriter {
public:
    enum EntryType : std::uint8_t { Image = 0, Integer = 1, Boolean = 2, Text = 3 };

    static constexpr qsizetype kHeaderSize = 24;
    static constexpr qsizetype kHeaderLengthAt = 12;
    static constexpr qsizetype kFirstRecordAt = 20;
    static constexpr qsizetype kRecordSize = 77;
    static constexpr qsizetype kTypeAt = 64;
    static constexpr qsizetype kDataOffsetAt = 65;
    static constexpr qsizetype kDataSizeAt = 69;
    static constexpr qsizetype kNextRecordAt = 73;

    // Any type code and data, for entries the reader has to skip or refuse.
    ThemeFileWriter& Add(const QByteArray& name, std::uint8_t type, const QByteArray& data);
    ThemeFileWriter& AddImage(const QByteArray& name, const QByteArray& bmpFile);
    ThemeFileWriter& AddInt(const QByteArray& name, std::int32_t value);
    ThemeFileWriter& AddBool(const QByteArray& name, std::uint8_t value);
    ThemeFileWriter& AddText(const QByteArray& name, const QByteArray& text);

    QByteArray Build() const;
    // Raises std::runtime_error when the file cannot be written.
    void Save(const QString& path) const;

    // Where record `index` (the terminator is index EntryCount()) starts in Build()'s bytes.
    static qsizetype RecordOffset(int index) { return kHeaderSize + kRecordSize * index; }
    int EntryCount() const { return writer_.EntryCount(); }
    static void PutU32(QByteArray& bytes, qsizetype at, std::uint32_t value);

    // A complete BMP file: `columns` colours side by side, each `columnWidth` x `height`.
    static QByteArray Bmp(const std::vector<QColor>& columns, int columnWidth, int height);

private:
    TsuiThemeFileWriter writer_;
};
