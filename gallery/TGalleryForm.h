// The skin gallery's window: a skinned frame with a skinned main menu, a row of skinned buttons
// in their states and a skinned edit, switched as a whole between the built-in styles and a
// theme file the user picks.
#pragma once

#include "framework/controls/TOpenDialog.h"
#include "framework/core/TForm.h"
#include "skin/SUIButton.h"
#include "skin/SUIEdit.h"
#include "skin/SUIForm.h"
#include "skin/SUIMainMenu.h"

class TGalleryForm : public TForm {
    Q_OBJECT
public:
    explicit TGalleryForm(TComponent* AOwner);

    // The components of the form description, found by name once it has been read; owned by
    // the form.
    TsuiForm* suiForm1 = nullptr;
    TsuiMainMenu* MainMenu1 = nullptr;
    TMenuItem* StyleMenu = nullptr;
    TsuiEdit* Edit1 = nullptr;
    TOpenDialog* ThemeDialog = nullptr;

public slots:
    // A style item: its Tag is the style.
    void StyleClick(TObject* Sender);
    // Asks for a theme file and shows the window in it.
    void ThemeFileClick(TObject* Sender);
    void ButtonClick(TObject* Sender);
    void AboutClick(TObject* Sender);
    void ExitClick(TObject* Sender);

private:
    // The whole window in the style; its item checked, its name in the caption.
    void ShowStyle(TsuiUIStyle style);
    // A file that cannot be read or applied leaves the window as it was, with an error box.
    void UseThemeFile(const QString& path);
    void ApplyFileTheme(TsuiFileTheme* theme);
};
