// A push button; a click of the mouse, Space while focused, its accelerator, or Enter / Escape
// when it is the form's default / cancel button runs OnClick and passes its modal result on.
#pragma once

#include "framework/core/TWinControl.h"

// A push button's answer to the form's dialog messages: CM_DIALOGCHAR with the accelerator of its
// caption, or CM_DIALOGKEY with Enter for the default button or Escape for the cancel button
// (without Shift, Ctrl or Alt), clicks a button that can take the focus and answers 1 (true).
// Anything else is left as it was (false).
bool ClickOnDialogMessage(TWinControl& button, TMessage& message, bool isDefault, bool isCancel);

class TButton : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
public:
    explicit TButton(TComponent* AOwner);
    // The user's click: the button takes the focus if it can, then the click of a press.
    void Click() override;

    bool Default() const { return default_; }
    void SetDefault(bool v) { default_ = v; }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult v) { modalResult_ = v; }

    void WndProc(TMessage& message) override;

protected:
    QWidget* CreateWindowWidget(QWidget* parentWidget) override;
    void TextChanged() override;

private:
    // The form takes the modal result, then OnClick (or the action) runs.
    void Pressed();

    bool default_ = false;
    bool cancel_ = false;
    TModalResult modalResult_ = mrNone;
};
