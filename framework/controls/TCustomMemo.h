// A multi-line, word-wrapping text box; the user can select and copy in it.
#pragma once

#include "framework/core/TWinControl.h"

#include <QPoint>

class QPlainTextEdit;

class TCustomMemo : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(Framework::TScrollStyle ScrollBars READ ScrollBars WRITE SetScrollBars)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_PROPERTY(QStringList Lines READ Lines WRITE SetLines)
public:
    explicit TCustomMemo(TComponent* AOwner);

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    QStringList Lines() const;
    void SetLines(const QStringList& lines);

    void SelectAll();
    QString SelText() const;
    // Puts the selection on the clipboard as plain text.
    void CopyToClipboard();

protected:
    void WndProc(TMessage& message) override;
    // A memo keeps Enter for its lines.
    LRESULT DialogCode() const override {
        return DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_WANTALLKEYS;
    }
    QWidget* CreateWindowWidget(QWidget* parentWidget) override;
    QString GetText() const override;
    void TextChanged() override;
    void ColorChanged() override;
    void Ctl3DChanged() override;
    QPlainTextEdit* Editor() const;

private:
    void ApplyLook();
    // A press inside the selection starts a new one there, as in a system edit control: the
    // selected text is never dragged away (the toolkit would start a drag and drop).
    void CollapseSelectionUnder(QPoint at);

    bool readOnly_ = false;
    TScrollStyle scrollBars_ = TScrollStyle::ssNone;
    bool wordWrap_ = true;
};
