// Theme files: a 24-byte header and a chain of 77-byte directory records naming image, integer,
// Boolean and text entries. The reader takes the whole file into memory once and answers the
// entries by name afterwards; the writer makes files of the project's own.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// The type codes of directory records.
enum class TsuiThemeEntryType : std::uint8_t { Image = 0, Integer = 1, Boolean = 2, Text = 3 };

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
    // Real themes are a few hundred kilobytes; a larger file is refused before it is read.
    static constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

    // Reads the file completely; raises EFileError when it cannot be read or is damaged.
    explicit TsuiThemeFileReader(const QString& fileName);
    // Reads a theme file's bytes; `sourceName` names them in error messages.
    TsuiThemeFileReader(QByteArray bytes, const QString& sourceName);

    const QString& SourceName() const { return sourceName_; }
    // The format version, when the file carries the signature of this project's writer.
    std::optional<std::uint32_t> OwnFormatVersion() const;

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

// Writes a theme file: the header, the directory records in the order the entries were added
// with the chain's terminator after them, then each entry's data in the same order. The header
// bytes the reader leaves alone carry the project's signature and the format version, so the
// same entries always give the same bytes.
class TsuiThemeFileWriter {
public:
    static constexpr char kSignature[] = "duanxin-skin"; // bytes 0 to 11
    static constexpr std::uint32_t kFormatVersion = 1;   // bytes 16 to 19

    // Names longer than 64 bytes are cut to 64, as the directory holds them. Any type code is
    // accepted: readers skip the ones they do not know.
    TsuiThemeFileWriter& Add(const QByteArray& name, std::uint8_t type, const QByteArray& data);
    TsuiThemeFileWriter& AddImage(const QByteArray& name, const QByteArray& bmpFile);
    TsuiThemeFileWriter& AddInt(const QByteArray& name, std::int32_t value);
    TsuiThemeFileWriter& AddBool(const QByteArray& name, std::uint8_t value);
    TsuiThemeFileWriter& AddText(const QByteArray& name, const QByteArray& text);

    int EntryCount() const { return static_cast<int>(entries_.size()); }
    QByteArray Bytes() const;

private:
    struct Entry {
        QByteArray Name;
        std::uint8_t Type;
        QByteArray Data;
    };
    std::vector<Entry> entries_;
};
