#include "framework/graphics/TBitmap.h"

#include "framework/core/Exception.h"
#include "framework/graphics/Colors.h"
#include "framework/graphics/DevicePixels.h"
#include "framework/graphics/TCanvas.h"
#include "framework/platform/QtResources.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QResource>
#include <QtEndian>

namespace {

constexpr auto kPixelFormat = QImage::Format_RGB32;
constexpr char kBitmapFormat[] = "BMP";
constexpr qsizetype kStoredLengthSize = 4; // the stored data's leading byte count

QImage ReadBitmap(const QByteArray& bytes) {
    QImage image;
    image.loadFromData(bytes, kBitmapFormat);
    return image.isNull() ? image : image.convertToFormat(kPixelFormat);
}

// Compiled-in pictures do not change while the program runs, and the skin reads the same strips
// at every paint: each is decoded once. A resource registered afresh under the same path holds
// other bytes, so it is decoded again.
struct DecodedResource {
    QByteArray stored; // the resource's bytes as registered (compressed or not)
    QImage image;
};

QImage ResourceImage(const QString& name) {
    static QHash<QString, DecodedResource> decoded;
    const std::optional<QString> path =
        QtResources::Locate(QStringLiteral("skin"), name, QStringLiteral("bmp"));
    if (!path)
        throw EResourceError(QStringLiteral("Resource %1 not found").arg(name));
    const QResource resource(*path);
    const QByteArray stored =
        QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size());
    if (const auto found = decoded.constFind(*path);
        found != decoded.cend() && found->stored == stored)
        return found->image;
    QFile file(*path);
    const QImage image = file.open(QIODevice::ReadOnly) ? ReadBitmap(file.readAll()) : QImage();
    if (image.isNull())
        throw EResourceError(QStringLiteral("Resource %1 is not a valid bitmap").arg(name));
    decoded.insert(*path, {QByteArray(stored.constData(), stored.size()), image});
    return image;
}

} // namespace

TBitmap::TBitmap() : canvas_(std::make_unique<TCanvas>(&image_)) {}

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height) {
    Resize(width, height, ratio_);
}

void TBitmap::SetSizeFor(const TCanvas& target, int width, int height) {
    Resize(width, height, target.DevicePixelRatio());
}

void TBitmap::Resize(int width, int height, double ratio) {
    if (width == Width() && height == Height() && ratio == ratio_)
        return;
    if (width <= 0 || height <= 0) {
        ratio_ = 1;
        SetImage(QImage());
        return;
    }
    QImage resized(DeviceEdge(width, ratio), DeviceEdge(height, ratio), kPixelFormat);
    resized.setDevicePixelRatio(ratio);
    resized.fill(Qt::white);
    if (!image_.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(0, 0, image_);
    }
    image_ = resized;
    width_ = width;
    height_ = height;
    ratio_ = ratio;
    Changed();
}

void TBitmap::Fill(TColor color) {
    image_.fill(ToQRgb(color));
    Changed();
}

bool TBitmap::Holds(int x, int y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_;
}

TColor TBitmap::Pixels(int x, int y) const {
    return Holds(x, y) ? FromQRgb(image_.pixel(DeviceEdge(x, ratio_), DeviceEdge(y, ratio_)))
                       : clNone;
}

// A logical pixel of a high-density bitmap is a block of device pixels.
void TBitmap::SetPixels(int x, int y, TColor color) {
    if (!Holds(x, y))
        return;
    const QRect block = DeviceRect({x, y, x + 1, y + 1}, ratio_);
    for (int row = block.top(); row <= block.bottom(); ++row)
        for (int column = block.left(); column <= block.right(); ++column)
            image_.setPixel(column, row, ToQRgb(color));
}

void TBitmap::LoadFromResourceName(const QString& name) {
    SetImage(ResourceImage(name));
}

void TBitmap::LoadFromFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EFileError(QStringLiteral("Cannot open file \"%1\"").arg(path));
    const QImage image = ReadBitmap(file.readAll());
    if (image.isNull())
        throw EFileError(QStringLiteral("File \"%1\" is not a valid bitmap").arg(path));
    SetImage(image);
}

void TBitmap::LoadFromData(const QByteArray& bytes) {
    const QImage image = ReadBitmap(bytes);
    if (image.isNull())
        throw EResourceError(QStringLiteral("Bitmap image is not valid"));
    SetImage(image);
}

void TBitmap::LoadFromStoredData(const QByteArray& data) {
    if (data.size() < kStoredLengthSize)
        throw EReadError(QStringLiteral("Bitmap data is too short"));
    const qint64 announced = qFromLittleEndian<qint32>(data.constData());
    const qint64 held = data.size() - kStoredLengthSize;
    if (announced != held)
        throw EReadError(
            QStringLiteral("Bitmap data announces %1 bytes but holds %2").arg(announced).arg(held));
    if (held == 0) {
        SetImage(QImage());
        return;
    }
    const QImage image = ReadBitmap(data.mid(kStoredLengthSize));
    if (image.isNull())
        throw EReadError(QStringLiteral("Bitmap data is no valid bitmap"));
    SetImage(image);
}

void TBitmap::Assign(const TBitmap& source) {
    if (&source == this)
        return;
    transparent_ = source.transparent_;
    transparentColor_ = source.transparentColor_;
    image_ = source.image_;
    width_ = source.width_;
    height_ = source.height_;
    ratio_ = source.ratio_;
    Changed();
}

void TBitmap::Assign(const TPersistent* source) {
    if (const auto* bitmap = qobject_cast<const TBitmap*>(source))
        Assign(*bitmap);
    else
        TPersistent::Assign(source);
}

void TBitmap::SetTransparent(bool transparent) {
    if (transparent_ != transparent) {
        transparent_ = transparent;
        Changed();
    }
}

TColor TBitmap::TransparentColor() const {
    if (transparentColor_)
        return *transparentColor_;
    return Pixels(0, Height() - 1);
}

void TBitmap::SetTransparentColor(TColor color) {
    transparentColor_ = color;
    Changed();
}

// Replaces the pixels in place, one device pixel a logical one: the canvas keeps pointing at
// image_.
void TBitmap::SetImage(const QImage& image) {
    image_ = image;
    image_.setDevicePixelRatio(1);
    width_ = image_.width();
    height_ = image_.height();
    ratio_ = 1;
    Changed();
}

void TBitmap::Changed() {
    if (OnChange)
        OnChange();
}
