// A single-line text box (the status line, the keyword box).
#pragma once

#include "framework/core/TWinControl.h"

class QLineEdit;

class TCustomEdit : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(Framework::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D)
public:
    explicit TCustomEdit(TComponent* AOwner);

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int v);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool v);

    // Keeps `pixels` on every side between the window's edge and the text area, so that a frame
    // drawn there after the toolkit's paint never covers text.
    void SetFrameMargin(int pixels);

    void SelectAll();
    QString SelText() const;
    void CopyToClipboard();

    bool BindEvent(const QByteArray& name, const TMethod& method) override;
    TNotifyEvent OnChange;

protected:
    LRESULT DialogCode() const override { return DLGC_WANTCHARS | DLGC_WANTARROWS; }
    QWidget* CreateWindowWidget(QWidget* parentWidget) override;
    QString GetText() const override;
    void TextChanged() override;
    void ColorChanged() override;
    void FontChanged() override;
    QLineEdit* Editor() const;

private:
    void ApplyLook();

    bool readOnly_ = false;
    int maxLength_ = 0;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    bool ctl3D_ = true;
};
