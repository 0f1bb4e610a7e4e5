#include "framework/controls/TCustomEdit.h"

#include "framework/core/MessageWindow.h"
#include "framework/core/TApplication.h"
#include "framework/graphics/Colors.h"

#include <QLineEdit>

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 121, 21);
    SetColor(clWindow);
    SetTabStop(true);
    SetCursor(crIBeam);
    SetControlStyle(ControlStyle().setFlag(TControlStyleFlag::csClickEvents, false));
}

QWidget* TCustomEdit::CreateWindowWidget(QWidget* parentWidget) {
    auto* editor = new MessageWindow<QLineEdit>(this, parentWidget);
    QObject::connect(editor, &QLineEdit::textChanged, this, [this] {
        if (OnChange)
            RunGuarded([this] { OnChange(this); });
    });
    return editor;
}

QLineEdit* TCustomEdit::Editor() const {
    return static_cast<QLineEdit*>(const_cast<TCustomEdit*>(this)->Handle());
}

QString TCustomEdit::GetText() const {
    return Editor()->text();
}

void TCustomEdit::TextChanged() {
    // Set by the program; the toolkit reports it back through textChanged.
    Editor()->setText(TWinControl::GetText());
}

void TCustomEdit::SetReadOnly(bool v) {
    readOnly_ = v;
    Editor()->setReadOnly(v);
}

void TCustomEdit::SetMaxLength(int v) {
    maxLength_ = v;
    Editor()->setMaxLength(v > 0 ? v : 32767);
}

void TCustomEdit::SetBorderStyle(TBorderStyle v) {
    borderStyle_ = v;
    ApplyLook();
}

void TCustomEdit::SetCtl3D(bool v) {
    ctl3D_ = v;
    ApplyLook();
}

void TCustomEdit::ColorChanged() {
    TWinControl::ColorChanged();
    ApplyLook();
}

void TCustomEdit::FontChanged() {
    TWinControl::FontChanged();
    ApplyLook();
}

void TCustomEdit::ApplyLook() {
    // A flat border is one line in the window-frame colour; the sunken one is the toolkit's.
    QLineEdit* editor = Editor();
    const QString text = ToQColor(Font()->Color()).name();
    const QString base = ToQColor(Color()).name();
    if (borderStyle_ == TBorderStyle::bsNone)
        editor->setStyleSheet(
            QStringLiteral("QLineEdit{border:none;background:%1;color:%2;}").arg(base, text));
    else if (!ctl3D_)
        editor->setStyleSheet(
            QStringLiteral("QLineEdit{border:1px solid %1;background:%2;color:%3;}")
                .arg(ToQColor(clWindowFrame).name(), base, text));
    else
        editor->setStyleSheet(QStringLiteral("QLineEdit{background:%1;color:%2;}").arg(base, text));
}

void TCustomEdit::SetFrameMargin(int pixels) {
    Editor()->setContentsMargins(pixels, pixels, pixels, pixels);
}

void TCustomEdit::SelectAll() {
    Editor()->selectAll();
}

QString TCustomEdit::SelText() const {
    return Editor()->selectedText();
}

void TCustomEdit::CopyToClipboard() {
    Editor()->copy();
}

bool TCustomEdit::BindEvent(const QByteArray& name, const TMethod& method) {
    static const TEventTable<TCustomEdit> kEvents{
        EventBinding("OnChange", &TCustomEdit::OnChange),
    };
    return kEvents.Bind(*this, name, method) || TWinControl::BindEvent(name, method);
}
