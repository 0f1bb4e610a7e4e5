// A push button; a click of the mouse or Space while focused runs OnClick.
#pragma once

#include "framework/core/TWinControl.h"

class QPushButton;

class TButton : public TWinControl {
    Q_OBJECT
public:
    explicit TButton(TComponent* AOwner);
    // The user's click: the button takes the focus if it can, then OnClick runs.
    void Click() override;

protected:
    QWidget* CreateWindowWidget(QWidget* parentWidget) override;
    void TextChanged() override;
};
