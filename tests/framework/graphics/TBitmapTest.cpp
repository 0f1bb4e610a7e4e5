#include "framework/graphics/TBitmap.h"
#include "framework/core/Exception.h"

#include <QBuffer>
#include <QResource>
#include <QTemporaryDir>
#include <QtEndian>
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

// A minimal compiled resource (rcc format 1) holding one file, /skin/<name>: a root and a
// "skin" directory node, then the file node; names carry Qt's resource hash.
class ResourceFile {
public:
    ResourceFile(const QString& name, const QByteArray& content) {
        const QByteArray names = Name("skin") + Name(name);
        QByteArray tree;
        Dir(tree, 0, 1, 1);
        Dir(tree, 0, 1, 2);
        File(tree, quint32(Name("skin").size()));
        QByteArray data;
        Append32(data, quint32(content.size()));
        data += content;
        constexpr int kHeader = 20;
        Append32(rcc_ += "qres", 1);
        Append32(rcc_, kHeader);
        Append32(rcc_, quint32(kHeader + tree.size()));
        Append32(rcc_, quint32(kHeader + tree.size() + data.size()));
        rcc_ += tree + data + names;
        registered_ = QResource::registerResource(Data());
    }
    ~ResourceFile() {
        if (registered_)
            QResource::unregisterResource(Data());
    }
    bool Registered() const { return registered_; }

private:
    const uchar* Data() const { return reinterpret_cast<const uchar*>(rcc_.constData()); }
    static void Append16(QByteArray& out, quint16 v) { out.append(char(v >> 8)).append(char(v)); }
    static void Append32(QByteArray& out, quint32 v) {
        Append16(out, quint16(v >> 16));
        Append16(out, quint16(v));
    }
    static QByteArray Name(const QString& name) {
        quint32 hash = 0;
        for (const QChar c : name) {
            hash = (hash << 4) + c.unicode();
            hash ^= (hash & 0xf0000000) >> 23;
            hash &= 0x0fffffff;
        }
        QByteArray out;
        Append16(out, quint16(name.size()));
        Append32(out, hash);
        for (const QChar c : name)
            Append16(out, c.unicode());
        return out;
    }
    static void Dir(QByteArray& tree, quint32 name, quint32 count, quint32 first) {
        Append32(tree, name);
        Append16(tree, 0x02);
        Append32(tree, count);
        Append32(tree, first);
    }
    static void File(QByteArray& tree, quint32 name) {
        constexpr quint16 kAnyTerritory = 0;
        constexpr quint16 kLanguageC = 1;
        Append32(tree, name);
        Append16(tree, 0);
        Append16(tree, kAnyTerritory);
        Append16(tree, kLanguageC);
        Append32(tree, 0);
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
