// A list of images of one size, cut from bitmaps, each with the one colour that is left out when
// it is drawn; menus and tool bars draw them by index.
#pragma once

#include "framework/core/TComponent.h"
#include "framework/core/Types.h"

#include <memory>
#include <vector>

class TBitmap;
class TCanvas;

class TImageList : public TComponent {
    Q_OBJECT
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
public:
    explicit TImageList(TComponent* AOwner);
    ~TImageList() override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Changing the size empties the list, since the images no longer fit it. Raises
    // EComponentError for a size below one pixel.
    void SetWidth(int width);
    void SetHeight(int height);

    int Count() const { return static_cast<int>(images_.size()); }
    // Cuts the bitmap into Width-wide images, left to right (a narrower rest is dropped), each
    // leaving out the bitmap's transparent colour: its bottom-left pixel unless the bitmap fixes
    // another one. Answers the index of the first image added. Raises EComponentError for a
    // bitmap that is not Height high or narrower than Width.
    int Add(const TBitmap& bitmap);
    // Add, leaving out `maskColor` instead.
    int AddMasked(const TBitmap& bitmap, TColor maskColor);
    // Raises EComponentError for an index out of range.
    void Delete(int index);
    void Clear();

    // A copy of the image at `index`, its transparent colour included; an index out of range
    // leaves `image` as it is.
    void GetBitmap(int index, TBitmap& image) const;

    // The image with its top-left corner at (x, y). A disabled image is drawn greyed, as Windows
    // draws disabled pictures: its shape in the button-shadow colour over the same shape in the
    // button-highlight colour one pixel right and down. An index out of range draws nothing.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;

private:
    void CheckSize(int size, const char* what) const;

    int width_ = 16;
    int height_ = 16;
    std::vector<std::unique_ptr<TBitmap>> images_; // Width x Height, transparent colour fixed
};
