#include "framework/controls/TImageList.h"

#include "framework/core/Exception.h"
#include "framework/forms/ClassRegistry.h"
#include "framework/graphics/Colors.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"

REGISTER_COMPONENT_CLASS(TImageList)

namespace {

// The opaque pixels of the image as one colour, with the shape's top-left corner at (x, y).
void DrawShape(TCanvas& canvas, int x, int y, const TBitmap& image, TColor ink) {
    const TColor transparent = image.TransparentColor();
    const TColor hole = ink == clBlack ? clWhite : clBlack;
    TBitmap shape;
    shape.SetSize(image.Width(), image.Height());
    for (int py = 0; py < image.Height(); ++py)
        for (int px = 0; px < image.Width(); ++px)
            shape.SetPixels(px, py, image.Pixels(px, py) == transparent ? hole : ink);
    shape.SetTransparentColor(hole);
    shape.SetTransparent(true);
    canvas.Draw(x, y, shape);
}

} // namespace

TImageList::TImageList(TComponent* AOwner) : TComponent(AOwner) {}

TImageList::~TImageList() = default;

void TImageList::CheckSize(int size, const char* what) const {
    if (size < 1)
        throw EComponentError(QStringLiteral("Image list %1 must be at least one pixel, not %2")
                                  .arg(QLatin1String(what))
                                  .arg(size));
}

void TImageList::SetWidth(int width) {
    CheckSize(width, "width");
    if (width != width_)
        Clear();
    width_ = width;
}

void TImageList::SetHeight(int height) {
    CheckSize(height, "height");
    if (height != height_)
        Clear();
    height_ = height;
}

int TImageList::Add(const TBitmap& bitmap) {
    return AddMasked(bitmap, bitmap.TransparentColor());
}

int TImageList::AddMasked(const TBitmap& bitmap, TColor maskColor) {
    if (bitmap.Height() != height_ || bitmap.Width() < width_)
        throw EComponentError(
            QStringLiteral("A %1 x %2 bitmap does not fit an image list of %3 x %4 images")
                .arg(bitmap.Width())
                .arg(bitmap.Height())
                .arg(width_)
                .arg(height_));
    const int first = Count();
    for (int left = 0; left + width_ <= bitmap.Width(); left += width_) {
        auto image = std::make_unique<TBitmap>();
        image->SetSize(width_, height_);
        image->Canvas().CopyRect(Bounds(0, 0, width_, height_), bitmap.Canvas(),
                                 Bounds(left, 0, width_, height_));
        image->SetTransparentColor(ColorToRGB(maskColor));
        image->SetTransparent(true);
        images_.push_back(std::move(image));
    }
    return first;
}

void TImageList::Delete(int index) {
    if (index < 0 || index >= Count())
        throw EComponentError(
            QStringLiteral("Image index %1 out of range (%2 images)").arg(index).arg(Count()));
    images_.erase(images_.begin() + index);
}

void TImageList::Clear() {
    images_.clear();
}

void TImageList::GetBitmap(int index, TBitmap& image) const {
    if (index >= 0 && index < Count())
        image.Assign(*images_[static_cast<std::size_t>(index)]);
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
    if (index < 0 || index >= Count())
        return;
    const TBitmap& image = *images_[static_cast<std::size_t>(index)];
    if (enabled) {
        canvas.Draw(x, y, image);
        return;
    }
    DrawShape(canvas, x + 1, y + 1, image, ColorToRGB(clBtnHighlight));
    DrawShape(canvas, x, y, image, ColorToRGB(clBtnShadow));
}
