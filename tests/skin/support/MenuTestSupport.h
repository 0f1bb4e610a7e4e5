// What the skinned menu tests share: building item trees and looking at drawn pixels.
#pragma once

#include "framework/core/Types.h"
#include "framework/graphics/Colors.h"
#include "framework/menus/TMenuItem.h"
#include "support/ImageCompare.h"

#include <QImage>
#include <set>

namespace MenuTestSupport {

// A new item with the caption, appended to `parent`'s sub-items; `parent` holds it.
inline TMenuItem* AddMenuItem(TMenuItem* parent, const QString& caption) {
    auto* item = new TMenuItem(nullptr);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}

// The menu tests name it as this namespace's own.
using ::PixelAt;

// Every colour inside the rectangle (right and bottom exclusive).
inline std::set<TColor> ColoursIn(const QImage& image, const TRect& r) {
    std::set<TColor> colours;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            colours.insert(PixelAt(image, x, y));
    return colours;
}

} // namespace MenuTestSupport
