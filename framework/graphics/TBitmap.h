// An off-screen or resource bitmap: a 32-bit image with a canvas to draw on it. Sizes and
// coordinates are logical pixels; an off-screen bitmap made for a high-density screen holds
// DevicePixelRatio device pixels per logical one, so that what is drawn on it keeps the
// screen's full resolution.
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

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return image_.isNull(); }
    // Keeps the pixels both sizes share; new pixels are white. A zero size empties the bitmap.
    void SetSize(int width, int height);
    // Every pixel in one colour.
    void Fill(TColor color);
    // Device pixels per logical pixel; 1 for every bitmap read from a file or resource.
    double DevicePixelRatio() const { return ratio_; }
    // The size and density of a bitmap to be drawn on `target` unscaled: an off-screen buffer
    // composed at the target's own resolution. Keeps the pixels as SetSize does.
    void SetSizeFor(const TCanvas& target, int width, int height);

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
    bool Holds(int x, int y) const;
    void Resize(int width, int height, double ratio);
    void Changed();

    QImage image_; // device pixels
    int width_ = 0;
    int height_ = 0;
    double ratio_ = 1;
    std::unique_ptr<TCanvas> canvas_;
    bool transparent_ = false;
    std::optional<TColor> transparentColor_;
};
