#include "skin/SUIThemeFile.h"

#include "framework/core/Exception.h"
#include "framework/platform/RegularFileReader.h"

#include <QtEndian>
#include <algorithm>
#include <unordered_set>

namespace {

// Where things are in a theme file. Offsets within the header or within one directory record.
namespace Layout {
constexpr qsizetype SignatureSize = 12;
constexpr qsizetype HeaderLengthAt = 12;
constexpr qsizetype VersionAt = 16;
constexpr qsizetype FirstRecordAt = 20;
constexpr qsizetype MinHeaderLength = 24; // the header must cover the first-record offset
constexpr qsizetype RecordSize = 77;      // packed, no padding
constexpr qsizetype NameSize = 64;        // zero-ended when shorter
constexpr qsizetype TypeAt = 64;
constexpr qsizetype DataOffsetAt = 65;
constexpr qsizetype DataSizeAt = 69;
constexpr qsizetype NextRecordAt = 73; // 0: this record ends the chain and is no entry
} // namespace Layout

constexpr qsizetype kIntegerSize = 4;
constexpr qsizetype kBooleanSize = 1;

using EntryType = TsuiThemeEntryType;

struct ReaderMessages {
    const char* CannotRead;
    const char* NotAFile;
    const char* TooLarge;
    const char* Damaged; // %1 file, %2 one of the damages below
    const char* ShorterThanHeader;
    const char* BadHeaderLength;
    const char* RecordOutside;
    const char* ChainLoops;
    const char* TooManyRecords;
    const char* DataOutside;
};

constexpr ReaderMessages kMessages{
    "Sorry, the theme file \"%1\" cannot be read.",
    "Sorry, \"%1\" is no theme file: it is not an ordinary file.",
    "Sorry, the theme file \"%1\" is too large to be a theme file.",
    "Sorry, the theme file \"%1\" is damaged: %2.",
    "it is shorter than its 24-byte header",
    "its header length %1 is not between 24 and the file size %2",
    "the directory record at offset %1 lies beyond the end of the file",
    "the directory chain returns to the record at offset %1",
    "it holds more directory records than its size allows",
    "the data of entry \"%1\" lies beyond the end of the file",
};

QString Message(const char* text) {
    return QString::fromLatin1(text);
}

QByteArray ReadWholeFile(const QString& fileName) {
    using Outcome = RegularFileReader::Outcome;
    QByteArray bytes;
    switch (RegularFileReader::Read(fileName, TsuiThemeFileReader::kMaxFileSize, bytes)) {
    case Outcome::Read:
        return bytes;
    case Outcome::NotAFile:
        throw EFileError(Message(kMessages.NotAFile).arg(fileName));
    case Outcome::TooLarge:
        throw EFileError(Message(kMessages.TooLarge).arg(fileName));
    case Outcome::CannotOpen:
    case Outcome::ReadFailed:
        break;
    }
    throw EFileError(Message(kMessages.CannotRead).arg(fileName));
}

template <typename Entry>
const Entry* FindFirst(const std::vector<Entry>& entries, const QString& name) {
    const auto it = std::find_if(entries.begin(), entries.end(), [&](const Entry& entry) {
        return entry.Name.compare(name, Qt::CaseInsensitive) == 0;
    });
    return it == entries.end() ? nullptr : &*it;
}

QByteArray U32Bytes(qsizetype value) {
    QByteArray bytes(4, '\0');
    qToLittleEndian(static_cast<quint32>(value), bytes.data());
    return bytes;
}

QByteArray Record(const QByteArray& name, std::uint8_t type, qsizetype dataOffset,
                  qsizetype dataSize, qsizetype next) {
    QByteArray record = name.left(Layout::NameSize).leftJustified(Layout::NameSize, '\0');
    record.append(static_cast<char>(type));
    record.append(U32Bytes(dataOffset));
    record.append(U32Bytes(dataSize));
    record.append(U32Bytes(next));
    return record;
}

} // namespace

TsuiThemeFileReader::TsuiThemeFileReader(const QString& fileName)
    : TsuiThemeFileReader(ReadWholeFile(fileName), fileName) {}

TsuiThemeFileReader::TsuiThemeFileReader(QByteArray bytes, const QString& sourceName)
    : sourceName_(sourceName), bytes_(std::move(bytes)) {
    Parse();
}

std::optional<QByteArray> TsuiThemeFileReader::GetImage(const QString& name) const {
    if (const TsuiThemeBlob* image = FindFirst(images_, name))
        return Bytes(*image);
    return std::nullopt;
}

bool TsuiThemeFileReader::GetBool(const QString& name) const {
    const TsuiThemeNumber* entry = FindFirst(booleans_, name);
    return entry && entry->Value != 0;
}

int TsuiThemeFileReader::GetInt(const QString& name) const {
    const TsuiThemeNumber* entry = FindFirst(integers_, name);
    return entry ? entry->Value : -1;
}

std::optional<std::uint32_t> TsuiThemeFileReader::OwnFormatVersion() const {
    if (!bytes_.startsWith(QByteArray(TsuiThemeFileWriter::kSignature, Layout::SignatureSize)))
        return std::nullopt;
    return static_cast<std::uint32_t>(U32(Layout::VersionAt));
}

QByteArray TsuiThemeFileReader::Bytes(const TsuiThemeBlob& blob) const {
    Q_ASSERT(blob.Offset >= 0 && blob.Size >= 0 && blob.Offset + blob.Size <= bytes_.size());
    return bytes_.mid(blob.Offset, blob.Size);
}

