#include "skin/CheckMarkList.h"

#include "framework/controls/TImageList.h"
#include "framework/graphics/TBitmap.h"

namespace {
constexpr char kCheckMark[] = "MENU_CHECKED";
} // namespace

namespace CheckMarkList {

std::unique_ptr<TImageList> Create() {
    auto images = std::make_unique<TImageList>(nullptr);
    TBitmap mark;
    mark.LoadFromResourceName(QLatin1String(kCheckMark));
    images->SetWidth(mark.Width());
    images->SetHeight(mark.Height());
    images->AddMasked(mark, clWhite);
    return images;
}

} // namespace CheckMarkList
