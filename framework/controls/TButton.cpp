#include "framework/controls/TButton.h"

#include "framework/core/EventTranslator.h"
#include "framework/core/MessageWindow.h"
#include "framework/core/TApplication.h"
#include "framework/core/TCustomForm.h"
#include "framework/forms/ClassRegistry.h"

#include <QPushButton>

REGISTER_COMPONENT_CLASS(TButton)

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
    SetControlStyle(ControlStyle().setFlag(TControlStyleFlag::csClickEvents,
                                           false)); // the toolkit button reports its own clicks
}

QWidget* TButton::CreateWindowWidget(QWidget* parentWidget) {
    auto* button = new MessageWindow<QPushButton>(this, parentWidget);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, this,
                     [this] { RunGuarded([this] { Pressed(); }); });
    return button;
}

void TButton::TextChanged() {
    auto* button = static_cast<QPushButton*>(Handle());
    button->setText(Caption());
    // The accelerator comes through CM_DIALOGCHAR like every control's; the toolkit's own
    // shortcut for it would click a second time.
    button->setShortcut(QKeySequence());
}

void TButton::Click() {
    if (CanFocus())
        SetFocus();
    Pressed();
}

void TButton::Pressed() {
    if (auto* form = qobject_cast<TCustomForm*>(TopLevelControl()))
        form->SetModalResult(modalResult_);
    TWinControl::Click();
}

namespace {

bool IsDialogKeyFor(const TMessage& message, bool isDefault, bool isCancel) {
    const auto shift = EventTranslator::KeyShiftState(message);
    const bool plain =
        !(shift & (TShiftState(TShiftFlag::ssShift) | TShiftFlag::ssCtrl | TShiftFlag::ssAlt));
    return plain && ((message.WParam == VK_RETURN && isDefault) ||
                     (message.WParam == VK_ESCAPE && isCancel));
}

} // namespace

bool ClickOnDialogMessage(TWinControl& button, TMessage& message, bool isDefault, bool isCancel) {
    const bool clicks =
        (message.Msg == CM_DIALOGCHAR &&
         IsAccel(static_cast<char16_t>(message.WParam), button.Caption())) ||
        (message.Msg == CM_DIALOGKEY && IsDialogKeyFor(message, isDefault, isCancel));
    if (!clicks || !button.CanFocus())
        return false;
    button.Click();
    message.Result = 1;
    return true;
}

void TButton::WndProc(TMessage& message) {
    if (ClickOnDialogMessage(*this, message, default_, cancel_))
        return;
    TWinControl::WndProc(message);
}
