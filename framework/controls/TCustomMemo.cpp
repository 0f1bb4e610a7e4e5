#include "framework/controls/TCustomMemo.h"

#include "framework/core/MessageWindow.h"
#include "framework/graphics/Colors.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTextCursor>

TCustomMemo::TCustomMemo(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 185, 89);
    SetColor(clWindow);
    SetTabStop(true);
    SetControlStyle(ControlStyle().setFlag(TControlStyleFlag::csClickEvents, false));
}

QWidget* TCustomMemo::CreateWindowWidget(QWidget* parentWidget) {
    auto* editor = new MessageWindow<QPlainTextEdit>(this, parentWidget);
    editor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    WatchChildWidget(editor->viewport());
    return editor;
}

void TCustomMemo::WndProc(TMessage& message) {
    if (message.Msg == WM_LBUTTONDOWN && !(message.WParam & MK_SHIFT))
        CollapseSelectionUnder(QPoint(GetXLParam(message.LParam), GetYLParam(message.LParam)));
    TWinControl::WndProc(message);
}

void TCustomMemo::CollapseSelectionUnder(QPoint at) {
    QPlainTextEdit* editor = Editor();
    QTextCursor selection = editor->textCursor();
    if (!selection.hasSelection())
        return;
    const QTextCursor under = editor->cursorForPosition(editor->viewport()->mapFrom(editor, at));
    if (under.position() < selection.selectionStart() ||
        under.position() >= selection.selectionEnd())
        return;
    selection.setPosition(under.position());
    editor->setTextCursor(selection);
}

QPlainTextEdit* TCustomMemo::Editor() const {
    return static_cast<QPlainTextEdit*>(const_cast<TCustomMemo*>(this)->Handle());
}

QString TCustomMemo::GetText() const {
    return Editor()->toPlainText();
}

void TCustomMemo::TextChanged() {
    Editor()->setPlainText(TWinControl::GetText());
}

QStringList TCustomMemo::Lines() const {
    return GetText().split(u'\n');
}

void TCustomMemo::SetLines(const QStringList& lines) {
    SetText(lines.join(u'\n'));
}

void TCustomMemo::SetReadOnly(bool v) {
    readOnly_ = v;
    Editor()->setReadOnly(v);
    // Read-only text can still be selected and copied with mouse and keyboard.
    Editor()->setTextInteractionFlags(v ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                        : Qt::TextEditorInteraction);
}

void TCustomMemo::SetScrollBars(TScrollStyle v) {
    scrollBars_ = v;
    const bool vertical = v == TScrollStyle::ssVertical || v == TScrollStyle::ssBoth;
    const bool horizontal = v == TScrollStyle::ssHorizontal || v == TScrollStyle::ssBoth;
    Editor()->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    Editor()->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn
                                                      : Qt::ScrollBarAlwaysOff);
}

void TCustomMemo::SetWordWrap(bool v) {
    wordWrap_ = v;
    Editor()->setLineWrapMode(v ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TCustomMemo::Ctl3DChanged() {
    TWinControl::Ctl3DChanged();
    ApplyLook();
}

void TCustomMemo::ColorChanged() {
    TWinControl::ColorChanged();
    ApplyLook();
}

void TCustomMemo::ApplyLook() {
    const QString base = ToQColor(Color()).name();
    if (!Ctl3D())
        Editor()->setStyleSheet(QStringLiteral("QPlainTextEdit{border:1px solid %1;background:%2;}")
                                    .arg(ToQColor(clWindowFrame).name(), base));
    else
        Editor()->setStyleSheet(QStringLiteral("QPlainTextEdit{background:%1;}").arg(base));
}

void TCustomMemo::SelectAll() {
    Editor()->selectAll();
}

QString TCustomMemo::SelText() const {
    // The toolkit marks paragraph ends with U+2029 in selections.
    return Editor()->textCursor().selectedText().replace(QChar(0x2029), u'\n');
}

void TCustomMemo::CopyToClipboard() {
    const QString text = SelText();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}
