#include "framework/controls/TCustomPushButton.h"

#include "framework/controls/TCustomPushButtonAccessible.h"

TCustomPushButton::TCustomPushButton(TComponent* AOwner) : TCustomControl(AOwner) {
    TCustomPushButtonAccessible::Install();
}
