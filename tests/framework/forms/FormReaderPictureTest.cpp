#include "framework/forms/FormReader.h"

#include "../graphics/ResourceFile.h"
#include "framework/core/Exception.h"
#include "framework/core/TForm.h"
#include "framework/forms/ClassRegistry.h"
#include "framework/forms/FormParser.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TPicture.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// A title-bar button's pictures: a bare bitmap and a picture.
class TPictureProbe : public TComponent {
    Q_OBJECT
    Q_PROPERTY(TBitmap* PicNormal READ PicNormal)
    Q_PROPERTY(TPicture* Picture READ Picture)
public:
    explicit TPictureProbe(TComponent* owner) : TComponent(owner) {
        picture_.OnChange = [this] { ++pictureChanges; };
    }
    TBitmap* PicNormal() { return &picNormal_; }
    TPicture* Picture() { return &picture_; }
    int pictureChanges = 0;

private:
    TBitmap picNormal_;
    TPicture picture_;
};

constexpr quint16 kRed555 = 0x7C00;
constexpr quint16 kBlue555 = 0x001F;
// A full 5-bit channel reads as 248 (31 << 3), as GDI reads it.
constexpr TColor kRead555Red = 0x0000F8;
constexpr TColor kRead555Blue = 0xF80000;

// A 16-bit (5-5-5) bitmap file, red with a blue top-left pixel, as the title-bar buttons'
// pictures are stored.
QByteArray Bmp16(int w, int h) {
    const int stride = (w * 16 + 31) / 32 * 4;
    QByteArray bytes(14 + 40 + stride * h, '\0');
    char* p = bytes.data();
    p[0] = 'B', p[1] = 'M';
    qToLittleEndian<quint32>(quint32(bytes.size()), p + 2);
    qToLittleEndian<quint32>(14 + 40, p + 10);
    qToLittleEndian<quint32>(40, p + 14);
    qToLittleEndian<qint32>(w, p + 18);
    qToLittleEndian<qint32>(h, p + 22);
    qToLittleEndian<quint16>(1, p + 26);
    qToLittleEndian<quint16>(16, p + 28);
    for (int row = 0; row < h; ++row) // bottom-up: the last row stored is the top one
        for (int x = 0; x < w; ++x)
            qToLittleEndian<quint16>(row == h - 1 && x == 0 ? kBlue555 : kRed555,
                                     p + 54 + row * stride + x * 2);
    return bytes;
}

// A bitmap as descriptions store it: its length, then the file.
QByteArray StoredBitmap(const QByteArray& file) {
    QByteArray length(4, '\0');
    qToLittleEndian<quint32>(quint32(file.size()), length.data());
    return length + file;
}

QByteArray StoredPicture(const QByteArray& className, const QByteArray& graphic) {
    return char(className.size()) + className + graphic;
}

QString Hex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex().toUpper());
}

} // namespace

REGISTER_COMPONENT_CLASS(TPictureProbe)

namespace {

TPictureProbe* ReadProbe(TForm& form, const QString& properties) {
    FormReader::ReadInto(&form, FormParser::Parse(QStringLiteral("object Main: TForm\n"
                                                                 "  object P: TPictureProbe\n") +
                                                  properties + QStringLiteral("  end\nend\n")));
    return qobject_cast<TPictureProbe*>(form.FindComponent(QStringLiteral("P")));
}

// Read into a form of its own, so that every description starts afresh.
QString ErrorFor(const QString& properties) {
    try {
        TForm fresh(nullptr);
        ReadProbe(fresh, properties);
    } catch (const EReadError& error) {
        return error.Message();
    }
    return QStringLiteral("(no error)");
}

} // namespace

class FormReaderPictureTest : public testing::Test {
protected:
    TPictureProbe* Read(const QString& properties) { return ReadProbe(form, properties); }

    TForm form{nullptr};
};

TEST_F(FormReaderPictureTest, StoredDataFillsABitmapAndAPicture) {
    const QByteArray bitmap = StoredBitmap(Bmp16(19, 19));
    TPictureProbe* p = Read(
        QStringLiteral("    PicNormal.Data = {\n      %1\n      %2}\n"
                       "    Picture.Data = {%3}\n")
            .arg(Hex(bitmap.left(40)), Hex(bitmap.mid(40)), Hex(StoredPicture("TBitmap", bitmap))));
    ASSERT_NE(p, nullptr);
    for (const TBitmap* b : {p->PicNormal(), p->Picture()->Bitmap()}) {
        EXPECT_EQ(b->Width(), 19);
        EXPECT_EQ(b->Height(), 19);
        EXPECT_EQ(b->Pixels(0, 0), kRead555Blue);
        EXPECT_EQ(b->Pixels(18, 18), kRead555Red);
    }
    EXPECT_EQ(p->pictureChanges, 1);
}

TEST_F(FormReaderPictureTest, ANameStandsForABitmapResourceOfTheProgram) {
    const ResourceFile resource(QStringLiteral("skin"), QStringLiteral("TITLE_CLOSE.bmp"),
                                Bmp16(19, 19));
    ASSERT_TRUE(resource.Registered());
    TPictureProbe* p = Read(QStringLiteral("    PicNormal = 'title_close'\n"
                                           "    Picture = 'TITLE_CLOSE'\n"));
    EXPECT_EQ(p->PicNormal()->Width(), 19);
    EXPECT_EQ(p->Picture()->Bitmap()->Pixels(0, 0), kRead555Blue);
}

