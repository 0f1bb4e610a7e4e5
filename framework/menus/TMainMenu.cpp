#include "framework/menus/TMainMenu.h"

#include "framework/core/Exception.h"
#include "framework/forms/ClassRegistry.h"
#include "framework/menus/TMenuItem.h"

REGISTER_COMPONENT_CLASS(TMainMenu)

TMainMenu::TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}

void TMainMenu::DropDown(TMenuItem* item, int x, int y) {
    if (!item || item->Parent() != Items())
        throw EMenuError(QStringLiteral("%1 is no top-level item of menu %2")
                             .arg(item ? item->Caption() : QStringLiteral("(none)"), Name()));
    OpenWindow(item, {x, y});
}
