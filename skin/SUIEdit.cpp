#include "skin/SUIEdit.h"

#include "framework/forms/ClassRegistry.h"
#include "skin/SUIPublic.h"

REGISTER_COMPONENT_CLASS(TsuiEdit)

TsuiEdit::TsuiEdit(TComponent* AOwner) : TCustomEdit(AOwner) {
    SetControlStyle(ControlStyle().setFlag(TControlStyleFlag::csOpaque, true));
    SetBorderStyle(TBorderStyle::bsNone);
    SetFrameMargin(SkinMetrics::Edit::kFrameMargin);
    SetUIStyle(GetOwnerFormStyle(AOwner));
}

void TsuiEdit::SetFileTheme(TsuiFileTheme* theme) {
    SetReference(fileTheme_, theme);
    SetUIStyle(uiStyle_);
}

void TsuiEdit::SetUIStyle(TsuiUIStyle style) {
    uiStyle_ = style;
    SetBorderColor(ThemeColor(fileTheme_, style, SUI_THEME_CONTROL_BORDER_COLOR));
}

void TsuiEdit::SetBorderColor(TColor color) {
    borderColor_ = color;
    Invalidate();
}

void TsuiEdit::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomEdit::Notification(AComponent, Operation);
    if (DropRemovedFileTheme(fileTheme_, AComponent, Operation))
        SetUIStyle(TsuiUIStyle::DeepBlue);
}

// The frame goes on after the edit drew, whichever of the two messages came.
void TsuiEdit::WndProc(TMessage& message) {
    TCustomEdit::WndProc(message);
    const bool paints = message.Msg == WM_ERASEBKGND || message.Msg == WM_PAINT;
    if (paints && message.WParam != 0)
        DrawControlBorder(*this, *reinterpret_cast<TCanvas*>(message.WParam), borderColor_, Color(),
                          true);
}
