// The plain memo of form descriptions.
#pragma once

#include "framework/controls/TCustomMemo.h"

class TMemo : public TCustomMemo {
    Q_OBJECT
public:
    using TCustomMemo::TCustomMemo;
};
