#include "framework/graphics/TIcon.h"

#include "framework/core/Exception.h"
#include "framework/graphics/TCanvas.h"
#include "framework/platform/QtResources.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <tuple>

namespace {

// The .ico layout: a 6-byte header (reserved, type 1, image count), then one 16-byte entry per
// image (width, height, colours, reserved, planes, bits per pixel, byte count, byte offset).
constexpr qsizetype kHeaderSize = 6;
constexpr qsizetype kEntrySize = 16;
constexpr quint16 kIconType = 1;
constexpr qsizetype kEntryBitCount = 6;
constexpr qsizetype kEntryLength = 8;
constexpr qsizetype kEntryOffset = 12;
constexpr qsizetype kDibBitCount = 14; // in the image's BITMAPINFOHEADER
constexpr qint64 kMinImageLength = kDibBitCount + 2;
constexpr int kPngBitsPerPixel = 32;
const QByteArray kPngSignature("\x89PNG", 4);

[[noreturn]] void Invalid(const QString& why) {
    throw EResourceError(QStringLiteral("Icon is not valid: %1").arg(why));
}

// The directory's checks keep every read inside the data; this one says so where the compiler
// sees it, and keeps a field added later from being read past the end. It reads through a view:
// a null array's data is Qt's one shared empty byte, and the compiler, not knowing the size is
// then 0, takes a read past that byte for possible; a null array's view has no data at all.
template <class T> T ReadLE(QByteArrayView bytes, qsizetype at) {
    if (at < 0 || at > bytes.size() - static_cast<qsizetype>(sizeof(T)))
        Invalid(QStringLiteral("a field lies outside the data"));
    return qFromLittleEndian<T>(bytes.constData() + at);
}

// The depth the entry names, or when it names none (0) the depth its image data carries.
int BitsPerPixel(const QByteArray& bytes, qsizetype entry) {
    const int stored = ReadLE<quint16>(bytes, entry + kEntryBitCount);
    if (stored != 0)
        return stored;
    const qsizetype offset = ReadLE<quint32>(bytes, entry + kEntryOffset);
    if (bytes.mid(offset, kPngSignature.size()) == kPngSignature)
        return kPngBitsPerPixel;
    return ReadLE<quint16>(bytes, offset + kDibBitCount);
}

// Checks the directory and answers the image count.
int CheckDirectory(const QByteArray& bytes) {
    if (bytes.size() < kHeaderSize || ReadLE<quint16>(bytes, 0) != 0 ||
        ReadLE<quint16>(bytes, 2) != kIconType)
        Invalid(QStringLiteral("no icon header"));
    const int count = ReadLE<quint16>(bytes, 4);
    if (count == 0)
        Invalid(QStringLiteral("no images"));
    if (bytes.size() < kHeaderSize + count * kEntrySize)
        Invalid(QStringLiteral("the directory is cut short"));
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = kHeaderSize + i * kEntrySize;
        const qint64 offset = ReadLE<quint32>(bytes, entry + kEntryOffset);
        const qint64 length = ReadLE<quint32>(bytes, entry + kEntryLength);
        // Long enough at least for the depth field of the image's own header.
        if (offset + length > bytes.size() || length < kMinImageLength)
            Invalid(QStringLiteral("image %1 is cut short").arg(i + 1));
    }
    return count;
}

} // namespace

void TIcon::LoadFromResourceName(const QString& name) {
    const auto bytes = QtResources::Read(QStringLiteral("icons"), name, QStringLiteral("ico"));
    if (!bytes)
        throw EResourceError(QStringLiteral("Resource %1 not found").arg(name));
    try {
        LoadFromData(*bytes);
    } catch (const EResourceError& error) {
        throw EResourceError(QStringLiteral("Resource %1: %2").arg(name, error.Message()));
    }
}

void TIcon::LoadFromData(const QByteArray& bytes) {
    const int count = CheckDirectory(bytes);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    if (reader.imageCount() != count)
        Invalid(QStringLiteral("its images cannot be read"));
    std::vector<TIconImage> images;
    for (int i = 0; i < count; ++i) {
        if (!reader.jumpToImage(i))
            Invalid(QStringLiteral("image %1 cannot be read").arg(i + 1));
        QImage image = reader.read();
        if (image.isNull())
            Invalid(QStringLiteral("image %1 cannot be read").arg(i + 1));
        image = image.convertToFormat(QImage::Format_ARGB32);
        images.push_back({image.width(), image.height(),
                          BitsPerPixel(bytes, kHeaderSize + i * kEntrySize), image});
    }
    images_ = std::move(images);
}

int TIcon::BestImageIndex(int size) const {
    // Smaller keys are better: not too small, then nearest in size, then deepest.
    const auto key = [size](const TIconImage& image) {
        const bool tooSmall = image.Width < size;
        return std::tuple(tooSmall, tooSmall ? size - image.Width : image.Width - size,
                          -image.BitsPerPixel);
    };
    int best = -1;
    for (int i = 0; i < static_cast<int>(images_.size()); ++i)
        if (best < 0 || key(images_[i]) < key(images_[best]))
            best = i;
    return best;
}

void TIcon::Draw(TCanvas& canvas, int x, int y, int size) const {
    const int best = BestImageIndex(size);
    if (best < 0 || size <= 0)
        return;
    const QImage& image = images_[best].Image;
    canvas.DrawImage(x, y, image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}