// Every record read is remembered, so a chain that comes back ends with an error instead of
// running forever; no chain can hold more records than the file has room for side by side.
void TsuiThemeFileReader::Parse() {
    const qsizetype maxRecords = bytes_.size() / Layout::RecordSize;
    std::unordered_set<qsizetype> visited;
    qsizetype record = FirstRecordOffset();
    for (;;) {
        if (!Fits(record, Layout::RecordSize))
            Damaged(Message(kMessages.RecordOutside).arg(record));
        if (!visited.insert(record).second)
            Damaged(Message(kMessages.ChainLoops).arg(record));
        if (static_cast<qsizetype>(visited.size()) > maxRecords)
            Damaged(Message(kMessages.TooManyRecords));
        const qsizetype next = U32(record + Layout::NextRecordAt);
        if (next == 0)
            return;
        ReadEntry(record);
        record = next;
    }
}

// Only bytes 12 to 15 and 20 to 23 of the header mean anything here; a header length that
// cannot cover them, or that claims more than the file holds, marks a damaged file.
qsizetype TsuiThemeFileReader::FirstRecordOffset() const {
    if (bytes_.size() < Layout::MinHeaderLength)
        Damaged(Message(kMessages.ShorterThanHeader));
    const qsizetype headerLength = U32(Layout::HeaderLengthAt);
    if (headerLength < Layout::MinHeaderLength || headerLength > bytes_.size())
        Damaged(Message(kMessages.BadHeaderLength).arg(headerLength).arg(bytes_.size()));
    return U32(Layout::FirstRecordAt);
}

void TsuiThemeFileReader::ReadEntry(qsizetype record) {
    const char* const at = bytes_.constData() + record;
    const auto type = static_cast<EntryType>(static_cast<std::uint8_t>(at[Layout::TypeAt]));
    if (type != EntryType::Image && type != EntryType::Integer && type != EntryType::Boolean &&
        type != EntryType::Text)
        return;
    TsuiThemeBlob blob{QString::fromLatin1(at, qstrnlen(at, Layout::NameSize)),
                       U32(record + Layout::DataOffsetAt), U32(record + Layout::DataSizeAt)};
    if (!Fits(blob.Offset, blob.Size))
        Damaged(Message(kMessages.DataOutside).arg(blob.Name));
    const char* const data = bytes_.constData() + blob.Offset;
    switch (type) {
    case EntryType::Image:
        images_.push_back(std::move(blob));
        break;
    case EntryType::Integer:
        if (blob.Size >= kIntegerSize)
            integers_.push_back({std::move(blob.Name), qFromLittleEndian<std::int32_t>(data)});
        break;
    case EntryType::Boolean:
        if (blob.Size >= kBooleanSize)
            booleans_.push_back({std::move(blob.Name), static_cast<std::uint8_t>(*data)});
        break;
    case EntryType::Text:
        texts_.push_back(std::move(blob));
        break;
    }
}

bool TsuiThemeFileReader::Fits(qsizetype offset, qsizetype size) const {
    return offset >= 0 && size >= 0 && offset <= bytes_.size() && size <= bytes_.size() - offset;
}

qsizetype TsuiThemeFileReader::U32(qsizetype at) const {
    Q_ASSERT(Fits(at, 4));
    return static_cast<qsizetype>(qFromLittleEndian<quint32>(bytes_.constData() + at));
}

void TsuiThemeFileReader::Damaged(const QString& what) const {
    throw EFileError(Message(kMessages.Damaged).arg(sourceName_, what));
}

TsuiThemeFileWriter& TsuiThemeFileWriter::Add(const QByteArray& name, std::uint8_t type,
                                              const QByteArray& data) {
    entries_.push_back({name, type, data});
    return *this;
}

TsuiThemeFileWriter& TsuiThemeFileWriter::AddImage(const QByteArray& name,
                                                   const QByteArray& bmpFile) {
    return Add(name, static_cast<std::uint8_t>(EntryType::Image), bmpFile);
}

TsuiThemeFileWriter& TsuiThemeFileWriter::AddInt(const QByteArray& name, std::int32_t value) {
    return Add(name, static_cast<std::uint8_t>(EntryType::Integer),
               U32Bytes(static_cast<quint32>(value)));
}

TsuiThemeFileWriter& TsuiThemeFileWriter::AddBool(const QByteArray& name, std::uint8_t value) {
    return Add(name, static_cast<std::uint8_t>(EntryType::Boolean),
               QByteArray(1, static_cast<char>(value)));
}

TsuiThemeFileWriter& TsuiThemeFileWriter::AddText(const QByteArray& name, const QByteArray& text) {
    return Add(name, static_cast<std::uint8_t>(EntryType::Text), text);
}

QByteArray TsuiThemeFileWriter::Bytes() const {
    QByteArray bytes(kSignature, Layout::SignatureSize);
    bytes.append(U32Bytes(Layout::MinHeaderLength));
    bytes.append(U32Bytes(kFormatVersion));
    bytes.append(U32Bytes(Layout::MinHeaderLength)); // the records follow the header
    const auto recordAt = [](qsizetype index) {
        return Layout::MinHeaderLength + Layout::RecordSize * index;
    };
    const qsizetype dataStart = recordAt(EntryCount() + 1);
    QByteArray data;
    for (int i = 0; i < EntryCount(); ++i) {
        const Entry& entry = entries_[static_cast<std::size_t>(i)];
        bytes.append(Record(entry.Name, entry.Type, dataStart + data.size(), entry.Data.size(),
                            recordAt(i + 1)));
        data.append(entry.Data);
    }
    bytes.append(Record({}, static_cast<std::uint8_t>(EntryType::Image), 0, 0, 0));
    return bytes + data;
}
