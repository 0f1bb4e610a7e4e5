// Every bitmap of the skin, painted: the image roles of the five styles and the pictures
// the menus and form backgrounds load by name.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace art {

struct Artwork {
    QString name; // the resource name, file name without ".bmp"
    QImage image;
};

// In a fixed order, each name once; the same pixels on every run.
std::vector<Artwork> AllArtwork();

} // namespace art
