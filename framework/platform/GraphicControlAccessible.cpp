#include "framework/platform/GraphicControlAccessible.h"

#include "framework/core/TApplication.h"
#include "framework/core/TWinControl.h"

#include <QWidget>

GraphicControlAccessible::GraphicControlAccessible(TGraphicControl* control) : control_(control) {}

TGraphicControl* GraphicControlAccessible::Shown() const {
    return control_ && control_->Parent() && control_->Parent()->HandleAllocated() ? control_.data()
                                                                                   : nullptr;
}

bool GraphicControlAccessible::isValid() const {
    return Shown() != nullptr;
}

QWindow* GraphicControlAccessible::window() const {
    const TGraphicControl* control = Shown();
    return control ? control->Parent()->Handle()->window()->windowHandle() : nullptr;
}

QAccessibleInterface* GraphicControlAccessible::parent() const {
    const TGraphicControl* control = Shown();
    return control ? QAccessible::queryAccessibleInterface(control->Parent()->Handle()) : nullptr;
}

QString GraphicControlAccessible::text(QAccessible::Text t) const {
    const TGraphicControl* control = Shown();
    if (!control || t != QAccessible::Name)
        return {};
    return control->AccessibleName().isEmpty() ? control->Caption() : control->AccessibleName();
}

QRect GraphicControlAccessible::rect() const {
    const TGraphicControl* control = Shown();
    if (!control)
        return {};
    const TPoint origin = control->ClientToScreen({0, 0});
    return QRect(origin.X, origin.Y, control->Width(), control->Height());
}

QAccessible::Role GraphicControlAccessible::role() const {
    const TGraphicControl* control = Shown();
    return control ? control->AccessibleRole() : QAccessible::NoRole;
}

QAccessible::State GraphicControlAccessible::state() const {
    QAccessible::State state;
    const TGraphicControl* control = Shown();
    if (!control) {
        state.invalid = true;
        return state;
    }
    state.invisible = !control->Visible();
    state.disabled = !control->Enabled();
    return state;
}

QStringList GraphicControlAccessible::actionNames() const {
    const TGraphicControl* control = Shown();
    return control && control->Enabled() && control->ReactsToClick() ? QStringList{pressAction()}
                                                                     : QStringList{};
}

void GraphicControlAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction() && actionNames().contains(actionName))
        RunGuarded([control = control_] {
            if (control)
                control->Click();
        });
}
