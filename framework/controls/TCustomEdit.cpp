#include "framework/controls/TCustomEdit.h"

#include "framework/core/MessageWindow.h"
#include "framework/core/TApplication.h"
#include "framework/graphics/Colors.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QValidator>

namespace {

// What a bordered edit adds to its font's line height: a sunken border takes four pixels on
// each of the top and bottom, a flat one three.
constexpr int kSunkenBorderHeight = 8;
constexpr int kFlatBorderHeight = 6;
// The toolkit's own limit, which MaxLength 0 stands for.
constexpr int kToolkitMaxLength = 32767;

QString InCase(const QString& text, TEditCharCase charCase) {
    switch (charCase) {
    case TEditCharCase::ecUpperCase:
        return text.toUpper();
    case TEditCharCase::ecLowerCase:
        return text.toLower();
    case TEditCharCase::ecNormal:
        break;
    }
    return text;
}

// Turns whatever reaches the text, typed, pasted, composed or assigned, into one case. The
// toolkit applies a changed text as a new one, so undo does not reach back past a conversion.
class CaseConverter : public QValidator {
public:
    CaseConverter(TEditCharCase charCase, QObject* parent)
        : QValidator(parent), charCase_(charCase) {}
    State validate(QString& input, int&) const override {
        input = InCase(input, charCase_);
        return Acceptable;
    }

private:
    TEditCharCase charCase_;
};

} // namespace

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 121, 21);
    SetColor(clWindow);
    SetTabStop(true);
    SetCursor(crIBeam);
    SetControlStyle(ControlStyle().setFlag(TControlStyleFlag::csClickEvents, false));
    ApplyBiDiMode();
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
    if (selectionHidden_)
        hiddenSelection_ = EditorSelection();
}

void TCustomEdit::SetReadOnly(bool v) {
    readOnly_ = v;
    Editor()->setReadOnly(v);
}

void TCustomEdit::SetMaxLength(int v) {
    maxLength_ = v;
    Editor()->setMaxLength(v > 0 ? v : kToolkitMaxLength);
}

void TCustomEdit::SetBorderStyle(TBorderStyle v) {
    borderStyle_ = v;
    ApplyLook();
    AdjustHeight();
}

void TCustomEdit::SetAutoSize(bool v) {
    autoSize_ = v;
    AdjustHeight();
}

void TCustomEdit::SetCharCase(TEditCharCase v) {
    charCase_ = v;
    QLineEdit* editor = Editor();
    delete editor->validator();
    if (v != TEditCharCase::ecNormal)
        editor->setValidator(new CaseConverter(v, editor));
    // The text there is converted as well.
    SetText(InCase(Text(), v));
}

void TCustomEdit::SetHideSelection(bool v) {
    hideSelection_ = v;
    if (!v && selectionHidden_) {
        selectionHidden_ = false;
        ShowSelection(hiddenSelection_);
    } else if (v && !selectionHidden_ && !Focused()) {
        hiddenSelection_ = EditorSelection();
        selectionHidden_ = true;
        Editor()->deselect();
    }
}

void TCustomEdit::SetPasswordChar(QChar v) {
    passwordChar_ = v;
    QLineEdit* editor = Editor();
    editor->setEchoMode(v.isNull() ? QLineEdit::Normal : QLineEdit::Password);
    // The edit reads its mask character when its style changes; a style sheet replacing another
    // on a window not yet shown only takes effect once the window is shown, unannounced. From
    // none, the new one takes effect at once.
    editor->setStyleSheet(QString());
    ApplyLook();
}

void TCustomEdit::ColorChanged() {
    TWinControl::ColorChanged();
    ApplyLook();
}

void TCustomEdit::FontChanged() {
    TWinControl::FontChanged();
    ApplyLook();
    AdjustHeight();
}

void TCustomEdit::Ctl3DChanged() {
    TWinControl::Ctl3DChanged();
    ApplyLook();
    AdjustHeight();
}

void TCustomEdit::BiDiModeChanged() {
    TWinControl::BiDiModeChanged();
    ApplyBiDiMode();
}

void TCustomEdit::ApplyBiDiMode() {
    // Every right-to-left mode turns the edit's layout round; only bdRightToLeft also puts the
    // text at the right edge. The order of the characters themselves the toolkit's edit takes
    // from the text, as it does for every right-to-left script. The direction is the edit's own,
    // never its parent window's.
    QLineEdit* editor = Editor();
    editor->setLayoutDirection(BiDiMode() == TBiDiMode::bdLeftToRight ? Qt::LeftToRight
                                                                      : Qt::RightToLeft);
    const Qt::Alignment side =
        BiDiMode() == TBiDiMode::bdRightToLeft ? Qt::AlignRight : Qt::AlignLeft;
    editor->setAlignment(side | Qt::AlignAbsolute | Qt::AlignVCenter);
}

