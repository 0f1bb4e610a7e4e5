// An icon: the images of one .ico resource, of several sizes and colour depths, drawn at any
// size from the image that suits it best.
#pragma once

#include "framework/core/TObject.h"

#include <QByteArray>
#include <QImage>
#include <vector>

class TCanvas;

struct TIconImage {
    int Width = 0;
    int Height = 0;
    int BitsPerPixel = 0; // as the icon stores it: 1, 4, 8, 24 or 32
    QImage Image;         // with the icon's mask as alpha
};

class TIcon : public TPersistent {
    Q_OBJECT
public:
    // The icon resource NAME, the Qt resource ":/icons/NAME.ico" (also tried in upper case).
    // Raises EResourceError when it is missing or no readable icon; the icon stays as it was.
    void LoadFromResourceName(const QString& name);
    // The bytes of an .ico file. Raises EResourceError when they are no readable icon.
    void LoadFromData(const QByteArray& bytes);

    bool Empty() const { return images_.empty(); }
    // In the order the file lists them.
    const std::vector<TIconImage>& Images() const { return images_; }
    // The image drawn at size x size: that size exactly, else the smallest larger one (shrinking
    // loses less than growing), else the largest; among equal sizes the deepest colours.
    // -1 when the icon is empty.
    int BestImageIndex(int size) const;
    // The best image for `size`, scaled to size x size nearest-neighbour, as the canvas
    // stretches bitmaps (every pixel drawn is one of the icon's own, none blended), with its
    // top-left at (x, y). The mask leaves the canvas showing through. An empty icon draws
    // nothing.
    void Draw(TCanvas& canvas, int x, int y, int size) const;

private:
    std::vector<TIconImage> images_;
};
