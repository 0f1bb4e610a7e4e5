#include "FormPictures.h"

#include <QHash>
#include <QtEndian>
#include <vector>

namespace art {
namespace {

constexpr int kFileHeader = 14;
constexpr int kInfoHeader = 40;
constexpr int kPaletteEntries = 256;
constexpr int kTitleButtonFrames = 18;
constexpr int kHexBytesPerLine = 32;

// The four title-bar buttons of the main window, in collection order, with the first of their
// three frames in the strip.
struct StoredButton {
    const char* type;
    bool visible;
    int firstFrame;
};
constexpr StoredButton kButtons[] = {
    {"suiControlBox", false, 1},
    {"suiClose", true, 16},
    {"suiMax", false, 7},
    {"suiMin", true, 13},
};

struct StoredSection {
    const char* bitmap;
    bool autoSize;
    const char* align;
    bool stretch;
};
constexpr StoredSection kSections[] = {
    {"BLUEGLASS_TITLE_LEFT", true, "suiLeft", false},
    {"BLUEGLASS_TITLE_RIGHT", true, "suiRight", false},
    {"BLUEGLASS_TITLE_CLIENT", false, "suiClient", true},
};
constexpr int kClientSectionWidth = 10;

int Stride(int width, int bits) {
    return (width * bits + 31) / 32 * 4;
}

// File and info headers for a bottom-up BI_RGB bitmap; the pixels start after `palette` bytes.
QByteArray Headers(const QImage& image, int bits, int paletteBytes) {
    const int offset = kFileHeader + kInfoHeader + paletteBytes;
    const int size = offset + Stride(image.width(), bits) * image.height();
    QByteArray bytes(offset, '\0');
    char* p = bytes.data();
    p[0] = 'B';
    p[1] = 'M';
    qToLittleEndian<quint32>(quint32(size), p + 2);
    qToLittleEndian<quint32>(quint32(offset), p + 10);
    qToLittleEndian<quint32>(kInfoHeader, p + 14);
    qToLittleEndian<qint32>(image.width(), p + 18);
    qToLittleEndian<qint32>(image.height(), p + 22);
    qToLittleEndian<quint16>(1, p + 26);
    qToLittleEndian<quint16>(quint16(bits), p + 28);
    if (paletteBytes > 0)
        qToLittleEndian<quint32>(quint32(paletteBytes / 4), p + 46);
    return bytes;
}

QString Bool(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// A picture property's stored data: the graphic's class as a counted string, the file's length,
// the file; hex in lines of 32 bytes.
QString PictureData(const QString& property, const QByteArray& file, const QString& indent) {
    QByteArray data("\x07TBitmap");
    QByteArray length(4, '\0');
    qToLittleEndian<quint32>(quint32(file.size()), length.data());
    data += length + file;
    QString text = QStringLiteral("%1%2.Data = {").arg(indent, property);
    for (qsizetype at = 0; at < data.size(); at += kHexBytesPerLine)
        text +=
            QStringLiteral("\n%1  %2")
                .arg(indent, QString::fromLatin1(data.mid(at, kHexBytesPerLine).toHex().toUpper()));
    return text + QStringLiteral("}\n");
}

QImage LoadBitmap(const QString& skinFolder, const QString& name) {
    return QImage(QStringLiteral("%1/%2.bmp").arg(skinFolder, name))
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

QByteArray EncodeBmp16(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QByteArray bytes = Headers(image, 16, 0);
    const int stride = Stride(image.width(), 16);
    for (int row = image.height() - 1; row >= 0; --row) {
        QByteArray line(stride, '\0');
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, row);
            const auto packed =
                quint16(((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3));
            qToLittleEndian<quint16>(packed, line.data() + x * 2);
        }
        bytes += line;
    }
    return bytes;
}

QByteArray EncodeBmp8(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> index;
    std::vector<QRgb> palette;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y) | 0xFF000000u;
            if (!index.contains(c)) {
                if (palette.size() == kPaletteEntries)
                    return {};
                index.insert(c, static_cast<int>(palette.size()));
                palette.push_back(c);
            }
        }
    QByteArray bytes = Headers(image, 8, kPaletteEntries * 4);
    char* entries = bytes.data() + kFileHeader + kInfoHeader;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        entries[i * 4] = char(qBlue(palette[i]));
        entries[i * 4 + 1] = char(qGreen(palette[i]));
        entries[i * 4 + 2] = char(qRed(palette[i]));
    }
    const int stride = Stride(image.width(), 8);
    for (int row = image.height() - 1; row >= 0; --row) {
        QByteArray line(stride, '\0');
        for (int x = 0; x < image.width(); ++x)
            line[x] = char(index.value(image.pixel(x, row) | 0xFF000000u));
        bytes += line;
    }
    return bytes;
}

QString MainWindowTitleBarText(const QString& skinFolder) {
    const QImage strip = LoadBitmap(skinFolder, QStringLiteral("BLUEGLASS_TITLEBTN"));
    if (strip.isNull())
        return {};
    const int side = strip.width() / kTitleButtonFrames;
    const QString item = QStringLiteral("      ");
    const QString inner = QStringLiteral("        ");
    QString text = QStringLiteral("    TitleBarButtons = <");
    for (const StoredButton& button : kButtons) {
        text += QStringLiteral("\n%1item\n").arg(item);
        text += QStringLiteral("%1UIStyle = BlueGlass\n%1ButtonType = %2\n%1Transparent = True\n"
                               "%1Top = 6\n%1Visible = %3\n")
                    .arg(inner, QLatin1String(button.type), Bool(button.visible));
        const char* pictures[] = {"PicNormal", "PicMouseOn", "PicMouseDown"};
        for (int state = 0; state < 3; ++state) {
            const QImage frame = strip.copy((button.firstFrame - 1 + state) * side, 0, side, side);
            text += PictureData(QLatin1String(pictures[state]), EncodeBmp16(frame), inner);
        }
        text += QStringLiteral("%1end").arg(item);
    }
    text += QStringLiteral(">\n    TitleBarSections = <");
    for (const StoredSection& section : kSections) {
        const QImage picture = LoadBitmap(skinFolder, QLatin1String(section.bitmap));
        const QByteArray file = EncodeBmp8(picture);
        if (file.isEmpty())
            return {};
        const int width = section.autoSize ? picture.width() : kClientSectionWidth;
        text += QStringLiteral("\n%1item\n").arg(item);
        text += QStringLiteral("%1AutoSize = %2\n%1Width = %3\n%1Align = %4\n")
                    .arg(inner, Bool(section.autoSize), QString::number(width),
                         QLatin1String(section.align));
        text += PictureData(QStringLiteral("Picture"), file, inner);
        text += QStringLiteral("%1Stretch = %2\n%3end").arg(inner, Bool(section.stretch), item);
    }
    return text + QStringLiteral(">\n");
}

} // namespace art
