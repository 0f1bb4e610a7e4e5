// A single-line text box (the status line, the keyword box).
#pragma once

#include "framework/core/TWinControl.h"

class QLineEdit;

class TCustomEdit : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(Framework::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE SetAutoSelect)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(Framework::TEditCharCase CharCase READ CharCase WRITE SetCharCase)
    Q_PROPERTY(bool HideSelection READ HideSelection WRITE SetHideSelection)
    Q_PROPERTY(bool OEMConvert READ OEMConvert WRITE SetOEMConvert)
    Q_PROPERTY(QChar PasswordChar READ PasswordChar WRITE SetPasswordChar)
public:
    explicit TCustomEdit(TComponent* AOwner);

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    // The most characters the text holds (0: the toolkit's limit); a longer text is cut.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int v);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);
    // Entering the edit other than by the mouse selects the whole text.
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool v) { autoSelect_ = v; }
    // A bordered edit is as high as its font's lines and its border need, from every change of
    // font or border on. The height a form description stores stands: it is the one the edit
    // had where the form was designed.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    // Typed and assigned text is turned into capitals or small letters.
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase v);
    // The selection is kept but not shown while another control has the focus.
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool v);
    // Kept for form descriptions and read back, with no effect: text here is Unicode, with no
    // code page to convert to and back.
    bool OEMConvert() const { return oemConvert_; }
    void SetOEMConvert(bool v) { oemConvert_ = v; }
    // Shown for every character in place of the text; QChar() shows the text itself.
    QChar PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(QChar v);

    // Keeps `pixels` on every side between the window's edge and the text area, so that a frame
    // drawn there after the toolkit's paint never covers text.
    void SetFrameMargin(int pixels);

    void SelectAll();
    QString SelText() const;
    void CopyToClipboard();

    void WndProc(TMessage& message) override;
    bool BindEvent(const QByteArray& name, const TMethod& method) override;
    TNotifyEvent OnChange;

protected:
    LRESULT DialogCode() const override { return DLGC_WANTCHARS | DLGC_WANTARROWS; }
    QWidget* CreateWindowWidget(QWidget* parentWidget) override;
    QString GetText() const override;
    void TextChanged() override;
    void ColorChanged() override;
    void FontChanged() override;
    void Ctl3DChanged() override;
    void BiDiModeChanged() override;
    QLineEdit* Editor() const;

private:
    // A selection as the edit keeps it: a start and a length, 0 for a bare caret.
    struct Selection {
        int start = 0;
        int length = 0;
    };

    void ApplyLook();
    void ApplyBiDiMode();
    void AdjustHeight();
    Selection EditorSelection() const;
    void ShowSelection(const Selection& selection);
    void FocusLeaving(TMessage& message);
    void FocusEntering(TMessage& message);
    static bool EntryKeepsCaret(const TMessage& message);

    bool readOnly_ = false;
    int maxLength_ = 0;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    bool autoSelect_ = true;
    bool autoSize_ = true;
    TEditCharCase charCase_ = TEditCharCase::ecNormal;
    bool hideSelection_ = true;
    bool oemConvert_ = false;
    QChar passwordChar_;
    // While the selection is hidden, the toolkit's edit has none and this is the selection.
    bool selectionHidden_ = true;
    Selection hiddenSelection_;
};
