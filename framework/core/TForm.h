// The form class the program's windows derive from.
#pragma once

#include "framework/core/TCustomForm.h"

class TForm : public TCustomForm {
    Q_OBJECT
public:
    using TCustomForm::TCustomForm;
};
