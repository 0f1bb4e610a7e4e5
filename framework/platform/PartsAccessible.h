// What accessibility tools see of a control window whose control names its parts
// (TAccessibleParts): a grouping whose children are the parts as push buttons.
#pragma once

#include "framework/core/TWinControl.h"
#include "framework/platform/IndexedAccessible.h"

#include <QPointer>

class TAccessibleParts;

class PartsAccessible : public IndexedAccessible {
public:
    PartsAccessible(QWidget* window, TWinControl* control);

    // Makes the toolkit create this interface for such windows; safe to repeat.
    static void Install();

    // The control while it exists and names parts.
    TAccessibleParts* Parts() const;
    TWinControl* Control() const { return control_; }

    int childCount() const override;

protected:
    QAccessibleInterface* CreateChild(int index) const override;

private:
    QPointer<TWinControl> control_;
};
