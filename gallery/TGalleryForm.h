// The skin gallery's window: a skinned frame with a skinned main menu, a row of skinned buttons
// in their states and a skinned edit, switched as a whole between the built-in styles, the
// themes shipped with the program and a theme file the user picks.
#pragma once

#include "framework/controls/TOpenDialog.h"
#include "framework/core/TForm.h"
#include "skin/SUIButton.h"
#include "skin/SUIEdit.h"
#include "skin/SUIForm.h"
#include "skin/SUIMainMenu.h"

#include <vector>

class TGalleryForm : public TForm {
    Q_OBJECT
public:
    // With the themes of ShippedThemesFolder() in the Style menu.
    explicit TGalleryForm(TComponent* AOwner);
    TGalleryForm(TComponent* AOwner, const QString& themesFolder);

    // <the program's folder>/../share/duanxin/themes: the same in the build tree and installed.
    static QString ShippedThemesFolder();
    // One Style menu item for each readable "*.theme" file of the folder, in file-name order,
    // after the items there are: captioned with the theme's Name text, else the file's base
    // name, with Ctrl+6 to Ctrl+9 for the first four themes.
    void AddShippedThemes(const QString& folder);

    // The components of the form description, found by name once it has been read; owned by
    // the form. suiFileTheme1 holds the shipped theme shown last; null once it has gone.
    TsuiForm* suiForm1 = nullptr;
    TsuiMainMenu* MainMenu1 = nullptr;
    TMenuItem* StyleMenu = nullptr;
    TsuiEdit* Edit1 = nullptr;
    TOpenDialog* ThemeDialog = nullptr;
    TsuiFileTheme* suiFileTheme1 = nullptr;

public slots:
    // A style item: its Tag is the style.
    void StyleClick(TObject* Sender);
    // A shipped theme's item.
    void ShippedThemeClick(TObject* Sender);
    // Asks for a theme file and shows the window in it.
    void ThemeFileClick(TObject* Sender);
    void ButtonClick(TObject* Sender);
    void AboutClick(TObject* Sender);
    void ExitClick(TObject* Sender);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    struct ShippedTheme {
        TMenuItem* item; // in the Style menu, owned by the form
        QString path;
        QString name;
    };

    // The whole window in the style; its item checked, its name in the caption.
    void ShowStyle(TsuiUIStyle style);
    // The shipped theme the window shows, or null.
    const ShippedTheme* ShownShippedTheme() const;
    void AddShippedTheme(const QString& path, const QString& name);
    // A file that cannot be read or applied leaves the window as it was, with an error box.
    void UseThemeFile(const QString& path);
    void UseShippedTheme(const QString& path);
    // A theme of the form's own read from the file and shown; null after an error box.
    TsuiFileTheme* ShowNewFileTheme(const QString& path);
    void ApplyFileTheme(TsuiFileTheme* theme);
    // A theme the window has left: one read from a picked file goes, the described one stays.
    void DropLeftTheme(TsuiFileTheme* theme);

    std::vector<ShippedTheme> shippedThemes_; // in menu order
};
