// A contact sheet of the committed skin bitmaps, for a person to look over.
#pragma once

#include "Look.h"

#include <QImage>
#include <QString>

namespace art {

// Every bitmap in `skinFolder` enlarged and labelled with its name and size, strips marked
// at their frame boundaries, a missing or wrongly sized file flagged in red; per style a
// title bar and push buttons put together as the program draws them; and the icon's images.
QImage RenderContactSheet(const QString& skinFolder, const QString& iconFile);
// The same for a theme folder: its title bar and buttons put together, and every bitmap,
// named by theme key, flagged when missing or not of the size `look` paints it.
QImage RenderThemeSheet(const Look& look, const QString& themeFolder);

} // namespace art
