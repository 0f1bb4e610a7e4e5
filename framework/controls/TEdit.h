// The plain single-line edit of form descriptions.
#pragma once

#include "framework/controls/TCustomEdit.h"

class TEdit : public TCustomEdit {
    Q_OBJECT
public:
    using TCustomEdit::TCustomEdit;
};
