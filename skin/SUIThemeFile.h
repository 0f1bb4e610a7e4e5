// Theme files: a 24-byte header and a chain of 77-byte directory records naming image, integer,
// Boolean and text entries. The reader takes the whole file into memory once and answers the
// entries by name afterwards.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// An entry whose data stays in the reader's copy of the file (images and texts).
struct TsuiThemeBlob {
    QString Name;
    qsizetype Offset = 0; // into the file
    qsizetype Size = 0;
};

// An integer or Boolean entry, decoded when the file is read.
struct TsuiThemeNumber {
    QString Name;
    std::int32_t Value = 0; // Booleans hold their byte, 0 to 255
};

// Theme files are untrusted: every offset and size is checked against the file before it is
// used, a chain that returns to an earlier record is refused, and a damaged file raises
// EFileError naming the file and the damage. An integer entry needs at least 4 bytes of data and
// a Boolean at least 1 (their first 4 bytes, or first byte, are the value); shorter ones are
// skipped. Entries of unknown type are skipped.
class TsuiThemeFileReader {
public:
    // Reads the file completely; raises EFileError when it cannot be read or is damaged.
    explicit TsuiThemeFileReader(const QString& fileName);
    // Reads a theme file's bytes; `sourceName` names them in error messages.
    TsuiThemeFileReader(QByteArray bytes, const QString& sourceName);

    const QString& SourceName() const { return sourceName_; }

    // Lookups compare names without regard to letter case; the first entry of a name wins.
    // The image's complete BMP file bytes, or nothing when there is no image of that name.
    std::optional<QByteArray> GetImage(const QString& name) const;
    // False when missing; otherwise whether the entry's byte is non-zero.
    bool GetBool(const QString& name) const;
    // -1 when missing.
    int GetInt(const QString& name) const;

    // Every entry of each type, in file order.
    const std::vector<TsuiThemeBlob>& Images() const { return images_; }
    const std::vector<TsuiThemeNumber>& Integers() const { return integers_; }
    const std::vector<TsuiThemeNumber>& Booleans() const { return booleans_; }
    const std::vector<TsuiThemeBlob>& Texts() const { return texts_; }
    // The data of an image or text entry of this reader.
    QByteArray Bytes(const TsuiThemeBlob& blob) const;

private:
    void Parse();
    qsizetype FirstRecordOffset() const;
    void ReadEntry(qsizetype record);
    // Whether [offset, offset + size) lies inside the file.
    bool Fits(qsizetype offset, qsizetype size) const;
    // The unsigned little-endian 32-bit number at `at`, which must fit.
    qsizetype U32(qsizetype at) const;
    [[noreturn]] void Damaged(const QString& what) const;

    QString sourceName_;
    QByteArray bytes_; // the whole file; blobs point into it
    std::vector<TsuiThemeBlob> images_;
    std::vector<TsuiThemeNumber> integers_;
    std::vector<TsuiThemeNumber> booleans_;
    std::vector<TsuiThemeBlob> texts_;
};
