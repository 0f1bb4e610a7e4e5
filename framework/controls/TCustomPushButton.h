// A windowed control that paints itself and acts as a push button: accessibility tools see a
// push button named by its caption (without "&"), with a press action that clicks it. Skinned
// buttons build on it.
#pragma once

#include "framework/controls/TCustomControl.h"

class TCustomPushButton : public TCustomControl {
    Q_OBJECT
public:
    explicit TCustomPushButton(TComponent* AOwner);
};
