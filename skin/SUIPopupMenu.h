// The skinned popup menu: a popup menu whose items are measured and painted in the colours and
// pictures of a skin style. Its measuring and drawing are shared with the skinned main menu.
#pragma once

#include "skin/TsuiSkinnedMenu.h"

class TsuiPopupMenu : public TsuiSkinnedMenu<TPopupMenu> {
    Q_OBJECT
    TSUI_SKINNED_MENU_PROPERTIES
public:
    explicit TsuiPopupMenu(TComponent* AOwner);

protected:
    // The menu's Images.
    const TImageList* ItemImages() const override;
    // The one check mark every skinned popup menu shares.
    const TImageList& CheckMarkImages() const override;
};
