// The plain panel of form descriptions.
#pragma once

#include "framework/controls/TCustomPanel.h"

class TPanel : public TCustomPanel {
    Q_OBJECT
public:
    using TCustomPanel::TCustomPanel;
};
