// A drawing surface with GDI's pixel rules, over a bitmap's image or any paint device (a widget
// inside its paint event). Rectangles have exclusive right and bottom edges. Drawing is never
// antialiased and stretching is nearest-neighbour, so results are exact pixel for pixel.
// Coordinates are logical pixels; on a high-density surface pictures are enlarged without
// smoothing, each logical edge on a whole device pixel, while text keeps the full resolution.
#pragma once

#include "framework/core/Types.h"
#include "framework/graphics/TBrush.h"
#include "framework/graphics/TFont.h"
#include "framework/graphics/TPen.h"

#include <QImage>
#include <functional>
#include <optional>

class QPainter;
class QPaintDevice;
class TBitmap;
class TRegion;

class TCanvas {
public:
    // The image must outlive the canvas; pixel reads and CopyRect sources need one.
    explicit TCanvas(QImage* image);
    // A device without pixel access; a painter is opened for each drawing call.
    explicit TCanvas(QPaintDevice* device);
    // A painter already open on its device (a paint event's); each drawing call leaves its
    // state as it found it. The painter must outlive the canvas.
    explicit TCanvas(QPainter* painter);
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TPen& Pen() { return pen_; }
    TBrush& Brush() { return brush_; }
    TFont& Font() { return font_; }
    // The image drawn on, or null for a device canvas.
    const QImage* Image() const { return image_; }
    // Device pixels per logical pixel of the surface drawn on.
    double DevicePixelRatio() const;
    // The rectangle, in this canvas's coordinates, of the window whose whole face the canvas
    // paints (a popup menu's, for its item handlers); empty for a canvas that paints no window.
    TRect WindowRect() const { return windowRect_; }
    void SetWindowRect(const TRect& rect) { windowRect_ = rect; }
    bool PaintsWindow() const { return windowRect_.Width() > 0 && windowRect_.Height() > 0; }

    // Where the canvas's (0, 0) lies on its surface: a parent painting its graphic controls
    // moves it onto each in turn. Drawing and pixel access follow it.
    TPoint Origin() const { return origin_; }
    void SetOrigin(TPoint origin) { origin_ = origin; }
    // Drawing keeps within the rectangle (in the canvas's coordinates at the time it is set)
    // until the clip is cleared.
    void SetClipRect(const TRect& rect);
    void ClearClipRect() { clip_.reset(); }

    // The whole rectangle in the brush colour; a clear brush draws nothing.
    void FillRect(const TRect& rect);
    // One pixel inside the rectangle in the brush colour: columns Left and Right - 1, rows Top
    // and Bottom - 1. A clear brush draws nothing.
    void FrameRect(const TRect& rect);
    // Pen outline on the pixels (l, t) to (r - 1, b - 1), interior in the brush unless clear.
    // Without a pen, GDI fills one pixel less on the right and bottom.
    void Rectangle(int l, int t, int r, int b);
    // Like Rectangle, the corners cut by w x h ellipses as CreateRoundRectRgn cuts them.
    void RoundRect(int l, int t, int r, int b, int w, int h);
    // The platform's dotted focus rectangle: every other pixel of the edge inverted, so that
    // drawing it twice takes it away again.
    void DrawFocusRect(const TRect& rect);
    // Fills every pixel of the region with the colour.
    void FillRegion(const TRegion& region, TColor color);

    // A fresh canvas's pen, brush, font and pen position; origin and clip stay.
    void ResetTools();

    void MoveTo(int x, int y) { penPos_ = {x, y}; }
    // From the pen position up to, not including, (x, y); the pen then stands at (x, y).
    void LineTo(int x, int y);
    TPoint PenPos() const { return penPos_; }

    // clNone outside the image and on a device canvas. On a high-density image, the colour of
    // the logical pixel's top-left device pixel.
    TColor Pixels(int x, int y) const;
    void SetPixels(int x, int y, TColor color);

    int TextWidth(const QString& text) const;
    // The font's line height, whatever the text.
    int TextHeight(const QString& text) const;
    // Text with its top-left cell corner at (x, y), on the brush colour unless the brush is clear.
    void TextOut(int x, int y, const QString& text);
    // TextOut clipped to the rectangle, which is filled with the brush first unless clear.
    void TextRect(const TRect& rect, int x, int y, const QString& text);
    // Win32 DrawText with the DT_ flags of DrawTextFlags.h; answers the height of the text.
    // With DT_CALCRECT nothing is drawn and rect's right and bottom receive the text's extent.
    int DrawText(const QString& text, TRect& rect, unsigned flags);

    // Transparent bitmaps leave out their transparent colour.
    void Draw(int x, int y, const TBitmap& bitmap);
    void StretchDraw(const TRect& dest, const TBitmap& bitmap);
    // Copies source's srcRect onto dest, stretched nearest-neighbour when the sizes differ.
    // A device canvas has no pixels to give and copies nothing.
    void CopyRect(const TRect& dest, const TCanvas& source, const TRect& srcRect);
    // An image with an alpha channel, unscaled, its top-left at (x, y): fully transparent pixels
    // leave the canvas as it was, others are laid over it by their alpha (icons).
    void DrawImage(int x, int y, const QImage& image);
    // TransparentBlt: srcRect of the bitmap stretched onto dest, leaving out one colour.
    void DrawTransparent(const TRect& dest, const TBitmap& bitmap, const TRect& srcRect,
                         TColor transparentColor);

private:
    void Paint(const std::function<void(QPainter&)>& draw);
    void Blit(const TRect& dest, const QImage& source, const TRect& srcRect,
              std::optional<TColor> leaveOut);
    bool CopyOntoImage(const TRect& dest, const QImage& source, const QRect& from,
                       std::optional<TColor> leaveOut);
    // The device pixel of a logical one on the image, or nothing outside it.
    std::optional<QPoint> ImagePixel(int x, int y) const;
    void DrawShape(const TRegion& shape);
    // The region in the brush: its pattern when it has one, else its colour.
    void FillWithBrush(const TRegion& region);
    void DrawTextLine(QPainter& painter, int x, int y, const QString& text, int mnemonic);
    int AlignedX(const TRect& rect, int width, unsigned flags) const;
    int AlignedTop(const TRect& rect, int height, unsigned flags) const;

    QImage* image_ = nullptr;
    QPaintDevice* device_ = nullptr;
    QPainter* painter_ = nullptr;
    TPen pen_;
    TBrush brush_;
    TFont font_;
    TPoint penPos_;
    TRect windowRect_;
    TPoint origin_;
    std::optional<TRect> clip_; // on the surface, unmoved by the origin
};
