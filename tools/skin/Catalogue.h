// Every bitmap of the skin, painted: the image roles of the five styles and the pictures
// the menus and form backgrounds load by name; and the image roles of a theme.
#pragma once

#include "Look.h"

#include <QImage>
#include <QString>
#include <vector>

namespace art {

struct Artwork {
    QString name; // the resource name or theme key, file name without ".bmp"
    QImage image;
};

// In a fixed order, each name once; the same pixels on every run.
std::vector<Artwork> AllArtwork();
// A theme's: every image role in role order, named by its theme key, at the sizes of the
// look's style.
std::vector<Artwork> ThemeArtwork(const Look& look);

} // namespace art
