#include "framework/controls/TCustomPushButtonAccessible.h"

#include "framework/controls/TCustomPushButton.h"
#include "framework/core/MessageWindow.h"
#include "framework/core/TApplication.h"
#include "framework/graphics/TTextLayout.h"

namespace {

QAccessibleInterface* CreateInterface(const QString&, QObject* object) {
    auto* window = dynamic_cast<MessageWindowBase*>(object);
    auto* button = window ? qobject_cast<TCustomPushButton*>(window->Control()) : nullptr;
    return button ? new TCustomPushButtonAccessible(static_cast<QWidget*>(object), button)
                  : nullptr;
}

} // namespace

TCustomPushButtonAccessible::TCustomPushButtonAccessible(QWidget* window, TCustomPushButton* button)
    : QAccessibleWidget(window, QAccessible::PushButton), button_(button) {}

void TCustomPushButtonAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(CreateInterface);
        return true;
    }();
    (void)installed;
}

QString TCustomPushButtonAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && button_)
        return button_->AccessibleName().isEmpty() ? ResolvePrefixes(button_->Caption()).Text
                                                   : button_->AccessibleName();
    return QAccessibleWidget::text(t);
}

QStringList TCustomPushButtonAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (button_ && button_->Enabled())
        names.prepend(pressAction());
    return names;
}

void TCustomPushButtonAccessible::doAction(const QString& actionName) {
    if (actionName != pressAction())
        return QAccessibleWidget::doAction(actionName);
    if (TCustomPushButton* button = button_; button && button->Enabled())
        RunGuarded([button] { button->Click(); });
}
