#include "IconArt.h"

#include "Look.h"
#include "Paint.h"

#include <QPainter>
#include <QPainterPath>
#include <QtEndian>
#include <array>
#include <cassert>
#include <limits>

namespace art {
namespace {

constexpr int kIconType = 1;         // ICONDIR type: icon, not cursor
constexpr int kDirectoryBytes = 6;   // ICONDIR
constexpr int kEntryBytes = 16;      // ICONDIRENTRY
constexpr int kInfoHeaderBytes = 40; // BITMAPINFOHEADER
constexpr int kOpaqueAlpha = 128;    // at or above: drawn; below: masked out

const QColor kBubbleBorder{0x12, 0x3E, 0x86};
const QColor kHeart{0xE0, 0x30, 0x3C};
const QColor kHeartBorder{0x8A, 0x10, 0x18};
// The 16-colour image keeps to colours of its palette: blue, navy, red, maroon.
const QColor kFlatBubble{0x00, 0x00, 0xFF};
const QColor kFlatBubbleBorder{0x00, 0x00, 0x80};
const QColor kFlatHeart{0xFF, 0x00, 0x00};
const QColor kFlatHeartBorder{0x80, 0x00, 0x00};
constexpr int kFewColours = 4; // bits per pixel of the image drawn with flat colours

// The sixteen colours every 4-bit icon palette of the platform holds, in its order.
constexpr std::array<QRgb, 16> kStandard16{
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

// 8-bit: the sixteen, a 6 x 6 x 6 colour cube and a ramp of 24 greys.
std::vector<QRgb> Palette(int bitsPerPixel) {
    std::vector<QRgb> palette(kStandard16.begin(), kStandard16.end());
    if (bitsPerPixel == 4)
        return palette;
    assert(bitsPerPixel == 8);
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette.push_back(qRgb(r * 51, g * 51, b * 51));
    for (int i = 0; i < 24; ++i)
        palette.push_back(qRgb(8 + i * 10, 8 + i * 10, 8 + i * 10));
    return palette;
}

int Nearest(const std::vector<QRgb>& palette, QRgb colour) {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < static_cast<int>(palette.size()); ++i) {
        const int dr = qRed(palette[i]) - qRed(colour), dg = qGreen(palette[i]) - qGreen(colour),
                  db = qBlue(palette[i]) - qBlue(colour);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) { // ties keep the lower index
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

void Put16(QByteArray& out, int value) {
    char bytes[2];
    qToLittleEndian<quint16>(static_cast<quint16>(value), bytes);
    out.append(bytes, 2);
}

void Put32(QByteArray& out, int value) {
    char bytes[4];
    qToLittleEndian<quint32>(static_cast<quint32>(value), bytes);
    out.append(bytes, 4);
}

int RowBytes(int width, int bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// BITMAPINFOHEADER, palette, colour rows and mask rows, both bottom-up.
QByteArray EncodeImage(const IconImage& icon) {
    const QImage image = PaintIcon(icon.size, icon.bitsPerPixel == kFewColours);
    const std::vector<QRgb> palette = Palette(icon.bitsPerPixel);
    const int side = icon.size;
    const int colourBytes = RowBytes(side, icon.bitsPerPixel) * side;
    const int maskBytes = RowBytes(side, 1) * side;

    QByteArray out;
    Put32(out, kInfoHeaderBytes);
    Put32(out, side);
    Put32(out, side * 2); // the colour rows and the mask rows
    Put16(out, 1);
    Put16(out, icon.bitsPerPixel);
    Put32(out, 0); // uncompressed
    Put32(out, colourBytes + maskBytes);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, static_cast<int>(palette.size()));
    Put32(out, 0);
    for (QRgb colour : palette)
        Put32(out, static_cast<int>(colour & 0xFFFFFF)); // B, G, R, 0 in file order

    const int perByte = 8 / icon.bitsPerPixel;
    for (int y = side - 1; y >= 0; --y) {
        QByteArray row(RowBytes(side, icon.bitsPerPixel), '\0');
        for (int x = 0; x < side; ++x) {
            const QRgb pixel = image.pixel(x, y);
            const int index = qAlpha(pixel) >= kOpaqueAlpha ? Nearest(palette, pixel) : 0;
            const int shift = (perByte - 1 - x % perByte) * icon.bitsPerPixel;
            row[x / perByte] = static_cast<char>(row[x / perByte] | (index << shift));
        }
        out.append(row);
    }
    for (int y = side - 1; y >= 0; --y) {
        QByteArray row(RowBytes(side, 1), '\0');
        for (int x = 0; x < side; ++x)
            if (qAlpha(image.pixel(x, y)) < kOpaqueAlpha)
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

QPainterPath Bubble(double s) {
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(s * 0.06, s * 0.08, s * 0.88, s * 0.62), s * 0.18, s * 0.18);
    QPainterPath tail;
    tail.moveTo(s * 0.20, s * 0.62);
    tail.lineTo(s * 0.14, s * 0.92);
    tail.lineTo(s * 0.46, s * 0.66);
    tail.closeSubpath();
    return bubble.united(tail);
}

QPainterPath Heart(QPointF centre, double size) {
    QPainterPath heart;
    const double r = size / 4;
    heart.addEllipse(QPointF(centre.x() - r, centre.y() - r / 2), r, r);
    heart.addEllipse(QPointF(centre.x() + r, centre.y() - r / 2), r, r);
    QPainterPath point;
    point.moveTo(centre.x() - 2 * r, centre.y() - r / 3);
    point.lineTo(centre.x() + 2 * r, centre.y() - r / 3);
    point.lineTo(centre.x(), centre.y() + 1.6 * r);
    point.closeSubpath();
    return heart.united(point);
}

} // namespace

const std::vector<IconImage>& MainIconImages() {
    static const std::vector<IconImage> images{{32, 4}, {32, 8}, {48, 8}};
    return images;
}

const std::vector<int>& DesktopIconSizes() {
    static const std::vector<int> sizes{16, 22, 24, 32, 48, 64, 128, 256};
    return sizes;
}

QImage PaintIcon(int size, bool flat) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    // Flat: no blended edge pixels either, which would fall between the palette's colours.
    painter.setRenderHint(QPainter::Antialiasing, !flat);
    const double s = size;
    const QPainterPath bubble = Bubble(s);
    if (flat)
        painter.fillPath(bubble, kFlatBubble);
    else
        painter.fillPath(bubble,
                         Gradient(LookOf(Style::BlueGlass).title, QRectF(0, 0, s, s * 0.8)));
    painter.setPen(QPen(flat ? kFlatBubbleBorder : kBubbleBorder, s / 24));
    painter.drawPath(bubble);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    const double line = s / 11;
    const std::array<double, 3> widths{0.44, 0.50, 0.32}; // three lines of message text
    for (int i = 0; i < static_cast<int>(widths.size()); ++i)
        painter.drawRoundedRect(QRectF(s * 0.17, s * (0.2 + 0.14 * i), s * widths[i], line),
                                line / 2, line / 2);

    const QPainterPath heart = Heart(QPointF(s * 0.76, s * 0.36), s * 0.26);
    painter.fillPath(heart, flat ? kFlatHeart : kHeart);
    painter.setPen(QPen(flat ? kFlatHeartBorder : kHeartBorder, s / 32));
    painter.drawPath(heart);
    return image;
}

QByteArray EncodeIco(const std::vector<IconImage>& images) {
    std::vector<QByteArray> bodies;
    for (const IconImage& icon : images)
        bodies.push_back(EncodeImage(icon));

    QByteArray out;
    Put16(out, 0);
    Put16(out, kIconType);
    Put16(out, static_cast<int>(images.size()));
    int offset = kDirectoryBytes + kEntryBytes * static_cast<int>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.append(static_cast<char>(images[i].size));
        out.append(static_cast<char>(images[i].size));
        out.append(static_cast<char>(images[i].bitsPerPixel == 4 ? 16 : 0)); // 0: 256 or more
        out.append('\0');
        Put16(out, 1);
        Put16(out, images[i].bitsPerPixel);
        Put32(out, static_cast<int>(bodies[i].size()));
        Put32(out, offset);
        offset += static_cast<int>(bodies[i].size());
    }
    for (const QByteArray& body : bodies)
        out.append(body);
    return out;
}

} // namespace art