TEST_F(FormReaderPictureTest, AStoredLengthOfZeroEmptiesThePicture) {
    const QByteArray empty(4, '\0');
    TPictureProbe* p = Read(QStringLiteral("    Picture.Data = {%1}\n    Picture.Data = {%2}\n")
                                .arg(Hex(StoredPicture("TBitmap", StoredBitmap(Bmp16(2, 2)))),
                                     Hex(StoredPicture("TBitmap", empty))));
    EXPECT_TRUE(p->Picture()->Empty());
}

TEST_F(FormReaderPictureTest, BadPicturesAreReadErrorsNamingLineComponentAndProperty) {
    const QByteArray bitmap = StoredBitmap(Bmp16(19, 19));
    const QString line = QStringLiteral("Form description, line 3: ");
    EXPECT_EQ(ErrorFor(QStringLiteral("    PicNormal.Data = {0A00}\n")),
              line + QStringLiteral("P.PicNormal.Data: Bitmap data is too short"));
    EXPECT_EQ(ErrorFor(QStringLiteral("    PicNormal.Data = {%1}\n").arg(Hex(bitmap.chopped(1)))),
              line + QStringLiteral("P.PicNormal.Data: Bitmap data announces %1 bytes but holds %2")
                         .arg(bitmap.size() - 4)
                         .arg(bitmap.size() - 5));
    QByteArray garbage = bitmap;
    garbage[4] = 'X'; // no "BM" any more
    EXPECT_EQ(ErrorFor(QStringLiteral("    PicNormal.Data = {%1}\n").arg(Hex(garbage))),
              line + QStringLiteral("P.PicNormal.Data: Bitmap data is no valid bitmap"));
    EXPECT_EQ(ErrorFor(QStringLiteral("    Picture.Data = {%1}\n")
                           .arg(Hex(StoredPicture("TJPEGImage", bitmap)))),
              line + QStringLiteral("P.Picture.Data: Picture data holds a TJPEGImage; only TBitmap "
                                    "can be read"));
    EXPECT_EQ(ErrorFor(QStringLiteral("    Picture.Data = {07544269}\n")),
              line + QStringLiteral("P.Picture.Data: Picture data is too short"));
    EXPECT_EQ(ErrorFor(QStringLiteral("    Picture.Data = {}\n")),
              line + QStringLiteral("P.Picture.Data: Picture data is empty"));
    EXPECT_EQ(ErrorFor(QStringLiteral("    Picture.Data = {0754426}\n")),
              line + QStringLiteral("P.Picture.Data: binary data ends in half a byte"));
    EXPECT_EQ(ErrorFor(QStringLiteral("    Picture.Data = {0754GG}\n")),
              line + QStringLiteral("P.Picture.Data: bad binary data"));
    // A bitmap file cut short, its stored length telling the truth about the cut.
    EXPECT_EQ(ErrorFor(QStringLiteral("    PicNormal.Data = {%1}\n")
                           .arg(Hex(StoredBitmap(Bmp16(19, 19).left(40))))),
              line + QStringLiteral("P.PicNormal.Data: Bitmap data is no valid bitmap"));
    EXPECT_EQ(ErrorFor(QStringLiteral("    Picture = 'NO_SUCH_PICTURE'\n")),
              line + QStringLiteral("P.Picture: Resource NO_SUCH_PICTURE not found"));
    EXPECT_EQ(ErrorFor(QStringLiteral("    Picture = 12\n")),
              line + QStringLiteral("P.Picture: an integer is no valid value for Picture"));
}

TEST(TPicture, ABadPictureKeepsWhatItHeld) {
    TPictureProbe probe(nullptr);
    probe.Picture()->LoadFromStoredData(StoredPicture("TBitmap", StoredBitmap(Bmp16(3, 3))));
    EXPECT_THROW(probe.Picture()->LoadFromStoredData(
                     StoredPicture("TBitmap", QByteArray::fromHex("02000000424D"))),
                 EReadError);
    EXPECT_EQ(probe.Picture()->Width(), 3);
    EXPECT_EQ(probe.pictureChanges, 1);
}

TEST(ClassRegistry, TheFrameworksClassesRegisterThemselves) {
    for (const char* name :
         {"TButton", "TDBGrid", "TDBMemo", "TEdit", "TLabel", "TMemo", "TPanel", "TADOConnection",
          "TADOQuery", "TDataSource", "TTimer", "TAction", "TActionList", "TPictureProbe"})
        EXPECT_TRUE(ClassRegistry::IsRegistered(QString::fromLatin1(name))) << name;
    EXPECT_TRUE(ClassRegistry::IsRegistered(QStringLiteral("ttimer"))); // names ignore case
    EXPECT_FALSE(ClassRegistry::IsRegistered(QStringLiteral("TNoSuchClass")));
}

#include "FormReaderPictureTest.moc"
