// Paints the skin artwork and writes it into the source tree, or renders its contact sheet.
//   duanxin-skin-art write ROOT        ROOT/resources/skin/*.bmp, ROOT/resources/icons/MAINICON.ico
//                                      and the desktop icons ROOT/resources/icons/hicolor/
//   duanxin-skin-art theme ROOT        the jade theme's folder ROOT/resources/themes/jade/:
//                                      a bitmap per image role and theme.txt, which
//                                      duanxin-theme pack turns into the shipped theme file
//   duanxin-skin-art sheet ROOT PNG    the contact sheet of what ROOT/resources/skin holds
//   duanxin-skin-art theme-sheet ROOT PNG  the same for the jade theme's folder
//   duanxin-skin-art form ROOT         the title-bar pictures of the main window's form
//                                      description, as form text on standard output
#include "Catalogue.h"
#include "ContactSheet.h"
#include "FormPictures.h"
#include "IconArt.h"
#include "ThemeText.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSet>
#include <cstdio>

namespace {

constexpr int kBitCountOffset = 28; // BITMAPINFOHEADER.biBitCount within a .bmp file
constexpr int kTrueColour = 24;

QString SkinFolder(const QString& root) {
    return root + QStringLiteral("/resources/skin");
}
QString ThemeFolder(const QString& root) {
    return root + QStringLiteral("/resources/themes/jade");
}
QString IconFile(const QString& root) {
    return root + QStringLiteral("/resources/icons/MAINICON.ico");
}

// Where the desktop icon theme's folder for one size is kept, as it is installed.
QString DesktopIconFile(const QString& root, int size) {
    return QStringLiteral("%1/resources/icons/hicolor/%2x%2/apps/%3.png")
        .arg(root)
        .arg(size)
        .arg(QStringLiteral(DUANXIN_APP_ID));
}

bool Fail(const QString& message) {
    std::fprintf(stderr, "duanxin-skin-art: %s\n", qPrintable(message));
    return false;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return Fail(QStringLiteral("cannot write %1").arg(path));
    return true;
}

bool WriteBitmap(const QString& path, const QImage& image) {
    if (!image.convertToFormat(QImage::Format_RGB32).save(path, "BMP"))
        return Fail(QStringLiteral("cannot write %1").arg(path));
    QFile file(path);
    const QByteArray header = file.open(QIODevice::ReadOnly) ? file.read(32) : QByteArray();
    if (header.size() < 32 || header[kBitCountOffset] != kTrueColour)
        return Fail(QStringLiteral("%1 is not a 24-bit bitmap").arg(path));
    return true;
}

bool WriteDesktopIcons(const QString& root) {
    for (const int size : art::DesktopIconSizes()) {
        const QString path = DesktopIconFile(root, size);
        if (!QDir().mkpath(QFileInfo(path).path()) ||
            !art::PaintIcon(size, false).save(path, "PNG"))
            return Fail(QStringLiteral("cannot write %1").arg(path));
    }
    return true;
}

// Also removes bitmaps no longer painted, so the folder holds exactly the artwork.
bool WriteBitmaps(const QString& folder, const std::vector<art::Artwork>& artwork) {
    if (!QDir().mkpath(folder))
        return Fail(QStringLiteral("cannot create %1").arg(folder));
    QSet<QString> written;
    for (const art::Artwork& picture : artwork) {
        if (written.contains(picture.name))
            return Fail(QStringLiteral("%1 painted twice").arg(picture.name));
        if (!WriteBitmap(QStringLiteral("%1/%2.bmp").arg(folder, picture.name), picture.image))
            return false;
        written.insert(picture.name);
    }
    for (const QString& file : QDir(folder).entryList({QStringLiteral("*.bmp")}, QDir::Files))
        if (!written.contains(QFileInfo(file).completeBaseName()))
            QFile::remove(folder + QLatin1Char('/') + file);
    std::printf("%lld bitmaps written to %s\n", static_cast<long long>(written.size()),
                qPrintable(folder));
    return true;
}

bool WriteAll(const QString& root) {
    if (!QDir().mkpath(QFileInfo(IconFile(root)).path()))
        return Fail(QStringLiteral("cannot create the icon folder under %1").arg(root));
    return WriteBitmaps(SkinFolder(root), art::AllArtwork()) &&
           WriteFile(IconFile(root), art::EncodeIco(art::MainIconImages())) &&
           WriteDesktopIcons(root);
}

bool WriteTheme(const QString& root) {
    QString fault;
    const QString text = art::JadeThemeText(fault);
    if (text.isEmpty())
        return Fail(fault);
    const QString folder = ThemeFolder(root);
    const QString textFile = folder + QStringLiteral("/theme.txt");
    if (!WriteBitmaps(folder, art::ThemeArtwork(art::JadeLook())) ||
        !WriteFile(textFile, text.toUtf8()))
        return false;
    std::printf("theme values written to %s\n", qPrintable(textFile));
    return true;
}

bool SavePng(const QImage& image, const QString& png) {
    if (!image.save(png, "PNG"))
        return Fail(QStringLiteral("cannot write %1").arg(png));
    return true;
}

bool PrintFormPictures(const QString& root) {
    const QString text = art::MainWindowTitleBarText(SkinFolder(root));
    if (text.isEmpty())
        return Fail(QStringLiteral("the BlueGlass title bitmaps under %1 are missing or hold more "
                                   "than 256 colours")
                        .arg(SkinFolder(root)));
    std::fputs(qPrintable(text), stdout);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool ok = false;
    if (args.size() == 3 && args[1] == QLatin1String("write"))
        ok = WriteAll(args[2]);
    else if (args.size() == 3 && args[1] == QLatin1String("theme"))
        ok = WriteTheme(args[2]);
    else if (args.size() == 4 && args[1] == QLatin1String("sheet"))
        ok = SavePng(art::RenderContactSheet(SkinFolder(args[2]), IconFile(args[2])), args[3]);
    else if (args.size() == 4 && args[1] == QLatin1String("theme-sheet"))
        ok = SavePng(art::RenderThemeSheet(art::JadeLook(), ThemeFolder(args[2])), args[3]);
    else if (args.size() == 3 && args[1] == QLatin1String("form"))
        ok = PrintFormPictures(args[2]);
    else
        ok = Fail(
            QStringLiteral("usage: duanxin-skin-art write ROOT | theme ROOT | sheet ROOT PNG | "
                           "theme-sheet ROOT PNG | form ROOT"));
    return ok ? 0 : 1;
}
