// The skinned single-line edit: the platform's edit, typing, selection, clipboard and input
// methods included, with its system border replaced by a flat frame in the style's control
// border colour, drawn into a 2-pixel margin around the text area after every paint.
#pragma once

#include "framework/controls/TCustomEdit.h"
#include "skin/SUIMgr.h"
#include "skin/SUIThemes.h"

class TsuiEdit : public TCustomEdit {
    Q_OBJECT
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(SUIThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(int BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
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
