#include "skin/support/ThemeFileWriter.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QtEndian>
#include <stdexcept>

namespace {

constexpr char kMagic[] = "duanxin-skin"; // bytes 0 to 11: the reader ignores them
constexpr qsizetype kNameSize = 64;

QByteArray U32Bytes(std::uint32_t value) {
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray Record(const QByteArray& name, std::uint8_t type, qsizetype dataOffset,
                  qsizetype dataSize, qsizetype next) {
    QByteArray record = name.left(kNameSize).leftJustified(kNameSize, '\0');
    record.append(static_cast<char>(type));
    record.append(U32Bytes(static_cast<std::uint32_t>(dataOffset)));
    record.append(U32Bytes(static_cast<std::uint32_t>(dataSize)));
    record.append(U32Bytes(static_cast<std::uint32_t>(next)));
    return record;
}

} // namespace

ThemeFileWriter& ThemeFileWriter::Add(const QByteArray& name, std::uint8_t type,
                                      const QByteArray& data) {
    entries_.push_back({name, type, data});
    return *this;
}

ThemeFileWriter& ThemeFileWriter::AddImage(const QByteArray& name, const QByteArray& bmpFile) {
    return Add(name, Image, bmpFile);
}

ThemeFileWriter& ThemeFileWriter::AddInt(const QByteArray& name, std::int32_t value) {
    return Add(name, Integer, U32Bytes(static_cast<std::uint32_t>(value)));
}

ThemeFileWriter& ThemeFileWriter::AddBool(const QByteArray& name, std::uint8_t value) {
    return Add(name, Boolean, QByteArray(1, static_cast<char>(value)));
}

ThemeFileWriter& ThemeFileWriter::AddText(const QByteArray& name, const QByteArray& text) {
    return Add(name, Text, text);
}

QByteArray ThemeFileWriter::Build() const {
    QByteArray bytes(kMagic, kHeaderLengthAt);
    bytes.append(U32Bytes(kHeaderSize));
    bytes.append(U32Bytes(static_cast<std::uint32_t>(entries_.size())));
    bytes.append(U32Bytes(kHeaderSize));
    qsizetype dataOffset = RecordOffset(EntryCount() + 1);
    QByteArray data;
    for (int i = 0; i < EntryCount(); ++i) {
        const Entry& entry = entries_[static_cast<std::size_t>(i)];
        bytes.append(Record(entry.Name, entry.Type, dataOffset + data.size(), entry.Data.size(),
                            RecordOffset(i + 1)));
        data.append(entry.Data);
    }
    bytes.append(Record({}, Image, 0, 0, 0));
    return bytes + data;
}

void ThemeFileWriter::Save(const QString& path) const {
    QFile file(path);
    const QByteArray bytes = Build();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

void ThemeFileWriter::PutU32(QByteArray& bytes, qsizetype at, std::uint32_t value) {
    bytes.replace(at, 4, U32Bytes(value));
}

QByteArray ThemeFileWriter::Bmp(const std::vector<QColor>& columns, int columnWidth, int height) {
    QImage image(static_cast<int>(columns.size()) * columnWidth, height, QImage::Format_RGB32);
    QPainter painter(&image);
    for (std::size_t i = 0; i < columns.size(); ++i)
        painter.fillRect(static_cast<int>(i) * columnWidth, 0, columnWidth, height, columns[i]);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}
