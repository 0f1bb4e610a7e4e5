#include "framework/controls/TButton.h"

#include "framework/core/MessageWindow.h"
#include "framework/core/TApplication.h"
#include "framework/forms/ClassRegistry.h"

#include <QPushButton>

REGISTER_COMPONENT_CLASS(TButton)

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
    ClickEvents = false; // the toolkit button reports its own clicks
}

QWidget* TButton::CreateWindowWidget(QWidget* parentWidget) {
    auto* button = new MessageWindow<QPushButton>(this, parentWidget);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, this,
                     [this] { RunGuarded([this] { TWinControl::Click(); }); });
    return button;
}

void TButton::TextChanged() {
    static_cast<QPushButton*>(Handle())->setText(Caption());
}

void TButton::Click() {
    if (CanFocus())
        SetFocus();
    TWinControl::Click();
}
