// A form's menu: its top-level items stand in a menu bar (the skinned frame's), and each drops
// down its sub-items in a popup window.
#pragma once

#include "framework/menus/TMenu.h"

class TMainMenu : public TMenu {
    Q_OBJECT
public:
    explicit TMainMenu(TComponent* AOwner);

    // Opens the sub-items of a top-level item at a screen point (below its bar button), closing
    // any drop-down already open. Raises EMenuError for an item that is not a top-level item of
    // this menu.
    void DropDown(TMenuItem* item, int x, int y);
};
