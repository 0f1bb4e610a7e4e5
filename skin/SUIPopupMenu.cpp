#include "skin/SUIPopupMenu.h"

#include "framework/controls/TImageList.h"
#include "framework/forms/ClassRegistry.h"
#include "skin/CheckMarkList.h"

#include <memory>

REGISTER_COMPONENT_CLASS(TsuiPopupMenu)

TsuiPopupMenu::TsuiPopupMenu(TComponent* AOwner) : TsuiSkinnedMenu<TPopupMenu>(AOwner) {}

const TImageList* TsuiPopupMenu::ItemImages() const {
    return Images();
}

const TImageList& TsuiPopupMenu::CheckMarkImages() const {
    static const std::unique_ptr<TImageList> shared = CheckMarkList::Create();
    return *shared;
}
