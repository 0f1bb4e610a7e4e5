// The check mark of skinned menus: an image list holding the MENU_CHECKED picture with white as
// its transparent colour. Popup menus share one; every skinned main menu keeps its own.
#pragma once

#include <memory>

class TImageList;

namespace CheckMarkList {

// A new list without owner, the check mark as its image 0.
std::unique_ptr<TImageList> Create();

} // namespace CheckMarkList
