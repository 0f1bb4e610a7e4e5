#include "skin/support/ThemeFileWriter.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QtEndian>
#include <stdexcept>

ThemeFileWriter& ThemeFileWriter::Add(const QByteArray& name, std::uint8_t type,
                                      const QByteArray& data) {
    writer_.Add(name, type, data);
    return *this;
}

ThemeFileWriter& ThemeFileWriter::AddImage(const QByteArray& name, const QByteArray& bmpFile) {
    writer_.AddImage(name, bmpFile);
    return *this;
}

ThemeFileWriter& ThemeFileWriter::AddInt(const QByteArray& name, std::int32_t value) {
    writer_.AddInt(name, value);
    return *this;
}

ThemeFileWriter& ThemeFileWriter::AddBool(const QByteArray& name, std::uint8_t value) {
    writer_.AddBool(name, value);
    return *this;
}

ThemeFileWriter& ThemeFileWriter::AddText(const QByteArray& name, const QByteArray& text) {
    writer_.AddText(name, text);
    return *this;
}

QByteArray ThemeFileWriter::Build() const {
    return writer_.Bytes();
}

void ThemeFileWriter::Save(const QString& path) const {
    QFile file(path);
    const QByteArray bytes = Build();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

void ThemeFileWriter::PutU32(QByteArray& bytes, qsizetype at, std::uint32_t value) {
    qToLittleEndian(value, bytes.data() + at);
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
