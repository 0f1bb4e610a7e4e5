// A windowed control whose parts have no windows of their own (a title bar's buttons) names them
// for accessibility tools through this interface: each part is a push button with a name, a
// place in the control and a press.
#pragma once

#include "framework/core/Types.h"

#include <QString>

class TAccessibleParts {
public:
    // Makes the toolkit ask every control window whether its control has parts.
    TAccessibleParts();
    virtual ~TAccessibleParts() = default;

    virtual int AccessiblePartCount() const = 0;
    // Index is below AccessiblePartCount().
    virtual QString AccessiblePartName(int index) const = 0;
    // In the control's client coordinates.
    virtual TRect AccessiblePartRect(int index) const = 0;
    virtual void PressAccessiblePart(int index) = 0;
};
