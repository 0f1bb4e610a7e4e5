#include "framework/graphics/TBitmap.h"
#include "framework/core/Exception.h"

#include <QBuffer>
#include <QDataStream>
#include <QResource>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray BmpBytes(int w, int h, QRgb fill, QRgb bottomLeft) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(fill);
    image.setPixel(0, h - 1, bottomLeft);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// A minimal compiled resource (rcc format 1, big-endian) holding one file, /skin/<name>: tree
// nodes for the root, "skin" and the file, its data, then the names with Qt's resource hash.
class ResourceFile {
public:
    ResourceFile(const QString& name, const QByteArray& content) {
        constexpr quint16 kDirectory = 2;
        constexpr quint16 kAnyTerritory = 0;
        constexpr quint16 kLanguageC = 1;
        const QByteArray names = Name("skin") + Name(name);
        QByteArray tree;
        QDataStream nodes(&tree, QIODevice::WriteOnly);
        nodes << quint32(0) << kDirectory << quint32(1) << quint32(1);
        nodes << quint32(0) << kDirectory << quint32(1) << quint32(2);
        nodes << quint32(Name("skin").size()) << quint16(0) << kAnyTerritory << kLanguageC
              << quint32(0);
        const quint32 treeAt = 20;
        const quint32 dataAt = treeAt + quint32(tree.size());
        QDataStream out(&rcc_, QIODevice::WriteOnly);
        out.writeRawData("qres", 4);
        out << quint32(1) << treeAt << dataAt << quint32(dataAt + 4 + content.size());
        out.writeRawData(tree.constData(), int(tree.size()));
        out << quint32(content.size());
        out.writeRawData(content.constData(), int(content.size()));
        out.writeRawData(names.constData(), int(names.size()));
        registered_ = QResource::registerResource(Data());
    }
    ~ResourceFile() {
        if (registered_)
            QResource::unregisterResource(Data());
    }
    bool Registered() const { return registered_; }

private:
    const uchar* Data() const { return reinterpret_cast<const uchar*>(rcc_.constData()); }
    static QByteArray Name(const QString& name) {
        quint32 hash = 0;
        for (const QChar c : name) {
            hash = (hash << 4) + c.unicode();
            hash ^= (hash & 0xf0000000) >> 23;
            hash &= 0x0fffffff;
        }
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << quint16(name.size()) << hash;
        for (const QChar c : name)
            out << quint16(c.unicode());
        return bytes;
    }

    QByteArray rcc_;
    bool registered_ = false;
};

} // namespace

TEST(TBitmap, LoadsBmpDataAndTakesTheBottomLeftPixelAsTransparentColour) {
    TBitmap bitmap;
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.TransparentColor(), clNone);
    int changes = 0;
    bitmap.OnChange = [&changes] { ++changes; };
    bitmap.LoadFromData(BmpBytes(5, 3, qRgb(0, 255, 0), qRgb(255, 0, 255)));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(bitmap.Width(), 5);
    EXPECT_EQ(bitmap.Height(), 3);
    EXPECT_EQ(bitmap.Pixels(4, 0), clLime);
    EXPECT_EQ(bitmap.TransparentColor(), clFuchsia);
    bitmap.SetTransparentColor(clLime);
    EXPECT_EQ(bitmap.TransparentColor(), clLime);
}

TEST(TBitmap, InvalidBitmapsRaise) {
    TBitmap bitmap;
    EXPECT_THROW(bitmap.LoadFromData("BM not really a bitmap"), EResourceError);
    QTemporaryDir dir;
    const QString path = dir.filePath("broken.bmp");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(BmpBytes(4, 4, 0, 0).left(30));
    file.close();
    EXPECT_THROW(bitmap.LoadFromFile(path), EFileError);
    EXPECT_THROW(bitmap.LoadFromFile(dir.filePath("missing.bmp")), EFileError);
    EXPECT_TRUE(bitmap.Empty());
}

TEST(TBitmap, MissingResourceRaisesWithItsName) {
    TBitmap bitmap;
    try {
        bitmap.LoadFromResourceName("NO_SUCH_SKIN");
        FAIL() << "no error raised";
    } catch (const EResourceError& e) {
        EXPECT_TRUE(e.Message().contains("NO_SUCH_SKIN"));
    }
}

TEST(TBitmap, FindsResourcesByTheUpperCaseName) {
    const ResourceFile resource("TEST_BUTTON.bmp",
                                BmpBytes(6, 2, qRgb(0, 0, 255), qRgb(0, 0, 255)));
    ASSERT_TRUE(resource.Registered());
    TBitmap bitmap;
    bitmap.LoadFromResourceName("test_button");
    EXPECT_EQ(bitmap.Width(), 6);
    EXPECT_EQ(bitmap.Pixels(0, 0), clBlue);
    const ResourceFile broken("BROKEN.bmp", "BM garbage");
    EXPECT_THROW(bitmap.LoadFromResourceName("BROKEN"), EResourceError);
}

TEST(TBitmap, AssignCopiesPixelsAndTransparencyIndependently) {
    TBitmap source;
    source.LoadFromData(BmpBytes(3, 3, qRgb(255, 0, 0), qRgb(0, 0, 0)));
    source.SetTransparent(true);
    TBitmap copy;
    copy.Assign(&source);
    EXPECT_TRUE(copy.Transparent());
    EXPECT_EQ(copy.TransparentColor(), clBlack);
    copy.SetPixels(1, 1, clWhite);
    EXPECT_EQ(source.Pixels(1, 1), clRed);
    EXPECT_EQ(copy.Pixels(1, 1), clWhite);
}