void TCustomEdit::ApplyLook() {
    // A flat border is one line in the window-frame colour; the sunken one is the toolkit's.
    QLineEdit* editor = Editor();
    const QString text = ToQColor(Font()->Color()).name();
    const QString base = ToQColor(Color()).name();
    QString look = QStringLiteral("background:%1;color:%2;").arg(base, text);
    if (borderStyle_ == TBorderStyle::bsNone)
        look += QStringLiteral("border:none;");
    else if (!Ctl3D())
        look += QStringLiteral("border:1px solid %1;").arg(ToQColor(clWindowFrame).name());
    // The toolkit masks with its own character unless the style names one.
    if (!passwordChar_.isNull())
        look += QStringLiteral("lineedit-password-character:%1;").arg(passwordChar_.unicode());
    editor->setStyleSheet(QStringLiteral("QLineEdit{%1}").arg(look));
}

void TCustomEdit::AdjustHeight() {
    if (!autoSize_ || borderStyle_ != TBorderStyle::bsSingle || IsLoading())
        return;
    const int border = Ctl3D() ? kSunkenBorderHeight : kFlatBorderHeight;
    SetHeight(QFontMetrics(Font()->ToQFont()).height() + border);
}

void TCustomEdit::SetFrameMargin(int pixels) {
    Editor()->setContentsMargins(pixels, pixels, pixels, pixels);
}

TCustomEdit::Selection TCustomEdit::EditorSelection() const {
    const QLineEdit* editor = Editor();
    if (!editor->hasSelectedText())
        return {editor->cursorPosition(), 0};
    return {editor->selectionStart(), editor->selectionLength()};
}

void TCustomEdit::ShowSelection(const Selection& selection) {
    if (selection.length > 0)
        Editor()->setSelection(selection.start, selection.length);
    else
        Editor()->setCursorPosition(selection.start);
}

void TCustomEdit::SelectAll() {
    const Selection all{0, static_cast<int>(Text().size())};
    if (selectionHidden_)
        hiddenSelection_ = all;
    else
        ShowSelection(all);
}

QString TCustomEdit::SelText() const {
    if (!selectionHidden_)
        return Editor()->selectedText();
    return Text().mid(hiddenSelection_.start, hiddenSelection_.length);
}

void TCustomEdit::CopyToClipboard() {
    Editor()->copy();
}

void TCustomEdit::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_KILLFOCUS:
        FocusLeaving(message);
        return;
    case WM_SETFOCUS:
        FocusEntering(message);
        return;
    case WM_CONTEXTMENU:
        // Without a popup menu of its own the edit has the toolkit's, which the right press
        // already opened.
        if (!PopupMenu())
            return;
        break;
    default:
        break;
    }
    TWinControl::WndProc(message);
}

void TCustomEdit::FocusLeaving(TMessage& message) {
    // The toolkit drops the selection as the focus goes.
    const Selection selection = EditorSelection();
    TWinControl::WndProc(message);
    if (hideSelection_) {
        hiddenSelection_ = selection;
        selectionHidden_ = true;
    } else {
        ShowSelection(selection);
    }
}

void TCustomEdit::FocusEntering(TMessage& message) {
    const Selection selection = selectionHidden_ ? hiddenSelection_ : EditorSelection();
    selectionHidden_ = false;
    // The toolkit selects everything on entry by Tab; the edit decides that itself.
    TWinControl::WndProc(message);
    ShowSelection(selection);
    if (autoSelect_ && !EntryKeepsCaret(message))
        SelectAll();
}

// The press places the caret itself; and when the window becomes active again the focus only
// returns to the edit that had it (a Wayland compositor may activate the window after the
// first keys have been typed into it).
bool TCustomEdit::EntryKeepsCaret(const TMessage& message) {
    if (!message.Event || message.Event->type() != QEvent::FocusIn)
        return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(message.Event)->reason();
    return reason == Qt::MouseFocusReason || reason == Qt::ActiveWindowFocusReason;
}

bool TCustomEdit::BindEvent(const QByteArray& name, const TMethod& method) {
    static const TEventTable<TCustomEdit> kEvents{
        EventBinding("OnChange", &TCustomEdit::OnChange),
    };
    return kEvents.Bind(*this, name, method) || TWinControl::BindEvent(name, method);
}
