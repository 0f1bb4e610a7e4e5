// The skinned single-line edit: the platform's edit, typing, selection, clipboard and input
// methods included, with its system border replaced by a flat frame in the style's control
// border colour, drawn into a 2-pixel margin around the text area after every paint.
#pragma once

#include "framework/controls/TCustomEdit.h"
#include "framework/menus/TPopupMenu.h"
#include "skin/SUIMgr.h"
#include "skin/SUIThemes.h"

// Published in the order a stored edit lists its values: its own, then the standard edit's.
class TsuiEdit : public TCustomEdit {
    Q_OBJECT
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(SUIThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(int BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(Framework::TAnchors Anchors READ Anchors WRITE SetAnchors)
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE SetAutoSelect)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(Framework::TBiDiMode BiDiMode READ BiDiMode WRITE SetBiDiMode)
    Q_PROPERTY(Framework::TEditCharCase CharCase READ CharCase WRITE SetCharCase)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(TSizeConstraints* Constraints READ Constraints)
    Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D)
    Q_PROPERTY(int DragCursor READ DragCursor WRITE SetDragCursor)
    Q_PROPERTY(Framework::TDragKind DragKind READ DragKind WRITE SetDragKind)
    Q_PROPERTY(Framework::TDragMode DragMode READ DragMode WRITE SetDragMode)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(TFont* Font READ Font)
    Q_PROPERTY(bool HideSelection READ HideSelection WRITE SetHideSelection)
    Q_PROPERTY(Framework::TImeMode ImeMode READ ImeMode WRITE SetImeMode)
    Q_PROPERTY(QString ImeName READ ImeName WRITE SetImeName)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(bool OEMConvert READ OEMConvert WRITE SetOEMConvert)
    Q_PROPERTY(bool ParentBiDiMode READ ParentBiDiMode WRITE SetParentBiDiMode)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(bool ParentCtl3D READ ParentCtl3D WRITE SetParentCtl3D)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint)
    Q_PROPERTY(QChar PasswordChar READ PasswordChar WRITE SetPasswordChar)
    Q_PROPERTY(TPopupMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    explicit TsuiEdit(TComponent* AOwner);

    // Stores the theme, then applies the current style again. Not owned; dropped (and the style
    // turned DeepBlue) when the theme is destroyed.
    TsuiFileTheme* FileTheme() const { return fileTheme_; }
    void SetFileTheme(TsuiFileTheme* theme);
    // Takes the style's control border colour, replacing any BorderColor set before.
    TsuiUIStyle UIStyle() const { return uiStyle_; }
    void SetUIStyle(TsuiUIStyle style);
    // The outer frame's colour, until the next assignment of UIStyle or FileTheme.
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor color);

    void WndProc(TMessage& message) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TsuiFileTheme* fileTheme_ = nullptr; // not owned
    TsuiUIStyle uiStyle_ = TsuiUIStyle::DeepBlue;
    TColor borderColor_ = clBlack;
};
