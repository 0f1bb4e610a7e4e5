// An off-screen or resource bitmap: a 32-bit image with a canvas to draw on it.
#pragma once

#include "framework/core/TObject.h"
#include "framework/core/Types.h"

#include <QByteArray>
#include <QImage>
#include <functional>
#include <memory>
#include <optional>

class TCanvas;

class TBitmap : public TPersistent {
    Q_OBJECT
public:
    TBitmap();
    ~TBitmap() override;

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    bool Empty() const { return image_.isNull(); }
    // Keeps the pixels both sizes share; new pixels are white. A zero size empties the bitmap.
    void SetSize(int width, int height);

    // Draws on this bitmap; owned by the bitmap and valid for its lifetime.
    TCanvas& Canvas() const { return *canvas_; }
    // clNone outside the bitmap; writes outside are ignored.
    TColor Pixels(int x, int y) const;
    void SetPixels(int x, int y, TColor color);

    // The bitmap resource NAME, the Qt resource ":/skin/NAME.bmp" (also tried in upper case).
    // Raises EResourceError when it is missing or no readable bitmap.
    void LoadFromResourceName(const QString& name);
    // Raises EFileError when the file cannot be read as a bitmap.
    void LoadFromFile(const QString& path);
    // Raises EResourceError when the bytes are no readable bitmap.
    void LoadFromData(const QByteArray& bytes);
    // A bitmap as form descriptions store it (`Glyph.Data = {...}`): the length of a bitmap file
    // as 4 bytes, little-endian, then the file; a length of 0 stores an empty bitmap. Raises
    // EReadError for data that does not hold exactly that, and keeps the pixels it had.
    void LoadFromStoredData(const QByteArray& data);

    void Assign(const TBitmap& source);
    void Assign(const TPersistent* source) override;

    // When set, drawing the bitmap leaves out the pixels of TransparentColor.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    // The fixed colour once one is set, otherwise the bottom-left pixel (clNone when empty).
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);

    const QImage& Image() const { return image_; }

    // Called after the size, the pixels as a whole or the transparency changed.
    std::function<void()> OnChange;

private:
    void SetImage(const QImage& image);
    void Changed();

    QImage image_;
    std::unique_ptr<TCanvas> canvas_;
    bool transparent_ = false;
    std::optional<TColor> transparentColor_;
};
