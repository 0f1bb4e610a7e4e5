// Arbitrary bytes as a picture's stored data, as a bare bitmap's, as a bitmap file and as an
// icon file: each loader must take them or raise its own error, never read outside them, and a
// load that fails must leave the pixels it found. What loads is drawn, as the program draws it.
#include "Require.h"
#include "framework/core/Exception.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "framework/graphics/TIcon.h"
#include "framework/graphics/TPicture.h"

#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

namespace {

constexpr int kBefore = 3; // the size of the bitmap a load starts from

// As buttons draw their glyphs: whole, and a part of it without its transparent colour, onto a
// small bitmap however large the picture is.
void Draw(const TBitmap& bitmap) {
    TBitmap target;
    target.SetSize(8, 8);
    target.Canvas().Draw(0, 0, bitmap);
    target.Canvas().DrawTransparent({0, 0, 8, 8}, bitmap,
                                    {0, 0, bitmap.Width() / 2 + 1, bitmap.Height()},
                                    bitmap.TransparentColor());
    (void)bitmap.Pixels(bitmap.Width(), 0); // off the bitmap
}

// Loads into a bitmap that already holds pixels; when the load fails they must still be there.
template <class Load> void LoadOver(TBitmap& bitmap, Load load) {
    bitmap.SetSize(kBefore, kBefore);
    bitmap.Fill(clRed);
    try {
        load();
    } catch (const EReadError&) {
        Require(bitmap.Width() == kBefore && bitmap.Height() == kBefore &&
                bitmap.Pixels(kBefore - 1, 0) == clRed);
        return;
    }
    Draw(bitmap);
}

void LoadBitmapFile(const QByteArray& bytes) {
    TBitmap bitmap;
    try {
        bitmap.LoadFromData(bytes);
    } catch (const EResourceError&) {
        return;
    }
    Require(!bitmap.Empty());
    Draw(bitmap);
}

// Drawn at the window's icon sizes.
void LoadIcon(const QByteArray& bytes) {
    TIcon icon;
    try {
        icon.LoadFromData(bytes);
    } catch (const EResourceError&) {
        return;
    }
    Require(!icon.Empty());
    TBitmap target;
    target.SetSize(32, 32);
    for (const int size : {16, 32})
        icon.Draw(target.Canvas(), 0, 0, size);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv); // drawing on a canvas needs one
    // The image readers' complaint about every bad input would bury the fuzzer's own output.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TPicture picture;
    LoadOver(*picture.Bitmap(), [&] { picture.LoadFromStoredData(bytes); });
    TBitmap bitmap;
    LoadOver(bitmap, [&] { bitmap.LoadFromStoredData(bytes); });
    LoadBitmapFile(bytes);
    LoadIcon(bytes);
    return 0;
}
